#!/usr/bin/env bash
# Both programs start under Wine, show their main window with the right caption, and end cleanly on close.
. "$(dirname "$0")/lib.sh"
check_program() {
  local exe=$1 title=$2
  cp "$exe" "$TMP/"
  ( cd "$TMP" && run "./$(basename "$exe")" ) & local pid=$!
  wintool wait "$title" 20000 >/dev/null || { kill $pid; fail "$title did not appear"; }
  wintool close "$title"
  wait $pid || fail "$(basename "$exe") exited with $?"
}
check_program "$ORB_EDITOR" "Orbmenu v2.0"
# The player needs a CD root: a one-spot menu titled like the menu window's design caption.
convert -size 64x48 xc:navy "BMP3:$TMP/back.bmp"
convert -size 16x16 xc:red "BMP3:$TMP/over.bmp"
printf 'true\r\n\\back.bmp\r\nAutorun Menu\r\n\r\n 1 \r\nS\r\n\r\n 7 \r\n\r\n\\over.bmp\r\n 0 \r\n 0 \r\n\r\n\r\n\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n' >"$TMP/menu.cfg"
printf '[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=Orbstart.exe\r\n' >"$TMP/autorun.inf"
check_program "$ORB_PLAYER" "Autorun Menu"
echo "programs start and close"
