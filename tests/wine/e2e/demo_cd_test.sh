#!/usr/bin/env bash
# The bundled demo, made into a CD root by orbmenu-cli make-cd, plays in the real player: the menu window
# opens at the background's size, a spot lights up under the mouse, the Extras button turns the window to
# the Extras page in place, the intro plays in its box there as MP4, as WMV (both through Media Foundation)
# and as AVI (through the media interface), and Back returns to the start page.
. "$(dirname "$0")/lib.sh"
cli=$ORB_NATIVE_BIN_DIR/cli/orbmenu-cli
[ -x "$cli" ] || fail "no native orbmenu-cli in ORB_NATIVE_BIN_DIR ($ORB_NATIVE_BIN_DIR)"
cd_root=$TMP/cd
cp -r "$ORB_SOURCE_DIR/examples/demo" "$cd_root"
"$cli" make-cd "$cd_root/demo.obm" --root "$cd_root" --player "$ORB_PLAYER" --no-runtime 2>/dev/null ||
  fail "make-cd on the demo failed"
player=$(basename "$ORB_PLAYER")
[ "$player" = Orbstart.exe ] || cp "$cd_root/Orbstart.exe" "$cd_root/$player"

( cd "$cd_root" && run "./$player" ) & pid=$!
rect=$(wintool wait "Orbmenu Demo" 30000 | tr -d "\r") || { kill $pid; fail "the demo's menu window did not appear"; }
IFS=, read -r left top width height <<<"$rect"
border=$(( (width - 640) / 2 ))
[ $border -ge 0 ] && [ $border -le 20 ] && [ $((height - 480)) -ge 0 ] && [ $((height - 480)) -le 80 ] ||
  { wintool close "Orbmenu Demo"; fail "menu window is ${width}x$height, not the 640x480 background plus frame"; }
demo_menu_origin "$rect"
read -r r g b <<<"$(pixel 120 152)"
[ "$r" -lt 80 ] && [ "$b" -gt 60 ] || { screenshot demo-cd-menu >/dev/null; wintool close "Orbmenu Demo"; fail "button area is $r $g $b, not the background's blue"; }

# Over the "Read Me" spot its rollover picture (the lit, yellow button) shows.
lit=""
lit_at 120 152 50 146 && lit=yes
screenshot demo-cd-menu >/dev/null
[ -n "$lit" ] || { wintool close "Orbmenu Demo"; fail "the Read Me spot did not light up (pixel $r $g $b)"; }

# video_box NAME: the inside of the video box (300,150 300x225 on the background), saved as NAME.png.
video_box() {
  local f="$ORB_ARTIFACTS/$1.png"
  import -display "$DISPLAY" -window root -crop "296x221+$((cx + 302))+$((cy + 152))" +repage "$f"
  echo "$f"
}
# differ A B: how many pixels of two looks at the box differ.
differ() { local n; n=$(compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1 || true); printf '%.0f' "$n"; }
# play_intro LABEL MX MY: clicks the spot at MX,MY of the background, then checks that the box no longer
# shows the empty box and that its picture moves.
play_intro() {
  local first second covered moved
  click "$2" "$3"
  sleep 1.2
  first=$(video_box "demo-cd-$1-a")
  sleep 0.6
  second=$(video_box "demo-cd-$1-b")
  covered=$(differ "$empty" "$second") moved=$(differ "$first" "$second")
  # The box is 296x221 = 65416 pixels; the intro covers nearly all, and its cells move every eighth second.
  [ "$covered" -gt 40000 ] && [ "$moved" -gt 1000 ] ||
    { screenshot "demo-cd-$1" >/dev/null; wintool close "Orbmenu Demo - Extras"
      fail "the $1 intro did not play in its box ($covered pixels over the empty box, $moved moved)"; }
  echo "the $1 intro plays in its box ($covered of 65416 pixels covered, $moved moved in 0.6 s)"
  [ "$1" != MP4 ] || keep demo-intro-mp4 "$rect"
  sleep 2  # to the clip's end: the next one starts in the same box, over this one's last picture
}
# click MX MY: the pointer to MX,MY of the background, a rest, then a click.
click() {
  xdotool mousemove $((cx + $1)) $((cy + $2)); sleep 0.3; xdotool mousemove $((cx + $1 + 1)) $((cy + $2 + 1))
  sleep 0.3; xdotool click 1
}
# The Extras button (the fourth) turns the same window, where it stood, to the Extras page.
click 150 349
extras=$(wintool wait "Orbmenu Demo - Extras" 5000 | tr -d "\r") ||
  { screenshot demo-cd-extras >/dev/null; wintool close "Orbmenu Demo"; fail "Extras did not turn the page"; }
[ "$extras" = "$rect" ] ||
  { wintool close "Orbmenu Demo - Extras"; fail "the Extras page's window is at $extras, the start page's at $rect"; }
empty=$(video_box demo-cd-box)
play_intro MP4 150 225
play_intro WMV 150 287
play_intro AVI 150 163

# Back (the last button) returns to the start page: its Extras button, where the Extras page has none,
# lights up again.
click 150 411
wintool wait "Orbmenu Demo" 5000 >/dev/null ||
  { screenshot demo-cd-back >/dev/null; wintool close "Orbmenu Demo - Extras"; fail "Back did not return"; }
lit_at 150 349 50 335 || { screenshot demo-cd-back >/dev/null; wintool close "Orbmenu Demo"
  fail "back on the start page, its Extras spot did not light up (pixel $r $g $b)"; }

wintool close "Orbmenu Demo"
wait $pid || fail "$player exited with $?"
echo "the demo CD plays: menu at background size, rollover shown, Extras and Back turn the page in place," \
  "the intro as MP4, WMV and AVI"
