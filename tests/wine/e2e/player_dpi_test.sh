#!/usr/bin/env bash
# The player at the display's DPI (96, 120, 144, 192): menu coordinates are twips of the background picture,
# 15 to a picture pixel at 96 DPI, and the menu is drawn s = DPI / 96 times as large in physical pixels.
# Spot 1 covers exactly the marker painted at its picture pixels, the client area holds exactly the scaled
# picture, the spot lights up to its last physical pixel and not one beyond, screen readers are told the
# spot's rectangle as drawn, a one-pixel checkerboard in a @2x twin is drawn unblurred at 192 DPI, a picture
# without a twin is blended where it is scaled by 1.5, and a shaped menu's outline is cut at 144 DPI.
. "$(dirname "$0")/player_lib.sh"
set_dpi() { run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
msaa() { run "$(dirname "$ORB_WINTOOL")/msaatool.exe" "$@"; }
trap '[ -n "${PLAYER_PID:-}" ] && [ ! -f "$TMP/rc" ] && kill_tree "$PLAYER_PID"; set_dpi 96; rm -rf "$TMP"' EXIT
# hover X Y: puts the pointer at screen X,Y (by way of a neighbour, so that the move is one the player sees).
hover() { xdotool mousemove $(($1 + 3)) $(($2 + 3)); sleep 0.3; xdotool mousemove "$1" "$2"; sleep 0.8; }
# Marker at picture pixels (20, 20) to (99, 59): where a spot at 300, 300 twips with an 80x40 rollover sits.
convert -size 320x240 xc:'#3060C0' -fill '#FFFF00' -draw 'rectangle 20,20 99,59' -fill '#00FF00' \
  -draw 'point 319,239' \( -size 20x20 pattern:gray50 -monochrome \) -geometry +200+150 -composite "BMP3:$CD/back.bmp"
convert -size 80x40 xc:'#FF0000' "BMP3:$CD/over.bmp"
# The rollover's twin: a one-pixel black and white checkerboard, seen as it is only where drawn 1:1.
convert -size 160x80 pattern:gray50 -monochrome "BMP3:$CD/over@2x.bmp"
# A shaped menu: magenta key with a white square inset by 10 picture pixels.
convert -size 100x80 xc:'#FF00FF' -fill '#FFFFFF' -draw 'rectangle 10,10 89,69' "BMP3:$CD/shape.bmp"
inf
for dpi in 96 120 144 192; do
  menu "Dpi" '\back.bmp' "" 1
  spot "" 7 "" '\over.bmp' 300 300
  set_dpi $dpi
  xdotool mousemove 0 0
  start_player
  wintool wait "Dpi" 20000 >/dev/null || fail "$dpi DPI: the menu did not appear"
  IFS=, read -r sx sy sw sh <<<"$(spot_rect "Dpi" 1)"
  [ "$sw,$sh" = "$((80 * dpi / 96)),$((40 * dpi / 96))" ] || fail "$dpi DPI: the spot is ${sw}x$sh"
  shot=$(screenshot "player_dpi_$dpi")
  expect_pixel "$shot" "$sx" "$sy" "srgb(255,255,0)" "$dpi DPI: spot's top-left on the marker"
  expect_pixel "$shot" $((sx + sw - 1)) $((sy + sh - 1)) "srgb(255,255,0)" "$dpi DPI: spot's bottom-right"
  expect_pixel "$shot" $((sx - 1)) $((sy - 1)) "srgb(48,96,192)" "$dpi DPI: just outside the marker"
  expect_pixel "$shot" $((sx + sw)) $((sy + sh)) "srgb(48,96,192)" "$dpi DPI: just outside the marker"
  # The picture's last pixel is the client area's last pixel, and the next one is the frame.
  ox=$((sx - 20 * sw / 80)) oy=$((sy - 20 * sh / 40))
  cw=$((320 * dpi / 96)) ch=$((240 * dpi / 96))
  expect_pixel "$shot" $((ox + cw - 1)) $((oy + ch - 1)) "srgb(0,255,0)" "$dpi DPI: picture's corner"
  [ "$(pixel "$shot" $((ox + cw)) $((oy + ch - 1)))" != "srgb(0,255,0)" ] || fail "$dpi DPI: client wider than the picture"
  # The background has no twin: at 1.5 times a physical pixel straddling a black and a white picture pixel of
  # the checkerboard at (200, 150) is their blend, not a repeated one.
  [ "$dpi" != 144 ] || expect_pixel "$shot" $((ox + 301)) $((oy + 225)) "srgb(128,128,128)" "144 DPI: the scaled picture blended"
  # Screen readers are told where the spot is drawn.
  msaa children "Dpi" | tr -d '\r' | grep -q "^1|.*|$sx,$sy,$sw,$sh|" ||
    fail "$dpi DPI: the accessible location is not $sx,$sy,$sw,$sh: $(msaa children "Dpi")"
  # Its last physical pixel lights the spot; one beyond does not.
  hover $((sx + sw - 1)) $((sy + sh - 1))
  shot=$(screenshot "player_dpi_${dpi}_lit")
  if [ "$dpi" = 192 ]; then
    pair="$(pixel "$shot" $((sx + 10)) $((sy + 10))) $(pixel "$shot" $((sx + 11)) $((sy + 10)))"
    [ "$pair" = "srgb(0,0,0) srgb(255,255,255)" ] || [ "$pair" = "srgb(255,255,255) srgb(0,0,0)" ] ||
      fail "192 DPI: the @2x twin's checkerboard is not drawn 1:1 ($pair)"
  elif [ "$dpi" = 96 ]; then
    expect_pixel "$shot" $((sx + 1)) $((sy + 1)) "srgb(255,0,0)" "96 DPI: lit at the spot's bottom-right pixel"
  else  # drawn from the twin, scaled down
    [ "$(pixel "$shot" $((sx + 1)) $((sy + 1)))" != "srgb(255,255,0)" ] || fail "$dpi DPI: not lit at the spot's bottom-right pixel"
  fi
  hover $((sx + sw)) $((sy + sh))
  expect_pixel "$(screenshot "player_dpi_${dpi}_unlit")" $((sx + 1)) $((sy + 1)) "srgb(255,255,0)" \
    "$dpi DPI: lit one pixel beyond the spot"
  stop_player "Dpi"
  if [ "$dpi" = 144 ]; then
    menu "Shape?" '\shape.bmp' "" 1
    spot "" 7 "" '\over.bmp' 300 300
    start_player
    rect=$(wintool wait "Autorun Menu" 20000 | tr -d '\r') || fail "144 DPI: the shaped menu did not appear"
    IFS=, read -r wx wy ww wh <<<"$rect"
    [ "$ww,$wh" = "150,120" ] || fail "144 DPI: the shaped window is ${ww}x$wh, not 150x120"
    # -type TrueColor: a screenshot of greys only would otherwise be stored, and read back, as grey.
    shot=$(screenshot player_dpi_144_shaped)
    convert "$shot" -type TrueColor "PNG24:$shot"
    # The key's 15 physical pixels are cut (the desktop shows), the square starts at the 16th.
    expect_pixel "$shot" $((wx + 14)) $((wy + 20)) "srgb(0,0,0)" "144 DPI: shaped corner cut"
    expect_pixel "$shot" $((wx + 15)) $((wy + 60)) "srgb(255,255,255)" "144 DPI: shaped square's edge"
    stop_player "Autorun Menu"
  fi
done
no_crash
echo "the menu is scaled to the display's DPI at 96, 120, 144 and 192"
