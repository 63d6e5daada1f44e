#!/usr/bin/env bash
# Runs every test: the native core under ASan/UBSan, the fuzzers for a bounded time, and the Windows
# programs and their tests under Wine on a private Xvfb display. Ends with one "N passed, N failed" line.
set -uo pipefail
cd "$(dirname "$0")/.."
top=$PWD
bash scripts/setup.sh || exit 1
jobs=$(nproc)
status=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT
step() { echo; echo "=== $*"; }
# ctest_in DIR [PREFIX...] -- CTEST_ARGS...: runs ctest in DIR (under PREFIX, e.g. xvfb-run), keeping its
# output for the closing count.
ctest_in() {
  local dir=$1; shift
  local prefix=()
  while [ "$1" != "--" ]; do prefix+=("$1"); shift; done
  shift
  (cd "$dir" && ${prefix[@]+"${prefix[@]}"} ctest --output-on-failure "$@") 2>&1 | tee -a "$log"
  return "${PIPESTATUS[0]}"
}

step "native build (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORB_SANITIZE=ON >/dev/null &&
  cmake --build build/asan -j "$jobs" || exit 1
step "native tests"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest_in build/asan -- -j "$jobs" || status=1

step "fuzz build (clang, libFuzzer)"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORB_FUZZ=ON \
  -DORB_FUZZ_SECONDS="${ORB_FUZZ_SECONDS:-60}" >/dev/null && cmake --build build/fuzz -j "$jobs" || exit 1
step "fuzz runs"
ctest_in build/fuzz -- -j "$jobs" || status=1

step "windows build (MinGW-w64 i686, shipped) and native release build"
bash scripts/build.sh || exit 1
# Wine runs the i686 programs where the host can run 32-bit programs; elsewhere the same sources are
# built for x86_64 and run under 64-bit Wine, and the shipped i686 files get the static checks.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  wintest=build/windows
  cmake -S . -B "$wintest" -DORB_SHIPPED_DIR="$top/dist/windows" >/dev/null || exit 1
else
  wintest=build/wintest
  step "windows test build (MinGW-w64 x86_64, for 64-bit Wine)"
  cmake -S . -B "$wintest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-x86_64.cmake" \
    -DORB_NATIVE_BIN_DIR="$top/build/native" -DORB_SHIPPED_DIR="$top/dist/windows" >/dev/null &&
    cmake --build "$wintest" -j "$jobs" || exit 1
fi
step "windows tests under Wine ($wintest)"
# A test that fails is run once more: Wine's GStreamer backend now and then hangs or crashes a process as it
# exits (about one run in fifty, seen with a bare source reader too), after every check has passed. A fault
# of ours fails both runs.
ctest_in "$wintest" xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" -- -j 1 --repeat until-pass:2 || status=1
WINEPREFIX="$top/$wintest/wine/prefix" wineserver -k 2>/dev/null || true

# One closing count over all suites, from ctest's own summary lines.
read -r passed failed < <(sed -n 's/.*tests passed, \([0-9]*\) tests\? failed out of \([0-9]*\).*/\1 \2/p' "$log" |
  awk '{f += $1; t += $2} END {print t - f, f}')
echo
echo "${passed:-0} passed, ${failed:-0} failed"
[ "$status" = 0 ] || echo "SOME TESTS FAILED"
exit $status
