#!/usr/bin/env bash
# Regenerates the embedded artwork under res/images from the sources in res/art (icons) and
# from the project's own code (soil textures, splash pictures, colour map swatches) and the desktop icon under res/desktop:
#   scripts/make-artwork.sh [icons|soils|splash|colormaps|appicon]...   (default: everything)
# Builds the generator tools/art in build-art/ (override with BUILD_DIR). The rendered files
# are committed; the normal build only embeds them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-art}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORVANEL_BUILD_TESTS=OFF \
      -DSORVANEL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target sorvanel-art -j"$(nproc)"
QT_QPA_PLATFORM=offscreen "$build/tools/sorvanel-art" "$root" "$@"
