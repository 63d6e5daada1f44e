#!/usr/bin/env bash
# The bundled demo, made into a CD root by orbmenu-cli make-cd, plays in the real player: the menu window
# opens at the background's size, and a spot lights up under the mouse.
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

wintool close "Orbmenu Demo"
wait $pid || fail "$player exited with $?"
echo "the demo CD plays: menu at background size, rollover shown"
