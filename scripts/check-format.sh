#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted with .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.h' '*.cpp')
[ -z "$files" ] && exit 0
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
echo "formatting is clean"
