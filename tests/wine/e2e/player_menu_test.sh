#!/usr/bin/env bash
# The framed menu on a real CD root: the background shows, a spot shows its rollover under the pointer and
# loses it on the background, the tooltip's spot stays in place, and an Exit Menu spot ends the player.
. "$(dirname "$0")/player_lib.sh"
convert -size 320x240 xc:'#3060C0' -fill '#FFFF00' -draw 'rectangle 100,100 199,149' "BMP3:$CD/back.bmp"
convert -size 80x40 xc:'#FF0000' "BMP3:$CD/over1.bmp"
# A PNG rollover whose left half is fully transparent: the background must show through it.
convert -size 60x30 xc:'#00FF00' -alpha set -region 30x30+0+0 -alpha transparent "PNG32:$CD/over2.png"
menu " My CD " '\back.bmp' "" 2
spot "First spot" 7 "" '\over1.bmp' 300 300
spot "Leave" 6 "" '\over2.png' 3000 2250
inf
start_player
wintool wait "My CD" 20000 >/dev/null || fail "the menu window did not appear"
# Spot 1 sits at picture pixel (20, 20): that fixes the client area's origin on the screen.
IFS=, read -r sx sy sw sh <<<"$(spot_rect "My CD" 1)"
[ "$sw,$sh" = "80,40" ] || fail "spot 1 is ${sw}x$sh, not the size of its rollover picture"
ox=$((sx - 20)) oy=$((sy - 20))
IFS=, read -r tx ty tw th <<<"$(spot_rect "My CD" 2)"
[ "$((tx - ox)),$((ty - oy)),$tw,$th" = "200,150,60,30" ] || fail "spot 2 is at $tx,$ty ${tw}x$th"

xdotool mousemove $((ox + 250)) $((oy + 200)); sleep 0.3; xdotool mousemove $((ox + 251)) $((oy + 201)); sleep 0.8
shot=$(screenshot player_menu)
expect_pixel "$shot" $((ox + 5)) $((oy + 5)) "srgb(48,96,192)" "background"
expect_pixel "$shot" $((ox + 150)) $((oy + 120)) "srgb(255,255,0)" "background"
expect_pixel "$shot" $((ox + 40)) $((oy + 30)) "srgb(48,96,192)" "spot 1 before the pointer came"
expect_pixel "$shot" $((ox + 319)) $((oy + 239)) "srgb(48,96,192)" "the client area's last pixel"

xdotool mousemove $((ox + 40)) $((oy + 30)); sleep 0.3; xdotool mousemove $((ox + 41)) $((oy + 31)); sleep 0.8
shot=$(screenshot player_menu_hover)
expect_pixel "$shot" $((ox + 40)) $((oy + 30)) "srgb(255,0,0)" "rollover of spot 1"
expect_pixel "$shot" $((ox + 99)) $((oy + 59)) "srgb(255,0,0)" "rollover of spot 1"
expect_pixel "$shot" $((ox + 100)) $((oy + 60)) "srgb(48,96,192)" "just outside spot 1"

xdotool mousemove $((ox + 250)) $((oy + 20)); sleep 0.3; xdotool mousemove $((ox + 251)) $((oy + 21)); sleep 0.8
shot=$(screenshot player_menu_left)
expect_pixel "$shot" $((ox + 40)) $((oy + 30)) "srgb(48,96,192)" "spot 1 after the pointer left"

xdotool mousemove $((ox + 245)) $((oy + 160)); sleep 0.3; xdotool mousemove $((ox + 246)) $((oy + 161)); sleep 0.8
shot=$(screenshot player_menu_png)
expect_pixel "$shot" $((ox + 245)) $((oy + 160)) "srgb(0,255,0)" "opaque half of the PNG rollover"
expect_pixel "$shot" $((ox + 210)) $((oy + 160)) "srgb(48,96,192)" "transparent half of the PNG rollover"

xdotool click 1
player_ended 10 || { fail "an Exit Menu click did not end the player"; }
[ "$(cat "$TMP/rc")" = 0 ] || fail "the player ended with $(cat "$TMP/rc")"
no_crash
echo "framed menu: background, rollovers and Exit Menu work"
