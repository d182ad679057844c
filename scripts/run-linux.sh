#!/usr/bin/env bash
# Build sagelight and run it as the saver (Debian 12). Installs what is
# missing first: the compiler, CMake and the X11 libraries, nothing of the
# tests. Without a display (DISPLAY unset) it runs the saver for a few
# seconds on a virtual X server instead and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config libx11-dev libxft-dev libfontconfig-dev libx11-xcb-dev
          libxcb-randr0-dev libwayland-dev wayland-protocols libxkbcommon-dev libfreetype-dev
          fonts-liberation
          libsystemd-dev libxext-dev libxss-dev plasma-wayland-protocols)
if [[ -z "${DISPLAY:-}" ]]; then
  packages+=(xvfb x11-apps netpbm)
fi
source scripts/install-missing.sh
install_missing --no-recommends "${packages[@]}"

echo "==> Building sagelight (preset release, folder build/release)"
cmake --preset release >/dev/null
cmake --build --preset release -j"${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
saver=build/release/startup/sagelight

if [[ -n "${DISPLAY:-}" ]]; then
  echo "==> Running $saver /s on $DISPLAY: a key, a mouse movement or a click ends it"
  exec "$saver" /s
fi

# No display: a private X server, the saver on it for three seconds, and a
# picture of what it showed.
echo "==> No display here: running the saver on a virtual one (Xvfb) for 3 s"
fifo="$(mktemp -u)"
mkfifo "$fifo"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
server=$!
read -r number <"$fifo"
rm -f "$fifo"
DISPLAY=":$number" "$saver" /s &
saver_pid=$!
sleep 3
if ! kill -0 "$saver_pid" 2>/dev/null; then
  status=0
  wait "$saver_pid" || status=$?
  kill "$server"
  echo "sagelight ended within 3 s, with status $status" >&2
  exit 1
fi
screenshot=build/screenshot.png
xwd -root -silent -display ":$number" | xwdtopnm 2>/dev/null | pnmtopng >"$screenshot" 2>/dev/null
kill "$saver_pid" "$server"
wait "$saver_pid" "$server" 2>/dev/null || true
echo "Screenshot: $screenshot"
