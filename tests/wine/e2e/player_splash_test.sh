#!/usr/bin/env bash
# Menu mode with a splash picture: the splash shows centred on the screen while no menu window exists,
# then gives way to the menu window; the CD's icon from autorun.inf does not stop the menu. The splash is a
# PNG oval whose clear corners show what lies beneath (the bare screen), not a grey square.
. "$(dirname "$0")/player_lib.sh"
convert -size 200x100 xc:none -fill '#C03080' -draw 'ellipse 100,50 100,50 0,360' "PNG32:$CD/splash.png"
convert -size 320x240 xc:'#3060C0' "BMP3:$CD/back.bmp"
convert -size 40x20 xc:'#FF0000' "BMP3:$CD/over.bmp"
mkdir -p "$CD/imgmusic"
convert -size 32x32 xc:'#00A000' "$CD/imgmusic/cd.ico"
menu "After splash" '\back.bmp' '\splash.png' 1
spot "" 7 "" '\over.bmp' 0 0
inf '\imgmusic\cd.ico'
start_player
for ((i = 0; i < 200; i++)); do
  [ "$(pixel "$(screenshot player_splash)" 512 384)" = "srgb(192,48,128)" ] && break
  sleep 0.1
done
expect_pixel "$ORB_ARTIFACTS/player_splash.png" 422 384 "srgb(192,48,128)" "the splash's left edge"
expect_pixel "$ORB_ARTIFACTS/player_splash.png" 413 335 "srgb(0,0,0)" "the splash's clear top-left corner"
expect_pixel "$ORB_ARTIFACTS/player_splash.png" 411 333 "srgb(0,0,0)" "just outside the splash"
wintool gone "After splash" 100 || fail "the menu window exists while the splash shows"
wintool wait "After splash" 15000 >/dev/null || fail "the menu did not follow the splash"
sleep 0.5
shot=$(screenshot player_after_splash)
[ "$(pixel "$shot" 512 384)" != "srgb(192,48,128)" ] || fail "the splash stayed after the menu came"
stop_player "After splash"
[ "$(cat "$TMP/rc" 2>/dev/null)" = 0 ] || fail "the player did not end cleanly"
no_crash
echo "splash leads to the menu"
