#!/usr/bin/env bash
# Menu coordinates are twips of the background picture, 15 to a picture pixel, at any display DPI: at 96,
# 120 and 144 DPI spot 1 covers exactly the marker painted on the background at its picture pixels, and
# the client area holds exactly the picture. The player declares itself DPI-unaware, so where Windows
# scales, it scales the whole menu alike.
. "$(dirname "$0")/player_lib.sh"
set_dpi() { run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
trap '[ -n "${PLAYER_PID:-}" ] && [ ! -f "$TMP/rc" ] && kill_tree "$PLAYER_PID"; set_dpi 96; rm -rf "$TMP"' EXIT
# Marker at picture pixels (20, 20) to (99, 59): where a spot at 300, 300 twips with an 80x40 rollover sits.
convert -size 320x240 xc:'#3060C0' -fill '#FFFF00' -draw 'rectangle 20,20 99,59' -fill '#00FF00' \
  -draw 'point 319,239' "BMP3:$CD/back.bmp"
convert -size 80x40 xc:'#FF0000' "BMP3:$CD/over.bmp"
menu "Dpi" '\back.bmp' "" 1
spot "" 7 "" '\over.bmp' 300 300
inf
for dpi in 96 120 144; do
  set_dpi $dpi
  start_player
  wintool wait "Dpi" 20000 >/dev/null || fail "$dpi DPI: the menu did not appear"
  IFS=, read -r sx sy sw sh <<<"$(spot_rect "Dpi" 1)"
  shot=$(screenshot "player_dpi_$dpi")
  expect_pixel "$shot" "$sx" "$sy" "srgb(255,255,0)" "$dpi DPI: spot's top-left on the marker"
  expect_pixel "$shot" $((sx + sw - 1)) $((sy + sh - 1)) "srgb(255,255,0)" "$dpi DPI: spot's bottom-right"
  expect_pixel "$shot" $((sx - 1)) $((sy - 1)) "srgb(48,96,192)" "$dpi DPI: just outside the marker"
  expect_pixel "$shot" $((sx + sw)) $((sy + sh)) "srgb(48,96,192)" "$dpi DPI: just outside the marker"
  # The picture's last pixel is the client area's last pixel.
  ox=$((sx - 20 * sw / 80)) oy=$((sy - 20 * sh / 40))
  expect_pixel "$shot" $((ox + 319 * sw / 80)) $((oy + 239 * sh / 40)) "srgb(0,255,0)" "$dpi DPI: picture's corner"
  stop_player "Dpi"
done
echo "spots sit on their picture pixels at 96, 120 and 144 DPI"
