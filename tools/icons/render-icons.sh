#!/usr/bin/env bash
# Renders the icon (programs/dalcal/icons/dalcal.svg, drawn for this program)
# at the sizes of the hicolor theme, for desktops that want bitmaps; the PNGs
# are committed beside it. Run again after changing the SVG. Needs
# rsvg-convert (librsvg2-bin) and optipng if present.
# Usage: tools/icons/render-icons.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
icons=$root/programs/dalcal/icons
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$icons/hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "$icons/dalcal.svg" -o "$icons/hicolor/${size}x${size}/apps/dalcal.png"
    if command -v optipng >/dev/null; then optipng -quiet -strip all "$icons/hicolor/${size}x${size}/apps/dalcal.png"; fi
done
