#!/usr/bin/env bash
# Builds the release preset and runs the document benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target plrbench
exec build/release/bin/plrbench "$@"
