#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 600
# Every fuzz target over its seed corpus (the inputs of faults found so far among them), where
# clang can build them.
if command -v clang++ >/dev/null 2>&1; then
    scripts/fuzz.sh 0
fi
