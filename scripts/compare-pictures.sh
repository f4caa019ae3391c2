#!/bin/bash
# Pixel comparison of the 3D view between two builds: the first run with a reference folder
# that does not exist yet fills it with the pictures of the current build; later runs draw the
# same pictures again and name every one that differs. Fields as TRACKSxROWS (default: the
# typical 40x330 and the large 200x2000).
#   scripts/compare-pictures.sh REFERENCE-FOLDER [TRACKSxROWS...]
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -ge 1 ] || { echo "usage: $0 REFERENCE-FOLDER [TRACKSxROWS...]" >&2; exit 2; }
reference=$1
shift
tool=build/tools/sorvanel-terrain-pictures
[ -x "$tool" ] || { echo "$tool is missing: run scripts/build.sh first" >&2; exit 2; }
draw() { xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb "$tool" "$@" 2>/dev/null; }
if [ ! -d "$reference" ]; then
    draw "$reference" "$@"
    echo "reference pictures written to $reference"
    exit 0
fi
now=$(mktemp -d)
trap 'rm -rf "$now"' EXIT
draw "$now" "$@"
different=0
for picture in "$now"/*.png; do
    name=$(basename "$picture")
    if [ ! -f "$reference/$name" ]; then
        echo "new: $name"
    elif ! cmp -s "$picture" "$reference/$name"; then
        different=$((different + 1))
        pixels=$(compare -metric AE "$picture" "$reference/$name" /dev/null 2>&1 || true)
        echo "DIFFERS: $name (${pixels:-?} pixels)"
    fi
done
echo "$different picture(s) differ"
[ "$different" -eq 0 ]
