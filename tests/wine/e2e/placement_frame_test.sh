#!/usr/bin/env bash
# The video rectangle of the placement window sized by the mouse on its own thick frame in the real
# editor: the rectangle on screen, the boxes and what Finish gives the spot editor agree, for the right
# edge and for the left one.
. "$(dirname "$0")/lib.sh"
editor_pid=
wt() { wintool "$@" | tr -d '\r'; }
trap '[ -n "$editor_pid" ] && { wt close "$title"; kill "$editor_pid"; } >/dev/null 2>&1; rm -rf "$TMP"' EXIT
child_rect() { wt text "$1" | awk -F'|' -v c="$2" '$1==c {print $3; exit}'; }
field() { wt text "$1" | awk -F'|' -v n="$2" '$1=="Edit" && ++k==n {print $2; exit}'; }
# pull X Y DX: presses at X,Y, moves DX pixels sideways in steps, releases.
pull() {
  xdotool mousemove "$1" "$2"; sleep 0.3
  xdotool mousedown 1; sleep 0.2
  for step in 1 2 3 4 5; do xdotool mousemove $(($1 + $3 * step / 5)) "$2"; sleep 0.15; done
  xdotool mouseup 1; sleep 0.5
}

mkdir -p "$TMP/app"
cp "$ORB_EDITOR" "$TMP/app/Orbmenu.exe"
cp "$ORB_PLAYER" "$TMP/app/Orbstart.exe"
project_win=$(demo_root "$TMP/cd")
run reg delete 'HKCU\Software\OBM' /f >/dev/null 2>&1 || true
title="Orbmenu v2.0 - ($project_win)"
spot_editor="Menu Spot Details"
placement="Please drag the image or use the arrows to drag it to  the desired area."
( cd "$TMP/app" && run ./Orbmenu.exe "$project_win" ) & editor_pid=$!
wt msgbox 30000 >/dev/null || fail "no message after the start-up load"
wt wait "$title" 10000 >/dev/null || fail "the editor did not show the project"
sleep 1

# The demo's "Watch Intro" spot plays its video at 4500, 2250, 4500 by 3375 twips.
wt select "$title" "#148" 4 || fail "could not select the video spot"
wt click "$title" "#150" || fail "no Edit button"
wt wait "$spot_editor" 10000 >/dev/null || fail "the spot editor did not open"
wt click "$spot_editor" "&Locate" || fail "no video Locate button"
wt wait "$placement" 10000 >/dev/null || fail "the placement window did not open"
sleep 1
IFS=, read -r lx ly lw lh <<<"$(child_rect "$placement" ListBox)"
[ "$lw,$lh" = "300,225" ] || fail "the rectangle is ${lw}x$lh pixels, not 4500 by 3375 twips"

# The right edge of the frame itself (outside the list's client area), 50 pixels inwards.
pull $((lx + lw - 2)) $((ly + lh / 2)) -50
IFS=, read -r _ _ nw _ <<<"$(child_rect "$placement" ListBox)"
[ "$nw" = 250 ] || fail "pulling the right frame made the rectangle $nw pixels wide"
[ "$(field "$placement" 4)" = 3750 ] || fail "the width box shows $(field "$placement" 4) for a 3750-twip rectangle"

# The left edge, 20 pixels inwards: the left moves and the box says so.
pull $((lx + 1)) $((ly + lh / 2)) 20
IFS=, read -r mx _ mw _ <<<"$(child_rect "$placement" ListBox)"
[ $((mx - lx)),$mw = 20,230 ] || fail "pulling the left frame gave the rectangle at +$((mx - lx)), $mw wide"
[ "$(field "$placement" 1)" = 4800 ] && [ "$(field "$placement" 4)" = 3450 ] ||
  fail "the boxes show X $(field "$placement" 1), width $(field "$placement" 4), not 4800 and 3450"
keep placement-frame "$(wt wait "$placement" 1000)"

click_to_close "$placement" "&Finish" || fail "Finish left the placement window open"
got="$(field "$spot_editor" 3),$(field "$spot_editor" 4),$(field "$spot_editor" 5),$(field "$spot_editor" 6)"
[ "$got" = "4800,2250,3450,3375" ] || fail "Finish gave the spot editor $got"
click_to_close "$spot_editor" "Cancel" || fail "Cancel left the spot editor open"
wt close "$title"
wait "$editor_pid" || fail "Orbmenu.exe exited with $?"
editor_pid=
echo "a rectangle sized by its frame shows, tells and stores one size"
