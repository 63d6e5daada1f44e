#!/usr/bin/env bash
# Plays a generated CD root's menu in the real player under Wine on a private Xvfb display and saves a
# screenshot of it, with the first spot lit under the mouse: screenshot-demo.sh CD_ROOT OUT.png [PAGE2.png].
# With PAGE2.png, the bundled example's fourth spot is clicked and its second page taken the same way.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
cd_root=$(realpath "$1")
out=$(realpath -m "$2")
out2=${3:+$(realpath -m "$3")}
build=$top/build/windows
title=$(sed -n 3p "$cd_root/menu.cfg" | tr -d '\r')
title2=""
if [ -n "$out2" ]; then
  # Line 5 of pages.cfg: the first further page's window title.
  [ -f "$cd_root/pages.cfg" ] || { echo "$cd_root has one page: no second picture to take" >&2; exit 1; }
  title2=$(sed -n 5p "$cd_root/pages.cfg" | tr -d '\r')
  mkdir -p "$(dirname "$out2")"
fi
mkdir -p "$(dirname "$out")"
inner=$(mktemp)
play=$(mktemp -d)
trap 'rm -rf "$inner" "$play"' EXIT
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  # A host that runs no 32-bit programs plays a copy of the root with the same sources' x86_64 build, as the
  # tests do there; the root itself keeps the shipped i686 player.
  build=$top/build/wintest
  [ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-x86_64.cmake" -DORB_NATIVE_BIN_DIR="$top/build/native" \
    -DORB_SHIPPED_DIR="$top/dist/windows" >/dev/null
  cmake --build "$build" -j "$(nproc)" --target Orbstart wintool >/dev/null
  cp -r "$cd_root/." "$play/"
  cp "$build/player/Orbstart.exe" "$play/Orbstart.exe"
  cd_root=$play
  echo "(no 32-bit Wine on this host: the menu is shown by the x86_64 build of the player)"
fi
run=$build/wine-run.sh
wintool=$build/tests/wintool.exe
cat >"$inner" <<SH
set -euo pipefail
( cd "$cd_root" && "$run" ./Orbstart.exe ) & pid=\$!
rect=\$("$run" "$wintool" wait "$title" 30000 | tr -d '\r') || { kill \$pid; echo "the menu did not appear" >&2; exit 1; }
IFS=, read -r x y w h <<<"\$rect"
# point DY: rests the pointer on the bundled example's button DY pixels below the background's top (the
# buttons lie 40 pixels in from its left edge, on both pages).
point() {
  xdotool mousemove \$((x + 120)) \$((y + h - 480 + \$1)); sleep 0.3
  xdotool mousemove \$((x + 122)) \$((y + h - 479 + \$1)); sleep 1
}
shoot() { import -display "\$DISPLAY" -window root -crop "\${w}x\${h}+\${x}+\${y}" +repage "\$1"; }
point 160
shoot "$out"
if [ -n "$title2" ]; then
  # The fourth button turns the window, where it stands, to the second page.
  point 346; xdotool click 1
  rect=\$("$run" "$wintool" wait "$title2" 10000 | tr -d '\r') ||
    { "$run" "$wintool" close "$title"; echo "the second page did not appear" >&2; exit 1; }
  IFS=, read -r x y w h <<<"\$rect"
  point 160
  shoot "$out2"
  "$run" "$wintool" close "$title2" >/dev/null
else
  "$run" "$wintool" close "$title" >/dev/null
fi
wait \$pid
SH
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$inner"
WINEPREFIX=$build/wine/prefix wineserver -k 2>/dev/null || true
echo "screenshot of the menu: $out"
[ -z "$out2" ] || echo "screenshot of its second page: $out2"
