#!/usr/bin/env bash
# Screenshots of the program connected to the scanner simulator on 127.0.0.1, in a landscape
# and a portrait screen under Xvfb:
#   scripts/screenshots.sh [--dpi N] [--size WxH] [LANGUAGE] [OUT_DIR]
# --dpi sets the density the screen reports, as a tablet's system does (default 96); --size
# the landscape size (default 1280x800; portrait is the same turned). LANGUAGE is the code of
# an embedded translation (de, ar_EG, zh_CN, ...); without one the program starts as on a
# first start in English. BUILD_DIR chooses the build tree. SORVANEL_SHOTS_DATASETS=FOLDER
# adds the library and the 3D view of each dataset in that folder (e.g. the demo home's samples).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
dpi=96
size=1280x800
while [ $# -gt 0 ]; do
  case "$1" in
    --dpi) dpi="$2"; shift 2 ;;
    --size) size="$2"; shift 2 ;;
    *) break ;;
  esac
done
language=""
if [ $# -gt 0 ] && [ -f "$root/res/languages/language_$1.ts" ]; then
  language="$1"
  shift
fi
out="$(realpath -m "${1:-$build/screenshots${language:+/$language}}")"
BUILD_DIR="$build" "$root/scripts/build.sh" >/dev/null
width="${size%x*}"
height="${size#*x}"
for screen in "${width}x${height}" "${height}x${width}"; do
  xvfb-run -a -s "-screen 0 ${screen}x24 -dpi $dpi" "$build/tools/sorvanel-shots" "$out" $language
done
