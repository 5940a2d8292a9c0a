#!/usr/bin/env bash
# Times the program from launch to its main window shown, on a large document
# and on the demo document in turn (the demo being the yardstick measured in
# the same run, so that a loaded machine slows both alike). Prints every run
# in milliseconds, as the program measures itself from the start of main, the
# medians and the ratio of the large document's median to the demo's.
#
#   scripts/measure-startup.sh [RUNS] [--matches N] [--xvfb] [--program PATH]
#
#   RUNS        runs of each document (default 9)
#   --matches   matches of the large document (default 30000)
#   --xvfb      on a real X server (a private Xvfb) instead of offscreen
#   --program   the program to time (default build/bin/scorvane)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=9
matches=30000
xvfb=0
program=build/bin/scorvane
while [ $# -gt 0 ]; do
  case "$1" in
    --matches) matches=$2; shift 2 ;;
    --xvfb) xvfb=1; shift ;;
    --program) program=$2; shift 2 ;;
    *) runs=$1; shift ;;
  esac
done

mkdir -p build/demo
demo=build/demo/Demo.ten
large=build/demo/Matches$matches.ten
[ -f "$demo" ] || build/bin/scorvane-cli demo "$demo" >/dev/null
[ -f "$large" ] || build/bin/scorvane-cli demo "$large" --matches "$matches" >/dev/null

# Settings of their own, so that no tip or earlier state of the user's
# interferes.
home=$(mktemp -d)
cleanup() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config

if [ "$xvfb" = 1 ]; then
  display=:$((90 + RANDOM % 100))
  Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  sleep 1
  export DISPLAY=$display QT_QPA_PLATFORM=xcb
else
  export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fi

measure() {
  "$program" --measure-startup "$1" 2>/dev/null | awk '/^startup_ms/ {print $2}'
}

median() {
  printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

demo_times=()
large_times=()
for _ in $(seq "$runs"); do
  demo_times+=("$(measure "$demo")")
  large_times+=("$(measure "$large")")
done
demo_median=$(median "${demo_times[@]}")
large_median=$(median "${large_times[@]}")
printf 'platform: %s, load: %s\n' "$QT_QPA_PLATFORM" "$(cut -d' ' -f1-3 /proc/loadavg)"
printf 'demo runs (ms): %s\n' "${demo_times[*]}"
printf '%d matches runs (ms): %s\n' "$matches" "${large_times[*]}"
printf 'median (ms): demo %s, %d matches %s, ratio %s\n' "$demo_median" "$matches" \
  "$large_median" "$(awk -v a="$large_median" -v b="$demo_median" 'BEGIN {printf "%.2f", a / b}')"
