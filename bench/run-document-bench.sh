#!/usr/bin/env bash
# Builds the release preset and runs the document benchmarks: reading and writing the
# document against xmllint, then opening it in the editor window against plrtool's read.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target plrbench plrguibench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/release/bin/plrbench "$work"
echo
build/release/bin/plrguibench "$work"
