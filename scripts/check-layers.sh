#!/usr/bin/env bash
# Fails when a file includes a header of a higher layer, or product code includes test and
# tool code. Layers, bottom to top:
#   0 core     app/, acquisition/, datasets/, recording/, visualization/ (files at the top of each)
#   1 devices  <subsystem>/devices/ (the scanner link, recorders, tone output, positioning)
#   2 screens  <subsystem>/widgets/
#   3 program  main.cpp
# The simulator engine and message encoder (tools/sim/) stand beside the program and may use
# the core only.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

layer_of() {
  case "$1" in
    main.cpp) echo 3 ;;
    */widgets/*) echo 2 ;;
    */devices/*) echo 1 ;;
    app/*|acquisition/*|datasets/*|recording/*|visualization/*) echo 0 ;;
    tools/sim/*) echo sim ;;
    *) echo none ;;
  esac
}
name_of() {
  case "$1" in 0) echo core ;; 1) echo devices ;; 2) echo screens ;; 3) echo program ;; *) echo "$1" ;; esac
}

status=0
files=$(find app acquisition datasets recording visualization tools/sim -name '*.h' -o -name '*.cpp'; echo main.cpp)
for file in $files; do
  from=$(layer_of "$file")
  dir=$(dirname "$file")
  while IFS= read -r include; do
    [ -n "$include" ] || continue
    # Project headers are named from the root, tool headers from their own folder.
    if [ -f "$include" ]; then target="$include"
    elif [ -f "$dir/$include" ]; then target="$dir/$include"
    else continue
    fi
    to=$(layer_of "$target")
    bad=""
    if [ "$from" = sim ]; then
      [ "$to" = 0 ] || [ "$to" = sim ] || bad=1
    elif [ "$to" = sim ] || [ "$to" = none ]; then
      bad=1
    elif [ "$to" -gt "$from" ]; then
      bad=1
    fi
    if [ -n "$bad" ]; then
      echo "$file ($(name_of "$from")) includes $target ($(name_of "$to"))"
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done
[ "$status" -eq 0 ] && echo "layers: no include points upward"
exit "$status"
