#!/usr/bin/env bash
# The placement window in the real editor at 96, 120 and 144 DPI: its buttons and boxes grow with the
# display's DPI, every caption shows whole, the rollover picture keeps its picture pixels, and the window
# stays on the screen.
. "$(dirname "$0")/lib.sh"
editor_pid=
wt() { wintool "$@" | tr -d '\r'; }
set_dpi() { run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
trap '[ -n "$editor_pid" ] && { wt close "$title"; kill "$editor_pid"; } >/dev/null 2>&1; set_dpi 96; rm -rf "$TMP"' EXIT
child_rect() { wt text "$1" | awk -F'|' -v c="$2" -v t="${3:-}" '$1==c && (t=="" || $2==t) {print $3; exit}'; }

mkdir -p "$TMP/app"
cp "$ORB_EDITOR" "$TMP/app/Orbmenu.exe"
cp "$ORB_PLAYER" "$TMP/app/Orbstart.exe"
project_win=$(demo_root "$TMP/cd")
title="Orbmenu v2.0 - ($project_win)"
spot_editor="Menu Spot Details"
placement="Please drag the image or use the arrows to drag it to  the desired area."
picture_size=
for dpi in 96 120 144; do
  set_dpi $dpi
  run reg delete 'HKCU\Software\OBM' /f >/dev/null 2>&1 || true
  ( cd "$TMP/app" && run ./Orbmenu.exe "$project_win" ) & editor_pid=$!
  wt msgbox 30000 >/dev/null || fail "$dpi DPI: no message after the start-up load"
  wt wait "$title" 10000 >/dev/null || fail "$dpi DPI: the editor did not show the project"
  sleep 1
  wt select "$title" "#148" 1 || fail "$dpi DPI: could not select the first spot"
  wt click "$title" "#150" || fail "$dpi DPI: no Edit button"
  wt wait "$spot_editor" 10000 >/dev/null || fail "$dpi DPI: the spot editor did not open"
  wt click "$spot_editor" "L&ocate" || fail "$dpi DPI: no Locate button"
  rect=$(wt wait "$placement" 10000) || fail "$dpi DPI: the placement window did not open"
  sleep 1
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
  click_to_close "$spot_editor" "Cancel" || fail "$dpi DPI: Cancel left the spot editor open"
  wt close "$title"
  wait "$editor_pid" || fail "$dpi DPI: Orbmenu.exe exited with $?"
  editor_pid=
done
echo "the placement window's controls follow the DPI and its picture keeps its pixels"
