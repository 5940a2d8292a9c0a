#!/usr/bin/env bash
# Builds everything and runs every test; the output ends with CTest's summary.
#
# Two builds:
#   build/        g++, the desktop program, the tool, every test and benchmark;
#                 every test runs.
#   build-clang/  clang with warnings as errors and AddressSanitizer +
#                 UndefinedBehaviorSanitizer (any finding stops the program),
#                 without Qt: the core, the command-line tool and the core
#                 tests, which run under the sanitizers.
# The clang build runs first: it is the smaller, and a warning or a
# sanitizer finding is reported before the long build starts.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

stage() { echo "== $1 ($(date -u +%H:%M:%S))"; }

stage "clang, -Werror, sanitizers: core, command line, core tests"
cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DSCORVANE_WERROR=ON -DSCORVANE_SANITIZE=ON \
  -DSCORVANE_BUILD_GUI=OFF -DSCORVANE_BUILD_BENCH=OFF
cmake --build build-clang
(cd build-clang && ctest --output-on-failure --timeout 300 -j2)

stage "g++: everything"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j2
