#!/usr/bin/env bash
# How much the program costs while nobody uses it: started on the demo
# document on a private X server (Xvfb), left alone, then watched for a while.
# Prints the processor time it took (clock ticks and share of one core) and
# how often it woke up (voluntary context switches per second).
#
#   scripts/measure-idle.sh [SECONDS] [--program PATH]   (default 20 s)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=20
program=build/bin/scorvane
while [ $# -gt 0 ]; do
  case "$1" in
    --program) program=$2; shift 2 ;;
    *) seconds=$1; shift ;;
  esac
done

mkdir -p build/demo
demo=build/demo/Demo.ten
[ -f "$demo" ] || build/bin/scorvane-cli demo "$demo" >/dev/null

home=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
  [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null
  kill "$xvfb_pid" 2>/dev/null
  rm -rf "$home"
}
trap cleanup EXIT
sleep 1

HOME=$home XDG_CONFIG_HOME=$home/.config DISPLAY=$display QT_QPA_PLATFORM=xcb \
  "$program" --no-splash "$demo" >/dev/null 2>&1 &
program_pid=$!
# Start-up and the first paints are not part of being idle.
sleep 5

ticks() { awk '{print $14 + $15}' "/proc/$program_pid/stat"; }
switches() { awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$program_pid/status"; }

ticks_before=$(ticks)
switches_before=$(switches)
sleep "$seconds"
ticks_used=$(($(ticks) - ticks_before))
wakeups=$(($(switches) - switches_before))
hz=$(getconf CLK_TCK)
printf 'load: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
printf 'idle %d s: %d ticks (%s %% of a core), %d voluntary switches (%s a second)\n' \
  "$seconds" "$ticks_used" \
  "$(awk -v t="$ticks_used" -v h="$hz" -v s="$seconds" 'BEGIN {printf "%.2f", 100 * t / h / s}')" \
  "$wakeups" "$(awk -v w="$wakeups" -v s="$seconds" 'BEGIN {printf "%.1f", w / s}')"
