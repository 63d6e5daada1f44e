#!/usr/bin/env bash
# Plays a generated CD root's menu in the real player under Wine on a private Xvfb display and saves a
# screenshot of it, with the first spot lit under the mouse: screenshot-demo.sh CD_ROOT OUT.png
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
cd_root=$(realpath "$1")
out=$(realpath -m "$2")
run=$top/build/windows/wine-run.sh
wintool=$top/build/windows/tests/wintool.exe
title=$(sed -n 3p "$cd_root/menu.cfg" | tr -d '\r')
mkdir -p "$(dirname "$out")"
inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat >"$inner" <<SH
set -euo pipefail
( cd "$cd_root" && "$run" ./Orbstart.exe ) & pid=\$!
rect=\$("$run" "$wintool" wait "$title" 30000 | tr -d '\r') || { kill \$pid; echo "the menu did not appear" >&2; exit 1; }
IFS=, read -r x y w h <<<"\$rect"
# The first spot of the bundled example lies 40,140 pixels into the background.
xdotool mousemove \$((x + 120)) \$((y + h - 340)); sleep 0.3; xdotool mousemove \$((x + 122)) \$((y + h - 339)); sleep 1
import -display "\$DISPLAY" -window root -crop "\${w}x\${h}+\${x}+\${y}" +repage "$out"
"$run" "$wintool" close "$title" >/dev/null
wait \$pid
SH
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$inner"
WINEPREFIX=$top/build/windows/wine/prefix wineserver -k 2>/dev/null || true
echo "screenshot of the menu: $out"
