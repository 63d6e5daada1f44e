#!/usr/bin/env bash
# Runs the Windows benchmarks under Wine on a private Xvfb display: the shaped-window region against the
# per-pixel method, the player's start to a painted menu against a minimal Win32 program, and a video spot's
# click to first frame (the demo's MP4) and peak working set (an 8K clip) in the demo's video box. The programs
# are the i686 builds of build/windows, the configuration that scripts/build.sh installs, so the player measured
# is the one users run; a host that runs no 32-bit Wine measures the x86_64 test build instead, and says so.
#   scripts/bench-wine.sh [startup]     (startup: only the start-up benchmark)
#   ORB_BENCH_PLAYER=FILE               measures another player (an earlier build, say) in its place
#   ORB_BASELINE_PLAYER=FILE            the video figures of another player too, beside this build's
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  build=build/windows arch=i686 format=pei-i386
else
  build=build/wintest arch=x86_64 format=pei-x86-64
  echo "note: this host runs no 32-bit Wine: these figures are of the x86_64 test build, not the shipped i686 player" >&2
fi
if [ ! -f $build/build.ninja ]; then
  cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-$arch.cmake" \
    -DCMAKE_INSTALL_PREFIX="$top/dist/windows" -DORB_NATIVE_BIN_DIR="$top/build/native" >/dev/null
fi
cmake --build $build -j2 --target Orbstart region_bench startup_bench minimal_paint video_bench >/dev/null
player=$(realpath "${ORB_BENCH_PLAYER:-$build/player/Orbstart.exe}")
x86_64-w64-mingw32-objdump -f "$player" | grep -q "file format $format" || { echo "$player is not an $arch program" >&2; exit 1; }
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
# Video roots: one spot playing into the demo's 300x225 box (4500 by 3375 twips at 4500, 2250).
for clip in demo 8k; do
  root=$tmp/video-$clip
  mkdir -p "$root"
  cp "$cd_root/over.bmp" "$cd_root/autorun.inf" "$root/"
  convert -size 640x480 xc:'#3060C0' "BMP3:$root/back.bmp"  # the demo's size, which holds its box
  if [ $clip = demo ]; then cp examples/demo/imgmusic/intro.mp4 "$root/clip.mp4"
  else ffmpeg -loglevel error -f lavfi -i "color=c=red:s=7680x4320:r=1:d=6" -c:v libx264 -preset ultrafast \
    -pix_fmt yuv420p -movflags +faststart "$root/clip.mp4"; fi
  printf 'true\r\n\\back.bmp\r\nVideo CD\r\n\r\n 1 \r\nS\r\n\r\n 5 \r\n\\clip.mp4\r\n\\over.bmp\r\n 0 \r\n 0 \r\n\r\n\r\n\r\n 4500 \r\n 2250 \r\n 4500 \r\n 3375 \r\n' \
    >"$root/menu.cfg"
done
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
for player in "$player" \${ORB_BASELINE_PLAYER:+"\$ORB_BASELINE_PLAYER"}; do
  cp "\$player" "$tmp/video-demo/Orbstart.exe"; cp "\$player" "$tmp/video-8k/Orbstart.exe"
  echo "=== video_bench: \$player"
  echo " the demo's MP4:"
  \$run $top/$build/bench/video_bench.exe "Z:${tmp//\//\\\\}\\\\video-demo\\\\Orbstart.exe" "Z:${tmp//\//\\\\}\\\\video-demo" "Video CD" 1 \${ORB_BENCH_RUNS:-5}
  echo " an 8K clip:"
  \$run $top/$build/bench/video_bench.exe "Z:${tmp//\//\\\\}\\\\video-8k\\\\Orbstart.exe" "Z:${tmp//\//\\\\}\\\\video-8k" "Video CD" 1 \${ORB_BENCH_RUNS:-5}
done
SH
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$tmp/run.sh"
