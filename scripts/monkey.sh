#!/usr/bin/env bash
# Monkey run: random input to the real main window against the simulator under Xvfb for
# SECONDS (default 1800) from SEED (default: made from the clock and printed), then checks
# that nothing is left open and every stored dataset is whole. Prints the seed, the number of
# events and each kind's count; the whole log goes to BUILD_DIR/monkey.log.
#   scripts/monkey.sh [SECONDS] [SEED]    builds test_monkey in build/ (BUILD_DIR) first
# A failure is replayed with the same seed; SORVANEL_MONKEY_TRACE=1 logs every action.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-1800}"
seed="${2:-}"
build="${BUILD_DIR:-$root/build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target test_monkey >/dev/null
log="$build/monkey.log"
args=("--monkey-seconds=$seconds")
[ -n "$seed" ] && args+=("--monkey-seed=$seed")
status=0
# QtTest ends a test function after five minutes unless told otherwise.
QTEST_FUNCTION_TIMEOUT=$(( (seconds + 300) * 1000 )) QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tests/test_monkey" "${args[@]}" >"$log" 2>&1 || status=$?
grep -E 'monkey (seed|reached)|^QINFO .*\)    |^(FAIL|PASS)|Received signal|no step for' "$log" | sed -E 's/^QINFO  : [^ ]+ //' || true
[ $status -eq 0 ] || { echo "monkey run failed ($status); log: $log"; tail -n 60 "$log"; }
exit $status
