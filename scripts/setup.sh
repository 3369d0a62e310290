#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need (as root), or says
# exactly what to install, then configures and builds into build/ with two jobs.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build qt6-base-dev libgl-dev libjpeg-dev libgtest-dev libgmock-dev libgmp-dev
          libbenchmark-dev xvfb xauth fonts-liberation2 fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  else
    echo "Missing Debian packages; install them as root with:" >&2
    echo "  apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
