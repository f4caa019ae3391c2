#!/usr/bin/env bash
# Builds the program and its tests with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# (any finding stops the test) in build-asan/ (override with ASAN_BUILD_DIR) and runs the whole
# CTest suite there, the GL tests under Xvfb as usual. Benchmarks are left out. CI runs it
# after the normal tests.
# Leaks are checked with full stacks (the fast unwinder stops at the first Qt frame, so
# suppressions could not tell Qt's own leaks from ours). The GL tests are the exception: under
# the slow unwinder Mesa's shader compiler takes minutes, and what the GL driver leaves at exit
# belongs to a module unloaded before the check, which no suppression can name; they run with
# every address and undefined-behaviour check but without the leak check.
# The GL tests include the monkey test (test_monkey): its two minutes of random input to the
# whole window run under both sanitizers too.
# Then the wavelet test, whose long rebuilds run on two threads, and the terrain test, whose
# terrain builder runs a worker thread, are built with ThreadSanitizer in build-tsan/
# (TSAN_BUILD_DIR). Only these: Qt itself is not instrumented, and the widget tests' Qt threads
# would report what TSan cannot see synchronised.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ASAN_BUILD_DIR:-$root/build-asan}"
"$root/scripts/install-deps.sh"
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DSORVANEL_BUILD_BENCHMARKS=OFF -DSORVANEL_LIBFUZZER=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$build" -j"$(nproc)"
# intercept_tls_get_addr=0: this runtime's __tls_get_addr hook takes a dynamic TLS block that
# happens to start 16 bytes into a page for a pre-2.25 glibc block with a header, and reads a
# bogus range from the two words before it; LeakSanitizer's tracer then crashes scanning it at
# exit ("Tracer caught signal 11"), now and then, after the test has passed. glibc allocates
# those blocks with malloc, so the leak check still sees them.
asan="abort_on_error=1:detect_stack_use_after_return=1:intercept_tls_get_addr=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
cd "$build"
status=0
ASAN_OPTIONS="$asan:detect_leaks=1:fast_unwind_on_malloc=0" ctest --output-on-failure -j"$(nproc)" -LE gl || status=1
ASAN_OPTIONS="$asan:detect_leaks=0" ctest --output-on-failure -j"$(nproc)" -L gl -LE layout || status=1
# The layout check on the small tablet screens only: the same code runs on every screen, and
# the large ones take minutes each under the sanitizers.
ASAN_OPTIONS="$asan:detect_leaks=0" ctest --output-on-failure -j"$(nproc)" \
  -R '^test_tablet_layout_96dpi_(1024x600|600x1024|1280x800|800x1280)$' || status=1
tsan="${TSAN_BUILD_DIR:-$root/build-tsan}"
CC=clang CXX=clang++ cmake -S "$root" -B "$tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DSORVANEL_BUILD_BENCHMARKS=OFF -DSORVANEL_LIBFUZZER=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" >/dev/null
cmake --build "$tsan" -j"$(nproc)" --target test_wavelet test_terrain
(cd "$tsan" && TSAN_OPTIONS="halt_on_error=1:suppressions=$root/scripts/tsan.supp" ctest --output-on-failure -R '^(test_wavelet|test_terrain)$') || status=1
exit $status
