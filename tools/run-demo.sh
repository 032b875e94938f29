#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds the station, creates
# the demo hospital database (once) and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

BUILD_DIR=${BUILD_DIR:-build-release}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORSTATION_TESTS=OFF
cmake --build "$BUILD_DIR" -j2

DEMO_DB=${DEMO_DB:-$HOME/.local/share/orstation/demo.db}
mkdir -p "$(dirname "$DEMO_DB")"
if [ ! -f "$DEMO_DB" ]; then
  echo "Creating the demo hospital at $DEMO_DB"
  "$BUILD_DIR/tools/orsql/orsql" --db "$DEMO_DB" --demo
fi

echo "Demo hospital: $DEMO_DB. Type T-SQL, end each batch with a line holding GO; Ctrl-D leaves."
exec "$BUILD_DIR/tools/orsql/orsql" --db "$DEMO_DB"
