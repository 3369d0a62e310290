#!/usr/bin/env bash
# Sets up and builds as scripts/start.sh does, then makes the Debian package
# build/zoltcalc_<version>_<arch>.deb (install it with: apt-get install ./build/zoltcalc_*.deb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
. scripts/lib/packages.sh
require_packages dpkg-dev file
rm -f build/zoltcalc_*.deb
(cd build && cpack -G DEB)
ls build/zoltcalc_*.deb
