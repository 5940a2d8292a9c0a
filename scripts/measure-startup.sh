#!/usr/bin/env bash
# Times the program from launch to its main window shown on the demo
# document, several runs, and prints each run and the median (milliseconds,
# as the program itself measures them from the start of main).
#
#   scripts/measure-startup.sh [RUNS]     (after scripts/run.sh or a build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
[ -f build/demo/Demo.ten ] || { mkdir -p build/demo && build/bin/make_demo_document build/demo/Demo.ten; }
times=()
for _ in $(seq "$runs"); do
  times+=("$(build/bin/scorvane --measure-startup build/demo/Demo.ten 2>/dev/null | awk '/^startup_ms/ {print $2}')")
done
printf 'runs (ms): %s\n' "${times[*]}"
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print "median (ms): " a[int((NR+1)/2)]}'
