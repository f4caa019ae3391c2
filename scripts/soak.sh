#!/usr/bin/env bash
# Link soak: runs sorvanel-soak (the program's scanner link, session and recorder against the
# simulator cycling through silence, garbage, short messages and closing) for SECONDS
# (default 600) in a scratch HOME, and prints the resident size at the start and the end.
#   scripts/soak.sh [SECONDS]     builds build/ (BUILD_DIR) first unless SOAK_BINARY is given
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-600}"
binary="${SOAK_BINARY:-}"
if [ -z "$binary" ]; then
  build="${BUILD_DIR:-$root/build}"
  [ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j"$(nproc)" --target sorvanel-soak >/dev/null
  binary="$build/tools/sorvanel-soak"
fi
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen \
  "$binary" "$seconds"
