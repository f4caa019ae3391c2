#!/usr/bin/env bash
# Screenshots of the program connected to the scanner simulator on 127.0.0.1, in a landscape
# (1280 x 800) and a portrait (800 x 1280) screen under Xvfb:
#   scripts/screenshots.sh [LANGUAGE] [OUT_DIR]
# LANGUAGE is the code of an embedded translation (de, ar_EG, zh_CN, ...); without one the
# program starts as on a first start in English. BUILD_DIR chooses the build tree.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
language=""
if [ $# -gt 0 ] && [ -f "$root/res/languages/language_$1.ts" ]; then
  language="$1"
  shift
fi
out="$(realpath -m "${1:-$build/screenshots${language:+/$language}}")"
BUILD_DIR="$build" "$root/scripts/build.sh" >/dev/null
for size in 1280x800 800x1280; do
  xvfb-run -a -s "-screen 0 ${size}x24 -dpi 96" "$build/tools/sorvanel-shots" "$out" $language
done
