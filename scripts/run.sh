#!/usr/bin/env bash
# Builds the program and starts it on the bundled demo document.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

if [ -x build/bin/scorvane ] && [ -f build/demo/Demo.ten ]; then
  exec build/bin/scorvane build/demo/Demo.ten
fi
# Until the window exists: what the command-line tool knows.
exec build/bin/scorvane-cli systems
