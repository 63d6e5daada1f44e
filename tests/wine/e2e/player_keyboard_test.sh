#!/usr/bin/env bash
# The framed menu by keyboard and screen reader: real keys move a focus that shows the rollover and a
# two-colour mark, the pointer and the keys share one lit spot, a reader client reads and presses the
# spots and hears the focus move, Enter runs an Execute spot's target and Enter on Exit Menu ends the player.
. "$(dirname "$0")/player_lib.sh"
msaa() { run "$(dirname "$ORB_WINTOOL")/msaatool.exe" "$@"; }
browser_log=$(dirname "$ORB_WINE_RUN")/wine/browser.log
convert -size 320x240 xc:'#3060C0' "BMP3:$CD/back.bmp"
convert -size 80x40 xc:'#FF0000' "BMP3:$CD/over1.bmp"
convert -size 60x30 xc:'#00FF00' "BMP3:$CD/over2.bmp"
convert -size 60x30 xc:'#FFFF00' "BMP3:$CD/over3.bmp"
printf 'echo ran>ran.txt\r\n' >"$CD/run.bat"
menu " Keys CD " '\back.bmp' "" 3
spot "Run tool" 1 '\run.bat' '\over1.bmp' 300 300
spot "" 2 'http://keys.example/page' '\over2.bmp' 3000 300
spot "Leave" 6 "" '\over3.bmp' 300 2250
inf
xdotool mousemove 0 0
start_player
wintool wait "Keys CD" 20000 >/dev/null || fail "the menu window did not appear"
IFS=, read -r sx sy _ _ <<<"$(spot_rect "Keys CD" 1)"
ox=$((sx - 20)) oy=$((sy - 20))
# The menu took the keyboard focus (as its own thread sees it); then X's focus is made to follow, which
# Wine's unmanaged windows do not always do by themselves.
msaa children "Keys CD" | tr -d '\r' | grep -q '^0|Keys CD|client|.*|focusable focused|$' ||
  fail "the menu did not take the focus"
xdotool search --name '^Keys CD$' | head -1 | xargs xdotool windowfocus
sleep 0.3
blue="srgb(48,96,192)" red="srgb(255,0,0)" green="srgb(0,255,0)" yellow="srgb(255,255,0)"
# mark SHOT X Y WHAT: two neighbouring pixels of a focus mark edge, one black and one white.
mark() {
  local pair
  pair="$(pixel "$1" $((ox + $2)) $((oy + $3))) $(pixel "$1" $((ox + $2 + 1)) $((oy + $3)))"
  [ "$pair" = "srgb(0,0,0) srgb(255,255,255)" ] || [ "$pair" = "srgb(255,255,255) srgb(0,0,0)" ] ||
    fail "$4: no focus mark at $2,$3 ($pair)"
}
# keys NAME KEY...: sends the keys and takes a screenshot.
keys() { local name=$1; shift; xdotool key --delay 150 "$@"; sleep 0.8; shot=$(screenshot "$name"); }

shot=$(screenshot player_keyboard_start)
expect_pixel "$shot" $((ox + 20)) $((oy + 20)) "$blue" "spot 1 before any key (no mark yet)"
keys player_keyboard_tab Tab
expect_pixel "$shot" $((ox + 40)) $((oy + 30)) "$red" "Tab: rollover of spot 1"
mark "$shot" 20 20 "Tab: spot 1's top edge"
mark "$shot" 50 59 "Tab: spot 1's bottom edge"
keys player_keyboard_right Right
expect_pixel "$shot" $((ox + 230)) $((oy + 35)) "$green" "Right: rollover of spot 2"
mark "$shot" 230 20 "Right: spot 2's top edge"
expect_pixel "$shot" $((ox + 40)) $((oy + 30)) "$blue" "Right: spot 1 no longer lit"
expect_pixel "$shot" $((ox + 20)) $((oy + 20)) "$blue" "Right: spot 1 lost its mark"
keys player_keyboard_down Down
expect_pixel "$shot" $((ox + 50)) $((oy + 165)) "$yellow" "Down: rollover of spot 3"
expect_pixel "$shot" $((ox + 230)) $((oy + 35)) "$blue" "Down: spot 2 no longer lit"

# The pointer takes the lit spot over; Tab then goes on from there, and the resting pointer keeps nothing.
xdotool mousemove $((ox + 40)) $((oy + 30)); sleep 0.3; xdotool mousemove $((ox + 41)) $((oy + 31)); sleep 0.8
shot=$(screenshot player_keyboard_hover)
expect_pixel "$shot" $((ox + 60)) $((oy + 30)) "$red" "hover: rollover of spot 1"
expect_pixel "$shot" $((ox + 50)) $((oy + 165)) "$blue" "hover: spot 3 put out (one rollover only)"
keys player_keyboard_after_hover Tab
expect_pixel "$shot" $((ox + 230)) $((oy + 35)) "$green" "Tab after hover: spot 2 lit"
expect_pixel "$shot" $((ox + 60)) $((oy + 30)) "$blue" "Tab after hover: spot 1 put out under the pointer"
xdotool mousemove 0 0

# A screen reader's view: one push button per spot, named and placed as the spot windows are.
children=$(msaa children "Keys CD" | tr -d '\r') || fail "the reader client could not read the menu"
for n in 1 2 3; do
  IFS=, read -r x y w h <<<"$(spot_rect "Keys CD" $n)"
  names=("" "Run tool" "page" "Leave")
  grep -qxF "$n|${names[$n]}|push button|$x,$y,$w,$h|focusable$([ $n = 2 ] && echo " focused")|Press" \
    <<<"$children" || fail "child $n as read: $children"
done
grep -q "^children 3$" <<<"$children" || fail "child count: $children"
grep -q "^0|Keys CD|client|" <<<"$children" || fail "the client object: $children"

# The focus event reaches an out-of-context WinEvent hook.
rm -f "$TMP/hooked"
msaa focus "Keys CD" 10000 "Z:$TMP/hooked" >"$TMP/focus" &
hook=$!
for _ in $(seq 100); do [ -f "$TMP/hooked" ] && break; sleep 0.1; done
[ -f "$TMP/hooked" ] || fail "the reader client could not hook focus events"
xdotool key Tab
wait $hook || fail "no focus event reached the hook"
[ "$(tr -d '\r' <"$TMP/focus")" = "focus -4 3" ] || fail "focus event: $(cat "$TMP/focus")"

# The reader's default action presses the spot: the URL goes to the (logging) browser.
: >"$browser_log"
[ "$(msaa press "Keys CD" 2 | tr -d '\r')" = "press 0x00000000" ] || fail "accDoDefaultAction failed"
for _ in $(seq 100); do grep -q keys.example "$browser_log" && break; sleep 0.1; done
grep -qx 'http://keys.example/page' "$browser_log" || fail "the pressed spot opened: $(cat "$browser_log")"

# Enter on an Execute spot opens its target through the shell, in the CD's folder.
xdotool key Home Return
for _ in $(seq 100); do [ -f "$CD/ran.txt" ] && break; sleep 0.1; done
[ -f "$CD/ran.txt" ] || fail "Enter on the Execute spot did not run its target"
# The started console took the activation: come back to the menu as a user would, on its background.
sleep 0.5
xdotool mousemove $((ox + 250)) $((oy + 200)) click 1
sleep 0.5
xdotool key End Return
player_ended 10 || fail "Enter on the Exit Menu spot did not end the player"
[ "$(cat "$TMP/rc")" = 0 ] || fail "the player ended with $(cat "$TMP/rc")"
no_crash
echo "framed menu: keys, focus mark, reader client and focus events work"
