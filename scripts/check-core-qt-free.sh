#!/usr/bin/env bash
# Fails when a source compiled into the core library includes a Qt header.
set -euo pipefail
cd "$(dirname "$0")/.."
hits=$(git ls-files records ranking finances stats shell/catalogue cli 2>/dev/null \
  | grep -v '/ui/' | grep -E '\.(h|cpp)$' \
  | xargs -r grep -lE '#include *<(Q|qt)' || true)
if [ -n "$hits" ]; then
  echo "Qt headers in core files:"
  echo "$hits"
  exit 1
fi
echo "core is Qt-free"
