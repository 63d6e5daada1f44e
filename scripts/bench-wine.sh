#!/usr/bin/env bash
# Runs the Windows benchmarks under Wine on a private Xvfb display: the shaped-window region against the
# per-pixel method, and the player's start to a painted menu against a minimal Win32 program. Both programs
# are i686 builds of build/windows, the configuration that scripts/build.sh installs: the player measured is
# the one users run.
#   scripts/bench-wine.sh [startup]     (startup: only the start-up benchmark)
#   ORB_BENCH_PLAYER=FILE               measures another i686 player (an earlier build, say) in its place
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
build=build/windows
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "the 32-bit Wine loader does not run on this host (wine32:i386 missing, or no 32-bit support in" \
    "the kernel): the shipped i686 player cannot be measured here" >&2
  exit 1
fi
if [ ! -f $build/build.ninja ]; then
  cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-i686.cmake" \
    -DCMAKE_INSTALL_PREFIX="$top/dist/windows" -DORB_NATIVE_BIN_DIR="$top/build/native" >/dev/null
fi
cmake --build $build -j2 --target Orbstart region_bench startup_bench minimal_paint >/dev/null
player=${ORB_BENCH_PLAYER:-$build/player/Orbstart.exe}
i686-w64-mingw32-objdump -f "$player" | grep -q "file format pei-i386" || { echo "$player is not an i686 program" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# A CD root whose framed menu shows a 320x240 background of one colour the benchmark waits for.
cd_root=$tmp/cd
mkdir -p "$cd_root"
cp "$player" "$cd_root/Orbstart.exe"
convert -size 320x240 xc:'#3060C0' "BMP3:$cd_root/back.bmp"
convert -size 40x20 xc:'#FF0000' "BMP3:$cd_root/over.bmp"
printf 'true\r\n\\back.bmp\r\nBench CD\r\n\r\n 1 \r\nS\r\n\r\n 7 \r\n\r\n\\over.bmp\r\n 0 \r\n 0 \r\n\r\n\r\n\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n' \
  >"$cd_root/menu.cfg"
printf '[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=Orbstart.exe\r\n' >"$cd_root/autorun.inf"
cat >"$tmp/run.sh" <<SH
set -e
run=$top/$build/wine-run.sh
if [ "${1:-}" != startup ]; then
echo "=== region_bench"
\$run $top/$build/bench/region_bench.exe
echo "=== region limit: a window with a region of N rectangles under this X server"
for n in 16384 32765 32766; do
  if timeout 120 \$run $top/$build/bench/region_bench.exe limit \$n >/dev/null 2>&1; then echo "\$n: shown"
  else echo "\$n: the program hung or died"; WINEPREFIX=$top/$build/wine/prefix wineserver -k || true; fi
done
fi
echo "=== startup_bench"
# One round first, so that both programs start with a warm wineserver and warm file caches.
\$run $top/$build/bench/startup_bench.exe "Z:${cd_root//\//\\\\}" "Z:${top//\//\\\\}\\\\${build//\//\\\\}\\\\bench\\\\minimal_paint.exe" 1 >/dev/null
\$run $top/$build/bench/startup_bench.exe "Z:${cd_root//\//\\\\}" "Z:${top//\//\\\\}\\\\${build//\//\\\\}\\\\bench\\\\minimal_paint.exe" \${ORB_BENCH_RUNS:-10}
SH
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$tmp/run.sh"
