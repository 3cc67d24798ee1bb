#!/usr/bin/env bash
# Sets everything up (packages, configure, build with sanitizers) and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset test >/dev/null
cmake --build --preset test
ctest --preset test "$@"
