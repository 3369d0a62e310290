#!/usr/bin/env bash
# Sets up, builds and runs every test under CTest (window tests use the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
