#!/usr/bin/env bash
# Runs the demo (program and simulator on 127.0.0.1) on a private Xvfb display and saves a
# screenshot after a few seconds: scripts/screenshot.sh OUT.png [SECONDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-screenshot.png}")"
wait_seconds="${2:-5}"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY="$display" DEMO_SECONDS=$((wait_seconds + 2)) "$root/scripts/demo.sh" >/dev/null 2>&1 &
demo=$!
sleep "$wait_seconds"
DISPLAY="$display" import -window root "$out"
wait $demo || true
echo "$out"
