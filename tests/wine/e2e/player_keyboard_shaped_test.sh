#!/usr/bin/env bash
# The borderless, shaped menu takes the same keys: it has the focus when it appears, Tab lights its spot
# with the focus mark, Space on a Do Nothing spot leaves it open, and Escape closes it as its close box does.
. "$(dirname "$0")/player_lib.sh"
convert -size 200x150 xc:'#FF00FF' -fill '#FFFFFF' -draw 'rectangle 20,20 179,129' "BMP3:$CD/back.bmp"
convert -size 40x20 xc:'#0000FF' "BMP3:$CD/over.bmp"
menu "Keys?" '\back.bmp' "" 1
spot "Nothing" 7 "" '\over.bmp' 900 750
inf
xdotool mousemove 0 0
start_player
rect=$(wintool wait "Autorun Menu" 20000 | tr -d '\r') || fail "the shaped menu did not appear"
IFS=, read -r wx wy _ _ <<<"$rect"
# The menu took the keyboard focus (as its own thread sees it); then X's focus is made to follow, which
# Wine's unmanaged windows do not always do by themselves.
run "$(dirname "$ORB_WINTOOL")/msaatool.exe" children "Autorun Menu" | tr -d '\r' |
  grep -q '^0|Autorun Menu|client|.*|focusable focused|$' || fail "the shaped menu did not take the focus"
xdotool search --name '^Autorun Menu$' | head -1 | xargs xdotool windowfocus
sleep 0.5
xdotool key Tab; sleep 0.8
shot=$(screenshot player_keyboard_shaped)
expect_pixel "$shot" $((wx + 80)) $((wy + 60)) "srgb(0,0,255)" "Tab: rollover of the spot"
pair="$(pixel "$shot" $((wx + 70)) $((wy + 50))) $(pixel "$shot" $((wx + 71)) $((wy + 50)))"
[ "$pair" = "srgb(0,0,0) srgb(255,255,255)" ] || [ "$pair" = "srgb(255,255,255) srgb(0,0,0)" ] ||
  fail "Tab: no focus mark on the spot's edge ($pair)"
xdotool key space
! player_ended 1 || fail "Space on a Do Nothing spot ended the player"
xdotool key Escape
player_ended 10 || fail "Escape did not close the shaped menu"
[ "$(cat "$TMP/rc")" = 0 ] || fail "the player ended with $(cat "$TMP/rc")"
no_crash
echo "shaped menu: the same keys work"
