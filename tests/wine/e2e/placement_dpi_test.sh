#!/usr/bin/env bash
# The placement window in the real editor at 96, 120 and 144 DPI: its buttons and boxes grow with the
# display's DPI, every caption shows whole, the rollover picture keeps its picture pixels, and the window
# stays on the screen.
. "$(dirname "$0")/placement_lib.sh"
set_dpi() { run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
trap '[ -n "$editor_pid" ] && { wt close "$title"; kill "$editor_pid"; } >/dev/null 2>&1; set_dpi 96; rm -rf "$TMP"' EXIT
picture_size=
for dpi in 96 120 144; do
  set_dpi $dpi
  open_placement 1 "L&ocate"
  rect=$placement_rect
  IFS=, read -r x y w h <<<"$rect"
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1024 ] && [ $((y + h)) -le 768 ] ||
    fail "$dpi DPI: the placement window at $rect leaves the 1024x768 screen"
  IFS=, read -r _ _ bw bh <<<"$(child_rect "$placement" Button "&Start Preview")"
  # 1500 by 495 twips at the display's DPI.
  [ "$bw,$bh" = "$(((1500 * dpi + 720) / 1440)),$(((495 * dpi + 720) / 1440))" ] ||
    fail "$dpi DPI: Start Preview is ${bw}x$bh"
  IFS=, read -r _ _ ew _ <<<"$(child_rect "$placement" Edit)"
  [ "$ew" = $(((2400 * dpi + 720) / 1440 - (1500 * dpi + 720) / 1440)) ] || fail "$dpi DPI: the X box is $ew wide"
  IFS=, read -r _ _ pw ph <<<"$(child_rect "$placement" OrbLocatePicture)"
  [ -z "$picture_size" ] && picture_size="$pw,$ph"
  [ "$pw,$ph" = "$picture_size" ] || fail "$dpi DPI: the rollover is ${pw}x$ph, at 96 DPI $picture_size"
  keep "placement-dpi-$dpi" "$rect"
  # Every caption whole, measured in a process of its own with the controls' own fonts.
  run "$(dirname "$ORB_WINTOOL")/win_editor_tests.exe" --gtest_filter=PlacementWindow.NoCaptionIsCutAtTheDisplayDpi \
    >"$TMP/captions.log" 2>&1 || { cat "$TMP/captions.log"; fail "$dpi DPI: a caption of the placement window is cut"; }
  click_to_close "$placement" "Cancel" || fail "$dpi DPI: Cancel left the placement window open"
  close_editor
done
echo "the placement window's controls follow the DPI and its picture keeps its pixels"
