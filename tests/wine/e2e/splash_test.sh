#!/usr/bin/env bash
# The editor starts with its splash: shaped like its picture (no rectangle around it; the desktop shows
# through the cut-out colour, the disc's hole included), alone on screen for about two seconds, then the
# main window appears and the splash is gone.
. "$(dirname "$0")/lib.sh"
cp "$ORB_EDITOR" "$TMP/"
# A failed check must not leave the editor running (ctest would wait for it); the clean-up itself never fails.
trap '{ wintool close "Orbmenu v2.0"; } >/dev/null 2>&1 || true; rm -rf "$TMP"' EXIT
before=$(screenshot splash_before)
( cd "$TMP" && run "./$(basename "$ORB_EDITOR")" ) & pid=$!
rect=$(wintool wait "Orbmenu" 20000) || fail "the splash did not appear"
shot=$(screenshot splash_shown)
IFS=, read -r x y w h <<<"$(echo "$rect" | tr -d '\r')"
[ "$w,$h" = "355,124" ] || fail "the splash is ${w}x${h}, not 355x124"
pixel() { convert "$1" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:; }
# Points of the picture in splash coordinates: corners and the disc's hole are cut out; band and disc are not.
# The main window, centred and larger, would show through the holes if it were already visible.
for point in 0,0 354,0 0,123 354,123 62,62 20,110; do
  px=$((x + ${point%,*})) py=$((y + ${point#*,}))
  [ "$(pixel "$shot" $px $py)" = "$(pixel "$before" $px $py)" ] ||
    fail "splash pixel $point is not see-through: $(pixel "$shot" $px $py)"
done
[ "$(pixel "$shot" $((x + 200)) $((y + 40)))" = "26,61,124" ] || fail "the band is not drawn"
[ "$(pixel "$shot" $((x + 62)) $((y + 10)))" = "217,221,228" ] || fail "the disc is not drawn"
wintool wait "Orbmenu v2.0" 10000 >/dev/null || fail "the main window did not follow the splash"
wintool gone "Orbmenu" 2000 || fail "the splash stayed"
wintool close "Orbmenu v2.0"
wait $pid || fail "Orbmenu exited with $?"
echo "splash shown shaped, then the main window"
