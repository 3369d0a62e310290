#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need (as root), or says
# exactly what to install, then configures and builds into build/ with two jobs.
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/lib/packages.sh
require_packages g++ cmake ninja-build qt6-base-dev libgl-dev libjpeg-dev libgtest-dev libgmock-dev libgmp-dev \
  libbenchmark-dev qt6-translations-l10n xvfb xauth openbox fonts-liberation2 fonts-dejavu-core \
  weston qt6-wayland xdotool imagemagick python3

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
