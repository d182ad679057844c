#!/usr/bin/env bash
# The end-to-end tests on a machine that has other work to do: two busy
# loops and a disk writer keep both cores and the disk busy while the suite
# (ctest -L e2e on the ci build) runs, N times in a row. Prints how long each
# run took; exits non-zero when any run fails.
#
#   scripts/e2e-under-load.sh [N] [-- more ctest arguments]
#
# e.g. scripts/e2e-under-load.sh 3 -- -R x11 to run only the X11 cases.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=2
if [[ $# -gt 0 && "$1" != "--" ]]; then
  runs="$1"
  shift
fi
if [[ "${1:-}" == "--" ]]; then
  shift
fi
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [N] [-- ctest arguments]" >&2; exit 2; }

cmake --preset ci >/dev/null
cmake --build --preset ci -j2 >/dev/null

scratch="$(mktemp -d)"
load=()
# shellcheck disable=SC2317  # run by the trap
stop_load() {
  if ((${#load[@]})); then
    kill "${load[@]}" 2>/dev/null || true
    wait "${load[@]}" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap stop_load EXIT
trap 'exit 130' INT TERM

for _ in 1 2; do
  sh -c 'while :; do :; done' &
  load+=($!)
done
# Rewrites one file of 128 MB, past the page cache, for as long as it runs;
# stopped, it stops the write under way too.
sh -c 'trap "kill \$writer 2>/dev/null; exit 0" TERM
  while :; do
    dd if=/dev/zero of="$1/load" bs=1M count=128 oflag=direct status=none &
    writer=$!
    wait $writer || sleep 1
  done' sh "$scratch" &
load+=($!)

failed=0
started=$SECONDS
for ((run = 1; run <= runs; run++)); do
  begun=$SECONDS
  if ctest --preset ci -L e2e -j2 --output-on-failure "$@"; then
    outcome=passed
  else
    outcome=FAILED
    failed=1
  fi
  # Every case's own output, the timings it judged among them.
  log="build/ci/e2e-under-load-$run.log"
  cp build/ci/Testing/Temporary/LastTest.log "$log"
  echo "== run $run of $runs under load: $outcome in $((SECONDS - begun)) s (all output: $log)"
done
echo "== $runs runs under load in $((SECONDS - started)) s: $([[ $failed == 0 ]] && echo all passed || echo some FAILED)"
exit "$failed"
