#!/usr/bin/env bash
# What sagelight-idle costs: CPU milliseconds per minute (utime + stime from
# /proc/PID/stat) and wake-ups per minute (voluntary context switches from
# /proc/PID/status), first while a user types (xdotool, five keys a second)
# and then while nobody does, beside `sleep infinity` measured over the same
# spans. It runs on a private Xvfb with a private session bus, with an idle
# time longer than the run, so the saver never starts. Run by hand:
#
#   bench/idle/idle_cost.sh [path/to/sagelight-idle] [seconds per phase]
#
# The program defaults to the one scripts/dist.sh builds. Needs Xvfb,
# xdotool and dbus-daemon (scripts/check.sh installs them).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
idle="${1:-$here/../../build/release/idle/sagelight-idle}"
seconds="${2:-60}"
[[ -x "$idle" ]] || { echo "no sagelight-idle at $idle: run scripts/dist.sh first" >&2; exit 1; }
for tool in Xvfb xdotool dbus-daemon awk; do
  command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done

work="$(mktemp -d)"
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
hz="$(getconf CLK_TCK)"

mkfifo "$work/display"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$work/display" \
  >/dev/null 2>&1 &
pids+=($!)
read -r number <"$work/display"
export DISPLAY=":$number"
dbus-daemon --session --nofork --print-address >"$work/bus" &
pids+=($!)
while [[ ! -s "$work/bus" ]]; do sleep 0.05; done
export DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$work/bus")"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$work/run"
unset WAYLAND_DISPLAY

"$idle" --after 24h 2>"$work/idle.log" &
idle_pid=$!
pids+=($idle_pid)
sleep infinity &
sleep_pid=$!
pids+=($sleep_pid)
until grep -q "watching with" "$work/idle.log"; do sleep 0.05; done
head -n1 "$work/idle.log"

cpu_ms() { sed 's/^.*) //' "/proc/$1/stat" | awk -v hz="$hz" '{ printf "%d", ($12 + $13) * 1000 / hz }'; }
wakeups() { awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$1/status"; }

# One phase: the figures of both processes over `seconds`, per minute.
phase() {
  local name="$1" typing="$2" pid
  local -A cpu0 wake0
  for pid in "$idle_pid" "$sleep_pid"; do
    cpu0[$pid]="$(cpu_ms "$pid")"; wake0[$pid]="$(wakeups "$pid")"
  done
  local end=$((SECONDS + seconds))
  if [[ "$typing" == yes ]]; then
    while ((SECONDS < end)); do xdotool key --delay 200 a b c d e >/dev/null; done
  else
    sleep "$seconds"
  fi
  for pid in "$idle_pid" "$sleep_pid"; do
    local label=sagelight-idle
    [[ "$pid" == "$sleep_pid" ]] && label="sleep infinity"
    awk -v p="$name" -v l="$label" -v c="$(( $(cpu_ms "$pid") - cpu0[$pid] ))" \
      -v w="$(( $(wakeups "$pid") - wake0[$pid] ))" -v s="$seconds" \
      'BEGIN { printf "%-8s %-16s %12.1f %12.1f\n", p, l, c * 60 / s, w * 60 / s }'
  done
}

echo "measuring for $seconds s while typing, then $seconds s idle..."
printf '%-8s %-16s %12s %12s\n' phase program "CPU ms/min" "wakeups/min"
phase typing yes
phase idle no
