#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UBSan in build-fuzz/
# and runs each for the given seconds (default 120): scripts/fuzz.sh [SECONDS] [TARGET...]
# Findings are written to build-fuzz/findings/. New interesting inputs go to a scratch corpus;
# copy the few worth keeping into fuzz/corpus/<target>/ by hand.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
seconds="${1:-120}"
shift || true
"$root/scripts/install-deps.sh"
command -v clang++ >/dev/null || { sudo_cmd=""; [ "$(id -u)" -eq 0 ] || sudo_cmd=sudo;
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq clang; }
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSORVANEL_LIBFUZZER=ON -DSORVANEL_BUILD_TESTS=OFF -DSORVANEL_BUILD_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined" >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(cd "$root/fuzz" && ls fuzz_*.cpp | sed 's/\.cpp$//'))
fi
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"
mkdir -p "$build/findings"
for t in "${targets[@]}"; do
  scratch="$build/corpus/$t"
  mkdir -p "$scratch"
  echo "== $t for ${seconds}s"
  "$build/fuzz/$t" -max_total_time="$seconds" -artifact_prefix="$build/findings/$t-" \
    -print_final_stats=1 "$scratch" "$root/fuzz/corpus/$t" 2>&1 | grep -E 'stat::number_of_executed_units|stat::peak_rss|ERROR|SUMMARY|Done' || true
done
