#!/usr/bin/env bash
# Installs every Debian 12 package needed to build, run and test the station.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-odbc
  qt6-pdf-dev qt6-multimedia-dev libqt6opengl6-dev qt6-charts-dev
  libsqlite3-dev sqlite3
  unixodbc-dev tdsodbc libsqliteodbc
  libgtest-dev libgmock-dev libbenchmark-dev
  libkainjow-mustache-dev libxlsxwriter-dev
  xvfb xauth imagemagick poppler-utils fonts-dejavu-core unzip
  dpkg-dev file
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages already installed"
  exit 0
fi

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
