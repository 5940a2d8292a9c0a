#!/usr/bin/env bash
# Builds the program and starts it on the demo document.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

# The demo document: three seasons of a club player, made by the tool.
if [ ! -f build/demo/Demo.ten ]; then
  mkdir -p build/demo
  build/bin/scorvane-cli demo build/demo/Demo.ten
fi

if [ -x build/bin/scorvane ]; then
  exec build/bin/scorvane "$@" build/demo/Demo.ten
fi
# Without the window: what the command-line tool sees in the demo document.
build/bin/scorvane-cli info build/demo/Demo.ten
exec build/bin/scorvane-cli matches build/demo/Demo.ten
