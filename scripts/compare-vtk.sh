#!/usr/bin/env bash
# The 3D view beside VTK 9 on one Xvfb, for the typical field (40 x 330) and the large one
# (200 x 2000): bench_glview opens each field and draws steady frames, VTK reads the program's
# own VTK export of the same field, warps it by the scalar, computes normals and renders at the
# view's size. Prints both figures and their ratio (program / VTK; below 1 is faster), the
# frame while the view is turned, the event-loop stall of a filter switch and the peak memory
# of opening and showing each field (measured alone, in a process of its own).
#   scripts/compare-vtk.sh [OUT_DIR]
# Needs python3-vtk9 (scripts/install-deps.sh installs it).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
out="$(realpath -m "${1:-$build/compare-vtk}")"
mkdir -p "$out"
BUILD_DIR="$build" "$root/scripts/build.sh" >/dev/null
export SORVANEL_BENCH_VTK="$out" QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  "$0/bench/bench_glview" --benchmark_filter="openTo(First|Full)Frame/.*/1|steadyFrame/.*/1|bareFrame|interactionFrame|filterSwitchStall" \
      --benchmark_min_time=0.5 --benchmark_format=json > "$1/program.json"
  for field in 40/330 200/2000; do
    "$0/bench/bench_glview" --benchmark_filter="openToFullFrame/$field/1" --benchmark_min_time=0.01 \
        --benchmark_format=json > "$1/memory-${field/\//x}.json"
  done
  for field in 40x330 200x2000; do
    size=$(/usr/bin/python3 -c "import json,sys; b=[x for x in json.load(open(sys.argv[1]))[\"benchmarks\"] if x[\"name\"].startswith(\"openToFirstFrame\")][0]; print(int(b[\"view_w\"]), int(b[\"view_h\"]))" "$1/program.json")
    /usr/bin/python3 "$2/scripts/vtk_first_frame.py" "$1/hills-$field.vtk" $size > "$1/vtk-$field.json"
  done' "$build" "$out" "$root"
/usr/bin/python3 - "$out" <<'PY'
import json, sys
out = sys.argv[1]
program = {b["name"]: b for b in json.load(open(out + "/program.json"))["benchmarks"]}
def ms(name):
    return program[name]["real_time"]
for tracks, rows in ((40, 330), (200, 2000)):
    vtk = json.load(open(f"{out}/vtk-{tracks}x{rows}.json"))
    first = ms(f"openToFirstFrame/{tracks}/{rows}/1/manual_time")
    full = ms(f"openToFullFrame/{tracks}/{rows}/1/manual_time")
    steady = ms(f"steadyFrame/{tracks}/{rows}/1/real_time")
    bare = ms(f"bareFrame/{tracks}/{rows}/real_time")
    moving = ms(f"interactionFrame/{tracks}/{rows}/real_time")
    stall = program[f"filterSwitchStall/{tracks}/{rows}/1/manual_time"]
    memory = json.load(open(f"{out}/memory-{tracks}x{rows}.json"))["benchmarks"][0]["maxrss_MB"]
    print(f"field hills {tracks} x {rows} (VTK: {vtk['triangles']} triangles)")
    print(f"  first frame   program {first:9.1f} ms   VTK {vtk['first_ms']:9.1f} ms   ratio {first / vtk['first_ms']:.2f}")
    print(f"  full frame    program {full:9.1f} ms   VTK {vtk['first_ms']:9.1f} ms   ratio {full / vtk['first_ms']:.2f}")
    print(f"  steady frame  program {steady:9.1f} ms   VTK {vtk['steady_ms']:9.1f} ms   ratio {steady / vtk['steady_ms']:.2f}")
    print(f"  steady frame / bare draw of the same buffers: {steady / bare:.2f}")
    print(f"  frame while turning {moving:.1f} ms = {moving / bare:.2f} x the bare draw")
    print(f"  filter switch {stall['real_time']:.1f} ms, longest event-loop stall {stall['stall_ms']:.1f} ms"
          f" = {stall['stall_ms'] / stall['real_time']:.2f} x the switch")
    print(f"  peak resident size of the program: {memory:.0f} MB")
PY
