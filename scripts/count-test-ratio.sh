#!/usr/bin/env bash
# Prints the C++ lines of the tests against those of the program, and their
# ratio: the project keeps the tests lean (a quarter to a third of the new
# program lines), and this is how that is measured. Program lines are every
# .h/.cpp outside tests/, fuzz/, bench/ and build folders, without the
# generated catalogue table (base/catalogue/message_table.cpp).
set -euo pipefail
cd "$(dirname "$0")/.."

# Sums the lines of the .h and .cpp files that find's arguments select.
count_lines() {
  find "$@" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 |
    xargs -0 -r cat | wc -l
}

test_lines=$(count_lines tests)
program_lines=$(count_lines . \
  \( -path ./tests -o -path ./fuzz -o -path ./bench -o -path './build*' -o -path './.*' \) -prune -o \
  ! -path ./base/catalogue/message_table.cpp)
ratio=$(awk -v t="$test_lines" -v p="$program_lines" 'BEGIN { printf "%.3f", t / p }')
echo "test lines:    $test_lines"
echo "program lines: $program_lines"
echo "ratio:         $ratio"
