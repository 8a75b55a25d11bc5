#!/usr/bin/env bash
# Builds Skyloom with warnings as errors and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh
scripts/check-format.sh
cmake --preset default
cmake --build --preset default
ctest --preset default

# The Windows build: cross-built core and batch command, tested under Wine.
scripts/windows-check.sh
