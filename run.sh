#!/usr/bin/env bash
# Sets everything up (packages, configure, build) and starts the editor.
# Any arguments go to PellorConfig, e.g. ./run.sh OPC
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/bin/PellorConfig "$@"
