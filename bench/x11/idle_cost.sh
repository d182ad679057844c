#!/usr/bin/env bash
# What a running saver costs: first how fast it blackens the screen and how
# much memory it takes beside the floor (startup_cost.sh: one Xvfb, the
# programs in turn, medians), then what it costs while nobody is at the
# machine: `sagelight /s` beside two floors, a minimal Xlib program that
# only maps a black full-screen window and wakes once a second (min_window),
# and one that also draws a panel of Xft text every 20 s as the saver does
# (min_xft_window). Each runs on its own Xvfb, side by side, for the same
# time. Reported per program: CPU milliseconds per minute while idle (utime +
# stime from /proc/PID/stat), CPU spent in the first three seconds (the start
# and the first panel), wake-ups per minute (voluntary context switches) and
# peak resident memory (VmHWM) at the end. Run by hand:
#
#   bench/x11/idle_cost.sh [path/to/sagelight] [seconds] [path/to/an/earlier/sagelight] [runs]
#
# With a third argument, that build is measured too, for a before and after
# in one run (its idle time after the others: two savers of one user cannot
# run at once); `runs` is how many start-ups startup_cost.sh times for each
# program (15 unless told).
#
# The program defaults to the one scripts/dist.sh builds. Needs Xvfb, a C
# compiler and libxft-dev (scripts/check.sh installs them).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
sagelight="${1:-$here/../../build/release/startup/sagelight}"
seconds="${2:-60}"
earlier="${3:-}"
runs="${4:-15}"
[[ -x "$sagelight" ]] || { echo "no sagelight at $sagelight: run scripts/dist.sh first" >&2; exit 1; }
for tool in Xvfb cc pkg-config awk; do
  command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done

"$here/startup_cost.sh" "$sagelight" "$runs" ${earlier:+"$earlier"}
echo

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
cc -O2 -o "$work/bin/min_window" "$here/min_window.c" -lX11
# shellcheck disable=SC2046 # pkg-config's flags are words
cc -O2 -DWITH_TEXT -o "$work/bin/min_xft_window" "$here/min_window.c" $(pkg-config --cflags --libs xft) -lX11
ticks_per_second="$(getconf CLK_TCK)"

# CPU time of a process so far, in milliseconds: utime and stime are fields
# 14 and 15 of /proc/PID/stat, that is 12 and 13 after the command name.
cpu_ms() {
  sed 's/^.*) //' "/proc/$1/stat" |
    awk -v hz="$ticks_per_second" '{ printf "%d", ($12 + $13) * 1000 / hz }'
}

# Voluntary context switches so far: how often the process went to sleep,
# and so how often it woke.
wakeups() { awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$1/status"; }

# Runs one program on its own server and writes its figures to
# $work/<name>.result.
measure() {
  local name="$1"; shift
  local fifo="$work/$name.display"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -wr -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  local server=$!
  # Each measurement runs in a subshell of its own: on any way out, it
  # stops its own server and program.
  pid=""
  trap 'kill $pid '"$server"' 2>/dev/null || true' EXIT
  local display
  read -r display <"$fifo"
  display=":$display"
  local data="$work/$name/data" run="$work/$name/run"
  mkdir -p "$data" "$run"
  # Seed the quote file first, so the run measures an ordinary start.
  env -u DISPLAY XDG_DATA_HOME="$data" XDG_RUNTIME_DIR="$run" "$sagelight" >/dev/null 2>&1 || true

  DISPLAY="$display" XDG_DATA_HOME="$data" XDG_RUNTIME_DIR="$run" "$@" &
  pid=$!
  sleep 3
  local cpu_start woken_start
  cpu_start="$(cpu_ms "$pid")"
  woken_start="$(wakeups "$pid")"
  sleep "$seconds"
  local cpu_end woken_end hwm
  cpu_end="$(cpu_ms "$pid")"
  woken_end="$(wakeups "$pid")"
  hwm="$(awk '/^VmHWM/ { print $2 " " $3 }' "/proc/$pid/status")"
  kill "$pid" "$server"
  wait "$pid" "$server" 2>/dev/null || true
  trap - EXIT
  awk -v n="$name" -v a="$cpu_start" -v b="$cpu_end" -v s="$seconds" -v m="$hwm" \
    -v w="$(( woken_end - woken_start ))" \
    'BEGIN { printf "%-15s %12.1f %14d %12.1f %12s\n", n, (b - a) * 60 / s, a, w * 60 / s, m }' \
    >"$work/$name.result"
}

echo "measuring for $seconds s, the programs side by side..."
pids=()
measure sagelight "$sagelight" /s &
pids+=($!)
for floor in min_window min_xft_window; do
  measure "$floor" "$work/bin/$floor" &
  pids+=($!)
done
wait "${pids[@]}"
if [[ -n "$earlier" ]]; then
  # Not beside the other saver: two savers of one user share its
  # single-instance lock, and the second would end at once.
  echo "measuring the earlier build for $seconds s..."
  (measure earlier "$earlier" /s)
fi
printf '%-15s %12s %14s %12s %12s\n' program "CPU ms/min" "CPU ms 0-3 s" "wakeups/min" "peak RSS"
cat "$work/sagelight.result"
[[ -z "$earlier" ]] || cat "$work/earlier.result"
cat "$work/min_window.result" "$work/min_xft_window.result"
