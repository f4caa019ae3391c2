#!/usr/bin/env bash
# One screen at 96, 160 and 240 dpi side by side, landscape above portrait, on one PNG page:
#   scripts/density-sheet.sh [--size WxH] SCREEN [LANGUAGE] [OUT.png]
# SCREEN is the name scripts/screenshots.sh gives the picture without "-landscape.png", e.g.
# welcome, wizard, recording, frequency-analysis, library-selected, heightfield-value.
# --size is the landscape screen (default 1280x800). Needs ImageMagick (montage).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
size=1280x800
if [ "${1:-}" = "--size" ]; then
  size="$2"
  shift 2
fi
screen="${1:?which screen, e.g. welcome}"
shift
language=""
if [ $# -gt 0 ] && [ -f "$root/res/languages/language_$1.ts" ]; then
  language="$1"
  shift
fi
out="$(realpath -m "${1:-density-$screen${language:+-$language}-$size.png}")"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

tiles=()
for orientation in landscape portrait; do
  for dpi in 96 160 240; do
    if [ ! -d "$tmp/$dpi" ] && ! "$root/scripts/screenshots.sh" --dpi "$dpi" --size "$size" $language "$tmp/$dpi" \
        >"$tmp/shots-$dpi.log" 2>&1; then
      cat "$tmp/shots-$dpi.log" >&2
      exit 1
    fi
    picture="$(ls "$tmp/$dpi/$screen-$orientation"*.png 2>/dev/null | head -1)"
    [ -n "$picture" ] || { echo "no picture $screen-$orientation at $dpi dpi" >&2; exit 1; }
    convert "$picture" -resize 640x640 -gravity center -background '#c6c6c6' -extent 640x640 -set label "$dpi dpi, $orientation" "$tmp/tile-$orientation-$dpi.png"
    tiles+=("$tmp/tile-$orientation-$dpi.png")
  done
done
montage "${tiles[@]}" -tile 3x -geometry '+8+8' -background '#c6c6c6' -fill '#303030' \
        -font DejaVu-Sans -pointsize 14 -title "$screen at $size ${language:-en}" -depth 8 "$out"
echo "$out"
