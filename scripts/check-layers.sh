#!/usr/bin/env bash
# Fails when a file includes a header of a higher layer, when the subsystem folders of one
# layer include each other in a circle, or when product code includes test and tool code. Layers, bottom to top:
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

subsystem_of() { echo "${1%%/*}"; }

status=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
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
    # Within a layer, one subsystem folder may use another only where the reverse never holds.
    if [ "$from" = "$to" ] && [ "$from" != sim ] && [ "$(subsystem_of "$file")" != "$(subsystem_of "$target")" ]; then
      echo "$from:$(subsystem_of "$file") $from:$(subsystem_of "$target") $file $target" >>"$edges"
    fi
    if [ -n "$bad" ]; then
      echo "$file ($(name_of "$from")) includes $target ($(name_of "$to"))"
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done
# tsort names the folders of every circle it meets.
if ! circles=$(cut -d' ' -f1,2 "$edges" | sort -u | tsort 2>&1 >/dev/null) || [ -n "$circles" ]; then
  echo "subsystem folders include each other in a circle:"
  echo "$circles" | grep -v 'input contains a loop' | sed 's/^tsort: /  /'
  echo "the includes between those folders:"
  while read -r a b file target; do
    echo "$circles" | grep -qx "tsort: $a" && echo "$circles" | grep -qx "tsort: $b" && echo "  $file includes $target"
  done <"$edges"
  status=1
fi
[ "$status" -eq 0 ] && echo "layers: no include points upward, no subsystem circle"
exit "$status"
