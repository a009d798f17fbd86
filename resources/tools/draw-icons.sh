#!/usr/bin/env bash
# Renders the program's icon from its drawings (icons/org.vorel.Vorel.svg,
# and icons/org.vorel.Vorel-small.svg for the small sizes, whose lines sit on
# the pixel grid) into the sizes desktops look for. Needs rsvg-convert
# (librsvg2-bin). The results are committed; run this only to change them.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../icons"
for size in 16 22 24 32 48 64 128 256; do
    drawing=org.vorel.Vorel.svg
    [ "$size" -le 24 ] && drawing=org.vorel.Vorel-small.svg
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "$drawing" -o "hicolor/${size}x${size}/apps/org.vorel.Vorel.png"
done
echo "icons written"
