#!/usr/bin/env bash
# The video rectangle of the placement window sized by the mouse on its own thick frame in the real
# editor: the rectangle on screen, the boxes and what Finish gives the spot editor agree, for the right
# edge and for the left one.
. "$(dirname "$0")/placement_lib.sh"
# pull X Y DX: presses at X,Y, moves DX pixels sideways in steps, releases.
pull() {
  xdotool mousemove "$1" "$2"; sleep 0.3
  xdotool mousedown 1; sleep 0.2
  for step in 1 2 3 4 5; do xdotool mousemove $(($1 + $3 * step / 5)) "$2"; sleep 0.15; done
  xdotool mouseup 1; sleep 0.5
}

# The demo's intros lie on its Extras page: its start page's spot 4 becomes one that plays the intro at
# 4500, 2250, 4500 by 3375 twips (lines 52, 53 and 60 to 63 of the project: action, target, rectangle).
sed -i '52s/.*/ 5 \r/; 53s/.*/imgmusic\\intro.avi\r/; 60s/.*/ 4500 \r/; 61s/.*/ 2250 \r/; 62s/.*/ 4500 \r/; 63s/.*/ 3375 \r/' \
  "$TMP/cd/demo.obm"
open_placement 4 "&Locate"
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
close_editor
echo "a rectangle sized by its frame shows, tells and stores one size"
