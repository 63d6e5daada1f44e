#!/usr/bin/env bash
# PNG pictures with alpha in the player: a rollover's clear and half-clear pixels show the background
# through them (blended), a framed menu's clear background pixels show the window colour, and a shaped
# menu cuts a background's clear pixels out of its outline.
. "$(dirname "$0")/player_lib.sh"
# near FILE X Y R G B WHAT: the pixel is within 3 of R, G, B in every channel (blending rounds).
near() {
  local got r g b
  got=$(pixel "$1" "$2" "$3")
  IFS=, read -r r g b <<<"$(sed 's/srgb(\(.*\))/\1/' <<<"$got")"
  for d in $((r - $4)) $((g - $5)) $((b - $6)); do
    [ "${d#-}" -le 3 ] || fail "$7: pixel $2,$3 is $got, expected about srgb($4,$5,$6)"
  done
}
# A framed menu's clear background pixels show the window colour: a colour of its own for this run.
face=$(run reg query 'HKCU\Control Panel\Colors' /v ButtonFace 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
set_face() { run reg add 'HKCU\Control Panel\Colors' /v ButtonFace /d "$1" /f >/dev/null 2>&1; }
trap '[ -n "${PLAYER_PID:-}" ] && [ ! -f "$TMP/rc" ] && kill_tree "$PLAYER_PID"; set_face "${face:-240 240 240}"; rm -rf "$TMP"' EXIT
set_face "10 200 30"
convert -size 320x240 xc:'#3060C0' -alpha set -region 20x240+300+0 -alpha transparent +region "PNG32:$CD/back.png"
# Left third clear, middle third red at half alpha, right third opaque red.
convert -size 90x30 xc:'#FF0000' -alpha set -region 30x30+0+0 -alpha transparent +region \
  -region 30x30+30+0 -channel A -evaluate set 50% +channel +region "PNG32:$CD/over.png"
menu "Alpha" '\back.png' "" 1
spot "" 7 "" '\over.png' 1500 1500
inf
start_player
wintool wait "Alpha" 20000 >/dev/null || fail "the menu window did not appear"
IFS=, read -r sx sy sw sh <<<"$(spot_rect "Alpha" 1)"
[ "$sw,$sh" = "90,30" ] || fail "the spot is ${sw}x$sh, not its rollover's 90x30"
xdotool mousemove $((sx + 80)) $((sy + 15)); sleep 0.3; xdotool mousemove $((sx + 81)) $((sy + 16)); sleep 0.8
shot=$(screenshot player_alpha)
expect_pixel "$shot" $((sx + 80)) $((sy + 15)) "srgb(255,0,0)" "opaque third of the rollover"
expect_pixel "$shot" $((sx + 10)) $((sy + 15)) "srgb(48,96,192)" "clear third of the rollover"
near "$shot" $((sx + 45)) $((sy + 15)) 152 48 96 "half-clear third blended over the background"
# The spot sits at picture pixel (100, 100).
expect_pixel "$shot" $((sx + 210)) $((sy + 10)) "srgb(10,200,30)" "clear strip of the background (window colour)"
stop_player "Alpha"

# Shaped: the clear surround of a yellow block goes.
convert -size 200x150 xc:none -fill '#FFFF00' -draw 'rectangle 40,30 159,119' "PNG32:$CD/shape.png"
convert -size 20x20 xc:'#0000FF' "BMP3:$CD/small.bmp"
menu "Alpha?" '\shape.png' "" 1
spot "" 7 "" '\small.bmp' 1800 1500
inf
start_player
rect=$(wintool wait "Autorun Menu" 20000 | tr -d '\r') || fail "the shaped menu did not appear"
IFS=, read -r wx wy ww wh <<<"$rect"
[ "$ww,$wh" = "200,150" ] || fail "the shaped window is ${ww}x$wh, not the picture's 200x150"
xdotool mousemove $((wx + 150)) $((wy + 100)); sleep 0.3; xdotool mousemove $((wx + 151)) $((wy + 101)); sleep 0.8
shot=$(screenshot player_alpha_shaped)
expect_pixel "$shot" $((wx + 100)) $((wy + 100)) "srgb(255,255,0)" "opaque part of the shaped background"
# The desktop of the display is black, the window colour is not: a clear pixel painted would not be black.
expect_pixel "$shot" $((wx + 10)) $((wy + 10)) "srgb(0,0,0)" "clear corner cut out (the desktop)"
expect_pixel "$shot" $((wx + 190)) $((wy + 140)) "srgb(0,0,0)" "clear corner cut out (the desktop)"
stop_player "Autorun Menu"
no_crash
echo "PNG rollovers blend over the background and clear background pixels are cut out of a shaped menu"
