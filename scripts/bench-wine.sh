#!/usr/bin/env bash
# Runs the Windows benchmarks under Wine on a private Xvfb display: the shaped-window region against the
# per-pixel method, the player's start to a painted menu against a minimal Win32 program, and a video spot's
# click to first frame (the demo's MP4) and peak working set (an 8K clip) in the demo's video box. The programs
# are the i686 builds of build/windows, the configuration that scripts/build.sh installs, so the player measured
# is the one users run; a host that runs no 32-bit Wine measures the x86_64 test build instead, and says so.
# Also a page change to a 1920x1080 page of 12 spots against that page's cold start, and the start-up of a
# 1920x1080 menu at 192 DPI with no @2x twin (its picture scaled by the filter) against the same at 96 DPI.
#   scripts/bench-wine.sh [startup|pages|dpi]     (only the start-up, the page or the DPI benchmark)
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
cmake --build $build -j2 --target Orbstart region_bench startup_bench page_bench minimal_paint video_bench >/dev/null
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
# Page roots: "cold" opens on the big page; "paged" opens on a small page whose one spot leads to it.
for root in cold paged; do mkdir -p "$tmp/$root"; cp "$player" "$cd_root/autorun.inf" "$tmp/$root/"; done
convert -size 1920x1080 xc:'#3060C0' -quality 90 "$tmp/cold/big.jpg"
convert -size 320x240 xc:'#C06030' "BMP3:$tmp/paged/small.bmp"
cp "$tmp/cold/big.jpg" "$cd_root/over.bmp" "$tmp/paged/"
for i in $(seq 0 11); do
  convert -size 200x80 xc:"#$(printf '%02X' $((i * 20)))8040" "BMP3:$tmp/cold/over$i.bmp"
  cp "$tmp/cold/over$i.bmp" "$tmp/paged/"
done
# The big page's 12 spots, in a grid clear of the point the benchmark watches.
big_spots() {
  for i in $(seq 0 11); do
    printf 'S\r\nSpot %d\r\n 7 \r\n\r\n\\over%d.bmp\r\n %d \r\n %d \r\n\r\n\r\n\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n' \
      $i $i $(((300 + i % 4 * 400) * 15)) $(((300 + i / 4 * 200) * 15))
  done
}
{ printf 'true\r\n\\big.jpg\r\nBench Page\r\n\r\n 12 \r\n'; big_spots; } >"$tmp/cold/menu.cfg"
printf 'true\r\n\\small.bmp\r\nBench Home\r\n\r\n 1 \r\nS\r\n\r\n 8 \r\nbig\r\n\\over.bmp\r\n 1500 \r\n 1500 \r\n\r\n\r\n\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n' \
  >"$tmp/paged/menu.cfg"
{ printf 'Orbmenu pages 1\r\nHome\r\n 1 \r\nBig\r\nBench Page\r\n\\big.jpg\r\n 12 \r\n'; big_spots; } >"$tmp/paged/pages.cfg"
# A 1920x1080 menu of one colour with one spot, for the start-up at 96 and at 192 DPI.
mkdir -p "$tmp/dpi"
cp "$player" "$cd_root/autorun.inf" "$cd_root/over.bmp" "$tmp/dpi/"
convert -size 1920x1080 xc:'#3060C0' "BMP3:$tmp/dpi/back.bmp"
cp "$cd_root/menu.cfg" "$tmp/dpi/"
cat >"$tmp/run.sh" <<SH
set -e
run=$top/$build/wine-run.sh
win() { echo "Z:\${1//\//\\\\}"; }
if [ "${1:-}" = dpi ]; then
  echo "=== startup_bench of a 1920x1080 menu at 96 and at 192 DPI (no twin: the picture scaled)"
  # Back to 96 DPI, and no wineserver left holding this display's size for the next program.
  trap '\$run reg add "HKCU\\\\Control Panel\\\\Desktop" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1; WINEPREFIX=$top/$build/wine/prefix wineserver -k || true' EXIT
  for dpi in 96 192; do
    \$run reg add "HKCU\\\\Control Panel\\\\Desktop" /v LogPixels /t REG_DWORD /d \$dpi /f >/dev/null 2>&1
    WINEPREFIX=$top/$build/wine/prefix wineserver -k || true  # the DPI is read when Wine starts
    \$run $top/$build/bench/startup_bench.exe "\$(win $tmp/dpi)" "Z:${top//\//\\\\}\\\\${build//\//\\\\}\\\\bench\\\\minimal_paint.exe" 1 >/dev/null
    echo " \$dpi DPI:"
    \$run $top/$build/bench/startup_bench.exe "\$(win $tmp/dpi)" "Z:${top//\//\\\\}\\\\${build//\//\\\\}\\\\bench\\\\minimal_paint.exe" \${ORB_BENCH_RUNS:-10}
  done
  exit 0
fi
if [ "${1:-}" != startup ]; then
echo "=== page_bench"
\$run $top/$build/bench/page_bench.exe "\$(win $tmp/cold)" "\$(win $tmp/paged)" \${ORB_BENCH_RUNS:-10}
[ "${1:-}" = pages ] && exit 0
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
# The DPI benchmark's menu is 3840x2160 at 192 DPI: the screen holds it whole.
screen=1024x768x24
[ "${1:-}" = dpi ] && screen=4096x2304x24
xvfb-run -a -s "-screen 0 $screen -nolisten tcp" bash "$tmp/run.sh" "${1:-}"
