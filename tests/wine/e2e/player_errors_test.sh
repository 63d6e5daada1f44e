#!/usr/bin/env bash
# Files that stop the player show one message naming the file and the problem, then the player ends
# cleanly, before any menu window is shown.
. "$(dirname "$0")/player_lib.sh"
convert -size 64x48 xc:navy "BMP3:$CD/back.bmp"
convert -size 16x16 xc:red "BMP3:$CD/over.bmp"

# expect_error WHAT PATTERN: runs the player and answers its message box, which must match PATTERN.
expect_error() {
  start_player
  local box
  box=$(wintool msgbox 20000 | tr -d '\r') || { fail "$1: no message box"; }
  echo "$1: $box"
  [[ "$box" == Orbstart\|* ]] || fail "$1: the box is not titled Orbstart: $box"
  grep -qE "$2" <<<"$box" || fail "$1: the message does not say $2: $box"
  player_ended 10 || { fail "$1: the player did not end after its message"; }
  [ "$(cat "$TMP/rc")" = 1 ] || fail "$1: exit code $(cat "$TMP/rc")"
  no_crash
  wintool gone "Autorun Menu" 100 || fail "$1: a menu window was left"
}

printf 'true\r\n\\back.bmp\r\nT\r\n\r\n 2x \r\n' >"$CD/menu.cfg"
inf
expect_error "bad spot count" 'menu\.cfg, line 5: '
printf 'true\r\n\\back.bmp\r\nT\r\n\r\n 3 \r\n' >"$CD/menu.cfg"
expect_error "file ends early" 'menu\.cfg, line 6'
rm "$CD/menu.cfg"
expect_error "missing menu.cfg" 'menu\.cfg: the file is missing'

menu "T" '\back.bmp' "" 1
spot "" 7 "" '\over.bmp' 0 0
rm "$CD/autorun.inf"
expect_error "missing autorun.inf" 'autorun\.inf: '
inf '\nothing.ico'
expect_error "missing icon" 'nothing\.ico: the icon'
inf
echo "this is no picture" >"$CD/over.bmp"
expect_error "broken rollover" 'over\.bmp: the rollover picture of spot 1'
convert -size 16x16 xc:red "BMP3:$CD/over.bmp"
menu "T" '\gone.jpg' "" 1
spot "" 7 "" '\over.bmp' 0 0
expect_error "missing background" 'gone\.jpg: the background picture'
menu "T" '\back.bmp' '\splash.gif' 1
spot "" 7 "" '\over.bmp' 0 0
expect_error "missing splash" 'splash\.gif: the splash picture'
menu "T" '\back.bmp' "" 1
spot "" 7 "" '\over.bmp' 0 0 "" "" '\arrow.cur'
expect_error "missing cursor" 'arrow\.cur: the mouse pointer of spot 1'
echo "every stopping failure shows one message and ends cleanly"
