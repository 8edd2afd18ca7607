#!/usr/bin/env bash
# Renders the application icon's PNG sizes from data/icons/codelume.svg.
# Run after changing the SVG and commit the PNGs (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "data/icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" data/icons/codelume.svg -o "data/icons/${size}x${size}/codelume.png"
done
