#!/usr/bin/env bash
# How fast `sagelight /s` blackens the screen and how much memory it takes,
# beside the floor: a bare Xlib window that draws one panel of Xft text
# (min_window.c built with WITH_TEXT). Both run on one Xvfb, in turn, the
# given number of times each (after one warm-up run each that is not
# counted), so that a busy machine slows them alike. Per run, startup_probe
# takes from the server's events the milliseconds from exec to the mapped
# full-screen window (the screen is black) and to the first panel, and a
# second after the panel the peak and current resident memory (VmHWM,
# VmRSS). Printed: the medians, and the lowest and highest map time. Run by
# hand:
#
#   bench/x11/startup_cost.sh [path/to/sagelight] [runs] [path/to/an/earlier/sagelight]
#
# With a third argument, that build takes its turn too, for a before and
# after in one run. idle_cost.sh runs this first. Needs Xvfb, a C compiler
# and libxft-dev.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
sagelight="${1:-$here/../../build/release/startup/sagelight}"
runs="${2:-15}"
earlier="${3:-}"
[[ -x "$sagelight" ]] || { echo "no sagelight at $sagelight: run scripts/dist.sh first" >&2; exit 1; }
for tool in Xvfb cc pkg-config awk; do
  command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done

work="$(mktemp -d)"
server=""
cleanup() {
  [[ -z "$server" ]] || kill "$server" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cc -O2 -o "$work/startup_probe" "$here/startup_probe.c" -lX11
# shellcheck disable=SC2046 # pkg-config's flags are words
cc -O2 -DWITH_TEXT -o "$work/min_xft_window" "$here/min_window.c" $(pkg-config --cflags --libs xft) -lX11

mkfifo "$work/display"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" \
  >/dev/null 2>&1 &
server=$!
read -r display <"$work/display"

# Each saver has its own data and runtime folders, its quote file seeded
# before the runs, so that they measure an ordinary start.
names=(sagelight)
commands=("$sagelight")
if [[ -n "$earlier" ]]; then
  names+=(earlier)
  commands+=("$earlier")
fi
for name in "${names[@]}"; do
  mkdir -p "$work/$name/data" "$work/$name/run"
  chmod 700 "$work/$name/run"
done
for i in "${!names[@]}"; do
  env -u DISPLAY XDG_DATA_HOME="$work/${names[$i]}/data" XDG_RUNTIME_DIR="$work/${names[$i]}/run" \
    "${commands[$i]}" >/dev/null 2>&1 || true
done
names+=(floor)

run() {
  local name="$1"
  if [[ "$name" == floor ]]; then
    DISPLAY=":$display" "$work/startup_probe" "$work/min_xft_window" 2>>"$work/$name.log"
  else
    local program="$sagelight"
    [[ "$name" == sagelight ]] || program="$earlier"
    DISPLAY=":$display" XDG_DATA_HOME="$work/$name/data" XDG_RUNTIME_DIR="$work/$name/run" \
      "$work/startup_probe" "$program" /s 2>>"$work/$name.log"
  fi
}

echo "start-up: $runs runs each, in turn, on one Xvfb..."
for name in "${names[@]}"; do
  run "$name" >/dev/null || true  # warm-up: caches and the server's first fonts
done
# Every other round runs them in the opposite order, so that none always
# follows the same one.
for (( r = 0; r < runs; ++r )); do
  order=("${names[@]}")
  if (( r % 2 )); then
    order=()
    for (( i = ${#names[@]} - 1; i >= 0; --i )); do order+=("${names[$i]}"); done
  fi
  for name in "${order[@]}"; do
    run "$name" >>"$work/$name.runs" || true
  done
done

# Medians over the runs that showed; a run that failed is counted and its
# report shown.
printf '%-10s %12s %14s %14s %11s %11s %5s\n' program "map ms med" "map ms lo-hi" \
  "panel ms med" "VmHWM KiB" "VmRSS KiB" runs
for name in "${names[@]}"; do
  touch "$work/$name.runs"
  awk -v n="$name" -v runs="$runs" '
    function median(v, k,   i, j, t) {
      for (i = 2; i <= k; ++i)
        for (j = i; j > 1 && v[j - 1] > v[j]; --j) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
      return k == 0 ? "-" : k % 2 ? v[(k + 1) / 2] : (v[k / 2] + v[k / 2 + 1]) / 2
    }
    $1 >= 0 && $2 >= 0 { ++k; map[k] = $1; panel[k] = $2; hwm[k] = $3; rss[k] = $4 }
    END {
      m = median(map, k)
      h = median(hwm, k)
      printf "%-10s %12s %14s %14s %11s %11s %5s\n", n, m, k ? map[1] "-" map[k] : "-",
             median(panel, k), h, median(rss, k), k "/" runs
      print n, m, h >"/dev/stderr"
    }' "$work/$name.runs" 2>>"$work/medians"
  [[ ! -s "$work/$name.log" ]] || sed "s/^/  $name: /" "$work/$name.log" | sort | uniq -c
done
# Each saver against the floor: how many times its start-up, how much more
# memory.
awk '{ map[$1] = $2; hwm[$1] = $3 }
     END {
       for (n in map) if (n != "floor" && map[n] != "-" && map["floor"] > 0)
         printf "%s: black after %.2f times the floor'"'"'s start-up, peak memory %+d KiB\n",
                n, map[n] / map["floor"], hwm[n] - hwm["floor"]
     }' "$work/medians"
