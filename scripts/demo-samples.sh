#!/usr/bin/env bash
# Seeds a demo home with the sample surveys, once: a marker file in the demo home says it was
# done, so samples the user deleted stay deleted. Writes only inside the demo home.
#   bash scripts/demo-samples.sh DEMO_HOME [SAMPLE_TOOL]
# DEMO_SMALL_SAMPLES=1 shrinks the large survey (for the tests).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
home="${1:?usage: demo-samples.sh DEMO_HOME [SAMPLE_TOOL]}"
tool="${2:-${BUILD_DIR:-$root/build}/tools/sorvanel-sample-survey}"
marker="$home/.samples-seeded"
[ -e "$marker" ] && exit 0
folder="$home/Documents/Sorvanel3D"
mkdir -p "$folder"

sample() {
  local status=0
  # The tool's standard paths (settings read by the recorders) lie inside the demo home too.
  env -u XDG_DOCUMENTS_DIR HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
      XDG_CACHE_HOME="$home/.cache" "$tool" --folder "$folder" "$@" >/dev/null || status=$?
  # 3: stored by an earlier, interrupted seeding.
  [ "$status" -eq 0 ] || [ "$status" -eq 3 ]
}

large=(--tracks 200 --rows 2000 --objects 40)
if [ -n "${DEMO_SMALL_SAMPLES:-}" ]; then
  large=(--tracks 20 --rows 60 --objects 4)
fi

sample --seed 101 --name "Sample: typical field, five buried objects" --tracks 40 --rows 330 --objects 5 \
       --location "Meadow behind the old mill" --position 47.3962,8.5173 --bearing 15 --date 2026-04-18T10:12:00
sample --seed 102 --name "Sample: zig-zag walked 4 rows late, for the destagger" --tracks 40 --rows 330 --lag 4 \
       --location "Orchard, north slope" --position 47.4011,8.5242 --bearing 100 --date 2026-04-18T14:40:00
sample --seed 103 --probe 1 --name "Sample: Z-Series, parallel walk from corner 2" --tracks 30 --rows 240 \
       --pattern parallel --corner 2 --location "Farmyard" --position 47.3920,8.5301 --bearing 270 \
       --date 2026-04-25T09:05:00
sample --seed 104 --probe 13 --name "Sample: 100 Levelplane, zig-zag from corner 1" --tracks 30 --rows 240 \
       --corner 1 --location "Field path by the chapel" --position 47.3885,8.5122 --bearing 45 \
       --date 2026-04-25T11:30:00
sample --seed 105 --probe 2 --name "Sample: Spanwell, tracks by trigger and toggle" --tracks 30 --rows 240 \
       --corner 3 --location "Garden plot" --position 47.3941,8.5208 --bearing 180 --date 2026-05-02T16:20:00
sample --seed 106 --name "Sample: large survey, 200 tracks x 2000 rows" "${large[@]}" \
       --location "Pasture along the river" --position 47.4102,8.5016 --bearing 330 --date 2026-05-09T08:00:00
touch "$marker"
