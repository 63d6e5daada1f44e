#!/usr/bin/env bash
# The demo CD for a keyboard-only user and a screen reader: on both pages the reader finds every spot by
# name, role and place and Tab reaches each in turn, and the keys run them: the web site opens, Extras
# turns to its page (titled as the page, focus on its first spot), the intro plays in its frame there,
# Back returns to the start page, Exit ends the player. (Read Me and Browse CD open a text file and a folder window; their shell
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
title="Orbmenu Demo" extras="Orbmenu Demo - Extras"
wintool wait "$title" 30000 >/dev/null || fail "the demo's menu window did not appear"
start_names=("" "Read about this CD" "Visit the web site" "Look at the files on this CD"
  "The intro video, three ways" "Close the menu")
extras_names=("" "Play the intro video" "Play the intro as MP4 \(Media Foundation\)"
  "Play the intro as WMV \(Media Foundation\)" "Back to the start page")
# children TITLE NAME...: the reader's view of the page titled TITLE, checked against its spot windows and
# the names (a regular expression each, spot 1 first); the focused child's number in $focused.
children() {
  local page=$1 all n x y w h
  shift
  all=$(msaa children "$page" | tr -d '\r') || fail "the reader client could not read the menu ($page)"
  grep -q "^children $#$" <<<"$all" || fail "the reader sees on $page: $all"
  for ((n = 1; n <= $#; n++)); do
    IFS=, read -r x y w h <<<"$(spot_rect "$page" $n)"
    grep -qE "^$n\|${!n}\|push button\|$x,$y,$w,$h\|focusable( focused)?\|Press$" <<<"$all" ||
      fail "child $n of $page as read: $all"
  done
  focused=$(grep -E '\|focusable focused\|Press$' <<<"$all" | cut -d'|' -f1 | tr '\n' ' ' || true)
}
# turned TITLE: waits for the menu window to carry the page's title.
turned() { wintool wait "$1" 5000 >/dev/null || fail "the menu did not turn to the page \"$1\""; }
start() { children "$title" "${start_names[@]:1}"; }
extra() { children "$extras" "${extras_names[@]:1}"; }
start
[ -z "$focused" ] || fail "a spot had the focus before any key: $focused"
xdotool search --name "^$title\$" | head -1 | xargs xdotool windowfocus
sleep 0.3
for n in 1 2 3 4 5; do
  xdotool key Tab; sleep 0.4
  start
  [ "$focused" = "$n " ] || fail "Tab number $n focused '$focused'"
done

: >"$browser_log"
xdotool key Home Tab Return
for _ in $(seq 100); do grep -q example "$browser_log" && break; sleep 0.1; done
grep -qx 'http://www.example.com/' "$browser_log" || fail "Enter on Web Site opened: $(cat "$browser_log")"

# From Exit the arrows go by place: up the column to Extras, whose Enter turns the page.
xdotool key End Up; sleep 0.4
start
[ "$focused" = "4 " ] || fail "Up from Exit focused '$focused'"
xdotool key Return
turned "$extras"
sleep 0.4
extra
[ "$focused" = "1 " ] || fail "the Extras page began with '$focused' focused, not its first spot"
for n in 2 3 4; do
  xdotool key Tab; sleep 0.4
  extra
  [ "$focused" = "$n " ] || fail "Tab number $n on the Extras page focused '$focused'"
done

# The intro plays in its frame (300,150 300x225 on the background), over what the background showed.
IFS=, read -r sx sy _ _ <<<"$(spot_rect "$extras" 1)"
ox=$((sx - 40)) oy=$((sy - 140))
before=$(pixel "$(screenshot player_demo_access_before)" $((ox + 450)) $((oy + 262)))
xdotool key Home Return
sleep 1.5
after=$(pixel "$(screenshot player_demo_access_video)" $((ox + 450)) $((oy + 262)))
[ "$before" != "$after" ] || fail "Enter on Watch Intro showed no video frame ($after)"

# Back (the last spot) returns to the start page, its first spot focused; from there Exit ends the player.
xdotool key End Return
turned "$title"
sleep 0.4
start
[ "$focused" = "1 " ] || fail "back on the start page '$focused' was focused, not its first spot"
xdotool key End Return
player_ended 10 || fail "Enter on Exit did not end the player"
[ "$(cat "$TMP/rc")" = 0 ] || fail "the player ended with $(cat "$TMP/rc")"
no_crash
echo "demo CD: every spot of both pages found by the reader and reached and run by the keys"
