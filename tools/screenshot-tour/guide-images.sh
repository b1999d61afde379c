#!/usr/bin/env bash
# Copies the tour's pictures that the user guide shows into docs/images, without their
# running numbers and quantised to 64 colours, so that the guide stays small.
#
#   bash tools/screenshot-tour/guide-images.sh [TOUR-FOLDER]
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
tour="${1:-$top/build/screenshot-tour}"
images="$top/docs/images"
mkdir -p "$images"

shown=(
  login main-first-start connect-checklist connected main-information-list save-question
  date-time main-upload-list view-by-sensor view-by-time custom-query
  maintenance database-settings group-definition-filled bulk-groups curve-window calendar-picker report
  analysis power-off-time factory-sequence about update
)
for name in "${shown[@]}"; do
  source=("$tour"/[0-9][0-9]-"$name".png)
  if [ ! -f "${source[0]}" ]; then
    echo "guide-images: the tour made no picture \"$name\"" >&2
    exit 1
  fi
  pngquant --force --strip --speed 1 --output "$images/$name.png" 64 -- "${source[0]}"
done
# The record sheet, as a spreadsheet program shows it, when the tour could make its picture.
if [ -f "$tour/record-sheet.png" ]; then
  pngquant --force --strip --speed 1 --output "$images/record-sheet.png" 64 -- "$tour/record-sheet.png"
fi
du -ch "$images"/*.png | tail -1
