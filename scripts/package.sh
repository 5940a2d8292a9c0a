#!/usr/bin/env bash
# Builds the Debian package build/scorvane_VERSION_amd64.deb: the two
# programs and what a desktop needs beside them (packaging/CMakeLists.txt).
#
#   scripts/package.sh [BUILD_FOLDER]    (build/ by default)
#
# Install it with: apt install ./build/scorvane_VERSION_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target scorvane scorvane-cli package_files
cd "$build"
cpack -G DEB
ls "$PWD"/scorvane_*_amd64.deb
