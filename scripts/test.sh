#!/usr/bin/env bash
# Runs every test: the native core under ASan/UBSan, the fuzzers for a bounded time, and the Windows
# programs and their tests under Wine on a private Xvfb display.
set -uo pipefail
cd "$(dirname "$0")/.."
top=$PWD
bash scripts/setup.sh || exit 1
jobs=$(nproc)
status=0
step() { echo; echo "=== $*"; }

step "native build (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORB_SANITIZE=ON >/dev/null &&
  cmake --build build/asan -j "$jobs" || exit 1
step "native tests"
(cd build/asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j "$jobs") || status=1

step "fuzz build (clang, libFuzzer)"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORB_FUZZ=ON \
  -DORB_FUZZ_SECONDS="${ORB_FUZZ_SECONDS:-15}" >/dev/null && cmake --build build/fuzz -j "$jobs" || exit 1
step "fuzz runs"
(cd build/fuzz && ctest --output-on-failure -j "$jobs") || status=1

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
(cd "$wintest" && xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
  ctest --output-on-failure -j 1) || status=1
WINEPREFIX="$top/$wintest/wine/prefix" wineserver -k 2>/dev/null || true

echo
[ $status = 0 ] && echo "ALL TEST SUITES PASSED" || echo "SOME TESTS FAILED"
exit $status
