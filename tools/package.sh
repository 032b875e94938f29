#!/usr/bin/env bash
# Builds the station's Debian package (Release) and checks it:
#   bash tools/package.sh      -> build-release/orstation_<version>_amd64.deb
# Install it on a workstation with: sudo apt install ./orstation_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

BUILD_DIR=${BUILD_DIR:-build-release}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORSTATION_TESTS=OFF
cmake --build "$BUILD_DIR" -j2 --target package

deb=$(ls -t "$BUILD_DIR"/orstation_*_amd64.deb | head -1)
dpkg-deb -I "$deb"
echo "package: $deb"
