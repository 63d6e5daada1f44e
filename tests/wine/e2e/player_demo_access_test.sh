#!/usr/bin/env bash
# The demo CD for a keyboard-only user and a screen reader: the reader finds every spot by name, role and
# place, Tab reaches each in turn, and the keys run them: the web site opens, the intro plays in its
# frame, Exit ends the player. (Read Me and Browse CD open a text file and a folder window; their shell
# calls are the ones the keys make for every spot, and this prefix has no viewer that would show them.)
. "$(dirname "$0")/player_lib.sh"
msaa() { run "$(dirname "$ORB_WINTOOL")/msaatool.exe" "$@"; }
browser_log=$(dirname "$ORB_WINE_RUN")/wine/browser.log
cli=$ORB_NATIVE_BIN_DIR/cli/orbmenu-cli
[ -x "$cli" ] || fail "no native orbmenu-cli in ORB_NATIVE_BIN_DIR ($ORB_NATIVE_BIN_DIR)"
rm -rf "$CD"
cp -r "$ORB_SOURCE_DIR/examples/demo" "$CD"
"$cli" make-cd "$CD/demo.obm" --root "$CD" --player "$ORB_PLAYER" --no-runtime 2>/dev/null ||
  fail "make-cd on the demo failed"
xdotool mousemove 0 0
start_player
title="Orbmenu Demo"
wintool wait "$title" 30000 >/dev/null || fail "the demo's menu window did not appear"
names=("" "Read about this CD" "Visit the web site" "Look at the files on this CD" "Play the intro video"
  "Close the menu" "Play the intro as MP4 \(Media Foundation\)" "Play the intro as WMV \(Media Foundation\)")
# children: the reader's view, checked against the spot windows; the focused child's number in $focused.
children() {
  local all n x y w h
  all=$(msaa children "$title" | tr -d '\r') || fail "the reader client could not read the menu"
  grep -q "^children 7$" <<<"$all" || fail "the reader sees: $all"
  for n in 1 2 3 4 5 6 7; do
    IFS=, read -r x y w h <<<"$(spot_rect "$title" $n)"
    grep -qE "^$n\|${names[$n]}\|push button\|$x,$y,$w,$h\|focusable( focused)?\|Press$" <<<"$all" ||
      fail "child $n as read: $all"
  done
  focused=$(grep -E '\|focusable focused\|Press$' <<<"$all" | cut -d'|' -f1 | tr '\n' ' ' || true)
}
children
[ -z "$focused" ] || fail "a spot had the focus before any key: $focused"
xdotool search --name "^$title\$" | head -1 | xargs xdotool windowfocus
sleep 0.3
for n in 1 2 3 4 5 6 7; do
  xdotool key Tab; sleep 0.4
  children
  [ "$focused" = "$n " ] || fail "Tab number $n focused '$focused'"
done

: >"$browser_log"
xdotool key Home Tab Return
for _ in $(seq 100); do grep -q example "$browser_log" && break; sleep 0.1; done
grep -qx 'http://www.example.com/' "$browser_log" || fail "Enter on Web Site opened: $(cat "$browser_log")"

# The intro plays in its frame (300,150 300x225 on the background), over what the background showed.
IFS=, read -r sx sy _ _ <<<"$(spot_rect "$title" 1)"
ox=$((sx - 40)) oy=$((sy - 140))
before=$(pixel "$(screenshot player_demo_access_before)" $((ox + 450)) $((oy + 262)))
xdotool key Home Tab Tab Tab Return
sleep 1.5
after=$(pixel "$(screenshot player_demo_access_video)" $((ox + 450)) $((oy + 262)))
[ "$before" != "$after" ] || fail "Enter on Watch Intro showed no video frame ($after)"

# From the last spot, the arrows go by place: Intro WMV, Intro MP4, then Exit on the left.
xdotool key End Left Left Return
player_ended 10 || fail "Enter on Exit did not end the player"
[ "$(cat "$TMP/rc")" = 0 ] || fail "the player ended with $(cat "$TMP/rc")"
no_crash
echo "demo CD: every spot found by the reader and reached and run by the keys"
