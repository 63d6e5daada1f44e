#!/usr/bin/env bash
# The road to a disc: the real editor writes an image of the demo project through File > Make Disc Image
# (a first, large write is cancelled from its progress window and leaves nothing behind); osirrox lays
# the image out in a read-only folder that this prefix maps as a CD-ROM drive D:, and D:\Orbstart.exe
# shows the menu with a spot lit under the mouse; a signing command that fails stops the image with its
# output. ORB_UPDATE_DOCS_IMAGES=1 also stores the screenshots.
. "$(dirname "$0")/lib.sh"
editor_pid=
player_pid=
wt() { wintool "$@" | tr -d '\r'; }
cleanup() {
  set +e
  [ -n "$editor_pid" ] && { wt close "$title"; kill "$editor_pid"; } >/dev/null 2>&1
  [ -n "$player_pid" ] && { wt close "Orbmenu Demo"; kill "$player_pid"; } >/dev/null 2>&1
  cd_drive_gone "$TMP/disc"
  chmod -R u+w "$TMP" 2>/dev/null
  rm -rf "$TMP"
}
trap cleanup EXIT
command -v osirrox >/dev/null || fail "osirrox (xorriso) is not installed"

cd_root=$TMP/cd
mkdir -p "$TMP/app" "$TMP/out"
cp "$ORB_EDITOR" "$TMP/app/Orbmenu.exe"
cp "$ORB_PLAYER" "$TMP/app/Orbstart.exe"
project_win=$(demo_root "$cd_root")
out_win=$(run winepath -w "$TMP/out" | tr -d '\r')
run reg delete 'HKCU\Software\OBM' /f >/dev/null 2>&1 || true
title="Orbmenu v2.0 - ($project_win)"
save_dialog="Save Disc Image As"
progress="Make Disc Image"

( cd "$TMP/app" && run ./Orbmenu.exe "$project_win" ) & editor_pid=$!
box=$(wt msgbox 30000) || fail "no message after the start-up load"
[ "$box" = "Loading Complete.|Project successfully loaded." ] || fail "start-up load said: $box"
rect=$(wt wait "$title" 10000) || fail "the title does not name the project"

# The File menu with its new entry, opened with the mouse on the menu bar.
IFS=, read -r wx wy ww wh <<<"$rect"
xdotool mousemove $((wx + 22)) $((wy + 30)) click 1; sleep 1
keep disc-image-menu "$wx,$wy,$ww,$((wh / 2))"
xdotool key Escape; sleep 0.3; xdotool key Escape; sleep 0.3

# save_as NAME: answers the save dialog with NAME in the output folder.
save_as() {
  wt wait "$save_dialog" 20000 >/dev/null || fail "Make Disc Image showed no save dialog"
  local shown
  shown=$(wt text "$save_dialog" | awk -F'|' '$1=="Edit" {print $2; exit}')
  [ "$shown" = "Orbmenu Demo.iso" ] || fail "the save dialog proposed '$shown'"
  wt settext "$save_dialog" "#1148" "$out_win\\$1" || fail "no file name box in the save dialog"
  wt menu "$save_dialog" "#1" || fail "no save dialog to confirm"   # IDOK, as the Save button sends it
  wt gone "$save_dialog" 10000 || fail "the save dialog did not take the name: $(wt text "$save_dialog")"
}

# 1. A root with a large (sparse) file: too big for a CD, which the check asks about; the progress
# window shows, and Cancel leaves no image behind.
truncate -s 3G "$cd_root/big.bin"
xdotool key ctrl+i   # the entry's accelerator; the editor has the keyboard since its menu was opened
box=$(wt msgbox 20000 6) || fail "the check did not warn about the size"   # IDYES: go on
[[ "$box" == "Make Disc Image|"*"it fits a 4.7 GB DVD, not a CD"*"make the image anyway?" ]] ||
  fail "the check said: $box"
save_as big.iso
prect=$(wt wait "$progress" 20000) || fail "no progress window"
sleep 0.5
keep disc-image-progress "$prect"
click_to_close "$progress" "Cancel" || fail "Cancel left the progress window open"
if box=$(wt msgbox 2000); then fail "a cancelled image said: $box"; fi
[ -z "$(ls -A "$TMP/out")" ] || fail "a cancelled image left files: $(ls -A "$TMP/out")"
rm "$cd_root/big.bin"

# 2. The demo's image; the check first notes that its MP4 and WMV intros need Media Foundation, and the
# done message names the image, its size and the CD it fits. Under Wine .iso files have no "burn" verb,
# and the editor says so.
wt command "$title" 211   # mnudiscimage
box=$(wt msgbox 20000 6) || fail "the check noted nothing about the demo's videos"   # IDYES: go on
[[ "$box" == "Make Disc Image|Please note"*"intro.mp4"*"Media Foundation"*"intro.wmv"*"make the image anyway?" ]] ||
  fail "the check said: $box"
save_as demo.iso
box=$(wt msgbox 60000 6) || fail "no message after the image was written"   # IDYES: burn
[[ "$box" == "Success|The disc image has been written:"*"$out_win\\demo.iso"*"it fits a 650 MB CD."* ]] ||
  fail "the image's message: $box"
box=$(wt msgbox 10000) || fail "the burn choice said nothing"
[[ "$box" == *"no disc image burner"* ]] || fail "the burn choice said: $box"

# A signing command (Options, read at each press) that fails: the message shows its output, no image.
printf '@echo off\r\necho signing refused for %%~nx1: no certificate\r\nexit /b 3\r\n' >"$TMP/app/fail-sign.cmd"
app_win=$(run winepath -w "$TMP/app" | tr -d '\r')
run reg add 'HKCU\Software\OBM\Options' /v SignCommand /d "\"$app_win\\fail-sign.cmd\" \"%1\"" /f >/dev/null 2>&1 ||
  fail "could not set the signing command"
wt command "$title" 211
box=$(wt msgbox 30000) || fail "a failing signing command said nothing"
[[ "$box" == "Error|"*"Orbstart.exe was not signed: the signing command ended with exit code 3."*"signing refused for Orbstart.exe: no certificate"* ]] ||
  fail "the failed signing said: $box"
! wt wait "$save_dialog" 2000 >/dev/null || fail "a save dialog followed a failed signing"
run reg delete 'HKCU\Software\OBM\Options' /v SignCommand /f >/dev/null 2>&1
wt close "$title"
wait "$editor_pid" || fail "Orbmenu.exe exited with $?"
editor_pid=
[ -f "$TMP/out/demo.iso" ] && [ -z "$(ls "$TMP/out" | grep -v '^demo.iso$')" ] || fail "output folder: $(ls -A "$TMP/out")"

# 3. The image carries the CD title as its label, and laid out as a read-only disc it equals the root
# byte for byte.
if command -v iso-info >/dev/null; then
  iso-info -i "$TMP/out/demo.iso" 2>/dev/null | grep -q '^Volume *: Orbmenu Demo$' ||
    fail "the image's Joliet label: $(iso-info -i "$TMP/out/demo.iso" 2>&1 | grep -i volume)"
fi
osirrox -indev "$TMP/out/demo.iso" -extract / "$TMP/disc" >/dev/null 2>&1 || fail "osirrox could not extract the image"
diff -r "$cd_root" "$TMP/disc" || fail "the extracted disc differs from the root"
chmod -R a-w "$TMP/disc"

# 4. D: is a CD-ROM drive holding it, and its player shows the menu with a spot lit under the mouse.
cd_drive "$TMP/disc"
run 'D:\Orbstart.exe' & player_pid=$!
rect=$(wt wait "Orbmenu Demo" 30000) || fail "D:\\Orbstart.exe showed no menu"
demo_menu_origin "$rect"
lit=""
lit_at 120 152 50 146 && lit=yes
keep disc-image-menu-on-d "$rect"
[ -n "$lit" ] || fail "the Read Me spot did not light up on the disc (pixel $r $g $b)"
# Its second page comes from the disc too: Extras turns the window, Escape turns it back.
xdotool mousemove $((cx + 150)) $((cy + 349)); sleep 0.3; xdotool mousemove $((cx + 151)) $((cy + 350))
sleep 0.3; xdotool click 1
wt wait "Orbmenu Demo - Extras" 5000 >/dev/null || fail "Extras did not turn the page on the disc"
xdotool key Escape
wt wait "Orbmenu Demo" 5000 >/dev/null || fail "Escape did not come back to the start page on the disc"
wt close "Orbmenu Demo"
wait "$player_pid" || fail "Orbstart.exe exited with $?"
player_pid=
echo "the editor's disc image, laid out on a CD-ROM drive D:, plays the demo menu and its Extras page"
