#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds the station, creates
# the demo hospital database (once) and starts the station on it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

BUILD_DIR=${BUILD_DIR:-build-release}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORSTATION_TESTS=OFF
cmake --build "$BUILD_DIR" -j2

# The log-in dialog offers this file the first time; later it remembers the choice.
DEMO_DB="$HOME/.local/share/orstation/demo.db"
mkdir -p "$(dirname "$DEMO_DB")"
if [ ! -f "$DEMO_DB" ]; then
  echo "Creating the demo hospital at $DEMO_DB"
  "$BUILD_DIR/tools/orsql/orsql" --db "$DEMO_DB" --demo
fi

echo "Log in as NURSE1 / nurse1 (other demo users are listed in the README)."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting under a virtual X server (xvfb-run)."
  exec xvfb-run -a "$BUILD_DIR/src/orstation"
fi
exec "$BUILD_DIR/src/orstation"
