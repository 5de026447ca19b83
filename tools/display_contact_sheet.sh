#!/usr/bin/env bash
# Draws docs/display-scaling.png: the main window's upper left quarter as the real exe shows it under Wine at
# 100, 125, 150 and 200 % (96, 120, 144 and 192 dpi), side by side at their own pixels, taken by the
# display-scaling scenario (e2e/scenarios/display_scaling.sh) in its prefixes.
# Usage: tools/display_contact_sheet.sh [build dir: build/win32, or build/win64 where 32-bit code cannot run]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
# shellcheck source=../e2e/lib/wine.sh
source e2e/lib/wine.sh

BUILD=$(realpath -m "${1:-build/$(zv_runnable_preset)}")
ARTEFACTS=$BUILD/contact-sheet
OUTPUT=docs/display-scaling.png
for file in "$BUILD/app/Zorvane.exe" "$BUILD/e2e/zvdriver.exe"; do
  [[ -f $file ]] || { echo "missing $file: build the preset first" >&2; exit 1; }
done

tiles=()
for dpi in 96 120 144 192; do
  ZV_DPI=$dpi ZV_WINEARCH=$(zv_exe_arch "$BUILD/app/Zorvane.exe") bash e2e/scenarios/display_scaling.sh "$BUILD/app/Zorvane.exe" \
    "$BUILD/e2e/zvdriver.exe" "$BUILD/wineprefix" "$ARTEFACTS" >/dev/null
  # 400 x 280 pixels at 96 dpi: the title, the banner, the bar and the navigation column.
  width=$(((400 * dpi + 48) / 96)) height=$(((280 * dpi + 48) / 96))
  tile=$ARTEFACTS/tile_$dpi.png
  convert "$ARTEFACTS/display_scaling_$dpi/client.png" -crop "${width}x$height+0+0" +repage \
    -background white -gravity south -extent "${width}x$((height + 28))" \
    -gravity north -font DejaVu-Sans -pointsize 18 -annotate +0+4 "$((dpi * 100 / 96))%% ($dpi dpi)" "$tile"
  tiles+=("$tile")
done
convert "${tiles[@]}" -bordercolor white -border 8 -background white -gravity north +append -strip "$OUTPUT"
echo "$OUTPUT: $(identify -format '%w x %h' "$OUTPUT"), $(stat -c %s "$OUTPUT") bytes"
