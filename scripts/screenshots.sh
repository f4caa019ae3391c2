#!/usr/bin/env bash
# Screenshots of the program connected to the scanner simulator on 127.0.0.1, in a landscape
# (1280 x 800) and a portrait (800 x 1280) screen under Xvfb: scripts/screenshots.sh [OUT_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$root/build/screenshots}")"
"$root/scripts/build.sh" >/dev/null
for size in 1280x800 800x1280; do
  xvfb-run -a -s "-screen 0 ${size}x24 -dpi 96" "$root/build/tools/sorvanel-shots" "$out"
done
