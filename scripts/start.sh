#!/usr/bin/env bash
# Sets up, builds and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -x build/bin/zoltcalc ]; then
  exec build/bin/zoltcalc "$@"
fi
exec build/bin/zoltcalc-cli "$@"
