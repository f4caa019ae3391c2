#!/usr/bin/env bash
# Installs, builds and runs the program against the scanner simulator on 127.0.0.1, with a
# demo home folder under the build tree so that nothing touches the user's own files.
# Without a display the program runs under Xvfb. DEMO_SECONDS=N ends the run after N seconds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

demo_home="$build/demo-home"
mkdir -p "$demo_home/Documents/Sorvanel3D/config" "$demo_home/.config" "$demo_home/runtime"
chmod 700 "$demo_home/runtime"
# On the first run only: sample surveys in the demo's library, beside the user's own recordings.
"$root/scripts/demo-samples.sh" "$demo_home" "$build/tools/sorvanel-sample-survey"
ini="$demo_home/Documents/Sorvanel3D/config/options.ini"
# The scanner's address must point at the simulator before the program starts.
if [ -f "$ini" ] && grep -q '^\[network\]' "$ini"; then
  sed -i '/^scannerHost=/d; /^scannerPort=/d' "$ini"
  sed -i 's/^\[network\]$/[network]\nscannerHost=127.0.0.1\nscannerPort=9876/' "$ini"
else
  printf '\n[network]\nscannerHost=127.0.0.1\nscannerPort=9876\n' >> "$ini"
fi

"$build/tools/sorvanel-scanner-sim" --host 127.0.0.1 --port 9876 &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
sleep 0.5

run=(env -u XDG_DOCUMENTS_DIR HOME="$demo_home" XDG_CONFIG_HOME="$demo_home/.config" XDG_DATA_HOME="$demo_home/.local/share"
     XDG_CACHE_HOME="$demo_home/.cache" XDG_RUNTIME_DIR="$demo_home/runtime"
     "$build/Sorvanel3D")
if [ -n "${DEMO_SECONDS:-}" ]; then
  run=(timeout "$DEMO_SECONDS" "${run[@]}")
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  run=(xvfb-run -a -s "-screen 0 1280x800x24" "${run[@]}")
fi
status=0
"${run[@]}" || status=$?
# 124: the DEMO_SECONDS time limit ended the run as asked.
[ "$status" -eq 124 ] && status=0
exit "$status"
