#!/usr/bin/env bash
# Sets up, builds and runs every test under CTest (window tests use the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
. scripts/lib/run_tests.sh
run_tests build
