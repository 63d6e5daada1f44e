#!/usr/bin/env bash
# A title with a question mark gives a borderless menu shaped like its background: the top-left colour is
# cut out (the desktop shows through), the rest shows the picture, and the caption stays the design one.
. "$(dirname "$0")/player_lib.sh"
# Magenta key around a white disc with a black ring: black stays visible as the key is not black.
convert -size 200x150 xc:'#FF00FF' -fill '#FFFFFF' -stroke '#000000' -strokewidth 6 \
  -draw 'circle 100,75 100,10' "BMP3:$CD/back.bmp"
convert -size 40x20 xc:'#0000FF' "BMP3:$CD/over.bmp"
menu "Menu?" '\back.bmp' "" 1
spot "" 7 "" '\over.bmp' 1200 1050
inf
start_player
rect=$(wintool wait "Autorun Menu" 20000 | tr -d '\r') || fail "the shaped menu did not appear under its design caption"
IFS=, read -r wx wy ww wh <<<"$rect"
[ "$ww,$wh" = "200,150" ] || fail "the shaped window is ${ww}x$wh, not the picture's 200x150"
# Wherever the pointer was, put it on the picture outside the spot.
xdotool mousemove $((wx + 100)) $((wy + 30)); sleep 0.3; xdotool mousemove $((wx + 101)) $((wy + 31)); sleep 0.8
shot=$(screenshot player_shaped)
expect_pixel "$shot" $((wx + 3)) $((wy + 3)) "srgb(0,0,0)" "cut-out corner (the desktop)"
expect_pixel "$shot" $((wx + 100)) $((wy + 40)) "srgb(255,255,255)" "inside the disc"
[ "$(pixel "$shot" $((wx + 100)) $((wy + 12)))" != "srgb(255,0,255)" ] || fail "the key colour was drawn"
expect_pixel "$shot" $((wx + 100)) $((wy + 75)) "srgb(255,255,255)" "spot without pointer"
stop_player "Autorun Menu"
[ "$(cat "$TMP/rc" 2>/dev/null)" = 0 ] || fail "closing the shaped menu did not end the player cleanly"
no_crash
echo "shaped menu cuts out its key colour"
