#!/usr/bin/env bash
# What a running saver costs while nobody is at the machine, on each of its
# backends in one run: `sagelight /s` as a native client of a headless sway
# (the Wayland backend) beside `sagelight /s` on an Xvfb (the X11 backend),
# one after the other for the same time. Reported per backend: CPU milliseconds per
# minute while idle (utime + stime from /proc/PID/stat), wake-ups per minute
# (voluntary context switches) and peak resident memory (VmHWM). Run by hand
# as root (sway itself runs as the user "nobody"):
#
#   bench/wayland/idle_cost.sh [path/to/sagelight] [seconds]
#
# Needs sway, swaymsg, setpriv and Xvfb.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
sagelight="${1:-$here/../../build/release/startup/sagelight}"
seconds="${2:-60}"
[[ -x "$sagelight" ]] || { echo "no sagelight at $sagelight: build it first" >&2; exit 1; }
for tool in sway swaymsg setpriv Xvfb awk; do
  command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done

work="$(mktemp -d)"
chmod 755 "$work"
pids=()
cleanup() {
  kill "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
ticks_per_second="$(getconf CLK_TCK)"

cpu_ms() {
  sed 's/^.*) //' "/proc/$1/stat" |
    awk -v hz="$ticks_per_second" '{ printf "%d", ($12 + $13) * 1000 / hz }'
}
wakeups() { awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$1/status"; }

# The Wayland session: sway on its headless backend with the pixman renderer.
install -d -m 0700 -o nobody "$work/wayland-run"
printf 'output HEADLESS-1 resolution 1024x768 bg #000000 solid_color\ndefault_border none\n' \
  >"$work/sway.config"
chmod 644 "$work/sway.config"
env -i PATH="$PATH" XDG_RUNTIME_DIR="$work/wayland-run" WLR_BACKENDS=headless \
  WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  setpriv --reuid=nobody --regid=nogroup --clear-groups -- sway --config "$work/sway.config" \
  >"$work/sway.log" 2>&1 &
pids+=($!)
# The X11 session: an Xvfb of the same size.
mkfifo "$work/display"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" \
  >/dev/null 2>&1 &
pids+=($!)
read -r display <"$work/display"

deadline=$(( $(date +%s) + 20 ))
socket=""
while [[ -z "$socket" ]]; do
  if (( $(date +%s) >= deadline )); then
    echo "sway did not start" >&2
    cat "$work/sway.log" >&2
    exit 1
  fi
  sleep 0.1
  socket="$(find "$work/wayland-run" -maxdepth 1 -type s -name 'wayland-*' | head -1)"
done
ipc="$(find "$work/wayland-run" -maxdepth 1 -name 'sway-ipc*' | head -1)"

# Each saver gets its own data and runtime folders, seeded before it starts.
start() {
  local name="$1"; shift
  mkdir -p "$work/$name/data" "$work/$name/run"
  chmod 700 "$work/$name/run"
  env -u DISPLAY -u WAYLAND_DISPLAY XDG_DATA_HOME="$work/$name/data" \
    XDG_RUNTIME_DIR="$work/$name/run" "$sagelight" >/dev/null 2>&1 || true
  env -u DISPLAY -u WAYLAND_DISPLAY XDG_DATA_HOME="$work/$name/data" \
    XDG_RUNTIME_DIR="$work/$name/run" "$@" "$sagelight" /s >/dev/null 2>&1 &
  started=$!
  pids+=("$started")
}
# One user's savers share one single-instance lock, so the backends take
# turns: the Wayland saver first, then the X11 one, each measured as long.
measure() {
  local name="$1" pid="$2" cpu woken
  sleep 2
  [[ -d "/proc/$pid" ]] || { echo "$name: the saver ended early" >&2; return; }
  cpu="$(cpu_ms "$pid")" woken="$(wakeups "$pid")"
  sleep "$seconds"
  [[ -d "/proc/$pid" ]] || { echo "$name: the saver ended early" >&2; return; }
  awk -v n="$name" -v a="$cpu" -v b="$(cpu_ms "$pid")" -v s="$seconds" \
    -v w="$(( $(wakeups "$pid") - woken ))" \
    -v m="$(awk '/^VmHWM/ { print $2 " " $3 }' "/proc/$pid/status")" \
    'BEGIN { printf "%-10s %12.1f %12.1f %12s\n", n, (b - a) * 60 / s, w * 60 / s, m }'
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

echo "measuring for $seconds s each, the Wayland saver and then the X11 one..."
printf '%-10s %12s %12s %12s\n' backend "CPU ms/min" "wakeups/min" "peak RSS"
start wayland env WAYLAND_DISPLAY="$socket"
# Measured from when the Wayland surface shows.
shows='"app_id": ?"sagelight"'
until [[ "$(SWAYSOCK="$ipc" swaymsg -t get_tree -r 2>/dev/null)" =~ $shows ]]; do
  (( $(date +%s) < deadline + 10 )) || { echo "the Wayland saver did not show" >&2; exit 1; }
  sleep 0.1
done
measure wayland "$started"
start x11 env DISPLAY=":$display"
measure x11 "$started"
