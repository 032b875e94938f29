#!/usr/bin/env bash
# Renders the station's icon (resources/icons/orstation.svg) to the PNG sizes
# desktops look for. The PNGs are kept in the repository, so building does not
# need this; run it after editing the drawing (needs rsvg-convert: apt-get
# install librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" orstation.svg -o "orstation-$size.png"
done
ls -l orstation-*.png
