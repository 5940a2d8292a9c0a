#!/usr/bin/env bash
# Builds the program and starts it on the demo document.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

# The demo document: from the command-line tool when it can make one, else
# the sample document of the test helpers.
mkdir -p build/demo
if [ ! -f build/demo/Demo.ten ]; then
  build/bin/scorvane-cli demo build/demo/Demo.ten >/dev/null 2>&1 ||
    build/bin/make_demo_document build/demo/Demo.ten
fi
exec build/bin/scorvane "$@" build/demo/Demo.ten
