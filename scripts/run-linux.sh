#!/usr/bin/env bash
# Build sagelight and run it as the saver (Debian 12). Installs what is
# missing first. Without a display (DISPLAY unset) it runs the saver for a
# few seconds on a virtual X server instead and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config libx11-dev libxft-dev libfontconfig-dev libxrandr-dev
          fonts-liberation libgtest-dev libbenchmark-dev)
if [[ -z "${DISPLAY:-}" ]]; then
  packages+=(xvfb x11-apps imagemagick)
fi
source scripts/install-missing.sh
install_missing "${packages[@]}"

cmake --preset default
cmake --build --preset default --target sagelight
saver=build/default/startup/sagelight

if [[ -n "${DISPLAY:-}" ]]; then
  exec "$saver" /s
fi

# No display: a private X server, the saver on it for three seconds, and a
# picture of what it showed.
fifo="$(mktemp -u)"
mkfifo "$fifo"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
server=$!
read -r number <"$fifo"
rm -f "$fifo"
DISPLAY=":$number" "$saver" /s &
saver_pid=$!
sleep 3
screenshot=build/screenshot.png
xwd -root -silent -display ":$number" | convert xwd:- "$screenshot"
kill "$saver_pid" "$server"
wait "$saver_pid" "$server" 2>/dev/null || true
echo "No display here: ran the saver on a virtual one for 3 s. Screenshot: $screenshot"
