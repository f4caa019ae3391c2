#!/usr/bin/env bash
# Renders every embedded icon and picture onto one PNG page, each with its file name under
# it, on the app's background grey: scripts/contact-sheet.sh [OUT.png] (default contact-sheet.png).
# Needs ImageMagick (montage).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-contact-sheet.png}")"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cd "$root/res/images"

# One tile per picture, scaled to fit 248 x 192 px (wide and tall ones keep their shape).
# The on-screen size of most icons is about half of that.
i=0
while IFS= read -r -d '' file; do
  i=$((i + 1))
  label="${file#./}"
  label="${label#new/}"
  size="$(identify -format '%wx%h' "$file[0]")"
  convert "$file" -background none -resize 248x192 -gravity center -extent 256x200 \
          -set label "$label ($size)" "$tmp/$(printf '%03d' "$i").png"
done < <(find . -type f \( -name '*.png' -o -name '*.jpg' \) -print0 | sort -z)

montage "$tmp"/*.png -tile 7x -geometry 256x200+8+8 -background '#c6c6c6' -fill '#303030' \
        -font DejaVu-Sans -pointsize 12 -title 'Sorvanel 3D artwork' -depth 8 "$out"
echo "$out"
