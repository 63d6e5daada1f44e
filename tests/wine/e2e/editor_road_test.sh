#!/usr/bin/env bash
# The whole road in the real editor: start it with the demo project on its command line, check the title
# and the spot list, add a third page through the page row's name box and give it a background, title and a
# Go Back spot, open the first spot in the spot editor, pick two pictures of its rollover's name from other
# folders (a different one is copied beside it, the same one used in place), drag its picture in the
# placement window, make it lead to the new page (picked from the page list), save, reopen, Make Cd, then
# start the generated player, see the spot light up where it was moved, and click through to the new page.
# ORB_UPDATE_DOCS_IMAGES=1 also stores the screenshots under docs/images.
. "$(dirname "$0")/lib.sh"
editor_pid=
player_pid=
wt() { wintool "$@" | tr -d '\r'; }
cleanup() {
  local rc=$?
  set +e
  [ "$rc" -ne 0 ] && end_wine
  [ -n "$editor_pid" ] && { wt close "$title"; kill "$editor_pid"; } >/dev/null 2>&1
  [ -n "$player_pid" ] && { wt close "Orbmenu Demo"; kill "$player_pid"; } >/dev/null 2>&1
  rm -rf "$TMP"
}
trap cleanup EXIT
# child_rect TITLE CLASS: the screen rectangle of the first child window of that class.
child_rect() { wt text "$1" | awk -F'|' -v c="$2" '$1==c {print $3; exit}'; }
# field TITLE N: the text of the Nth edit box (1-based) of the window.
field() { wt text "$1" | awk -F'|' -v n="$2" '$1=="Edit" && ++k==n {print $2; exit}'; }
# line N: line N of the project file, without its CR.
line() { sed -n "${1}p" "$cd_root/demo.obm" | tr -d '\r'; }

cd_root=$TMP/cd
mkdir -p "$TMP/app"
cp "$ORB_EDITOR" "$TMP/app/Orbmenu.exe"
cp "$ORB_PLAYER" "$TMP/app/Orbstart.exe"
project_win=$(demo_root "$cd_root")
run reg delete 'HKCU\Software\OBM' /f >/dev/null 2>&1 || true
title="Orbmenu v2.0 - ($project_win)"
spot_editor="Menu Spot Details"
placement="Please drag the image or use the arrows to drag it to  the desired area."

start_editor() {
  ( cd "$TMP/app" && run ./Orbmenu.exe "$project_win" ) & editor_pid=$!
  box=$(wt msgbox 30000) || fail "no message after the start-up load"
  [ "$box" = "Loading Complete.|Project successfully loaded." ] || fail "start-up load said: $box"
  rect=$(wt wait "$title" 10000) || fail "the title does not name the project"
}
stop_editor() {
  wt close "$title"
  wait "$editor_pid" || fail "Orbmenu.exe exited with $?"
  editor_pid=
}

# 1. The command line's project is loaded once the editor has slid into the menu mode.
start_editor
spots=$(wt items "$title" "#148")   # cmbmenu
[ "$spots" = $' New Menu Spot\nRead Me\nWeb Site\nBrowse CD\nExtras\nExit' ] || fail "spot list: $spots"
sleep 1
keep road-main "$rect"

# 1a. A third page "Credits" with its own background and title; the panel turns to it and back.
wt click "$title" "#157" || fail "no Add page button"   # cmdaddpage
wt wait "Add Page" 10000 >/dev/null || fail "Add opened no name box"
wt settext "Add Page" "#101" "Credits" || fail "no name field in the name box"
click_to_close "Add Page" "OK" || fail "OK left the name box open"
[ "$(wt items "$title" "#156")" = $'Home\nExtras\nCredits' ] || fail "page list: $(wt items "$title" "#156")"
[ "$(wt items "$title" "#148")" = " New Menu Spot" ] || fail "the new page shows spots: $(wt items "$title" "#148")"
background_dialog="Select a Background Image for your Cd"
convert -size 320x240 xc:'#2040A0' "$cd_root/imgmusic/credits.jpg"
wt click "$title" "#135" || fail "no background button"   # cmdindex2_2
wt wait "$background_dialog" 10000 >/dev/null || fail "the background button opened no dialog"
wt settext "$background_dialog" "#1148" "$(run winepath -w "$cd_root/imgmusic/credits.jpg" | tr -d '\r')"
wt menu "$background_dialog" "#1" || fail "no open dialog to confirm"
wt gone "$background_dialog" 10000 || fail "the open dialog did not take the background"
wt settext "$title" "#140" "Credits" || fail "no title box"   # txtcdtitle
[[ "$(wt text "$title")" == *'\imgmusic\credits.jpg|'* ]] || fail "page 3's background reads: $(wt text "$title" | grep '^Edit')"
# 1b. Its one spot goes back.
wt click "$title" "#149" || fail "no Create button"   # cmdmenuspots
wt wait "$spot_editor" 10000 >/dev/null || fail "Create opened no spot editor"
wt settext "$spot_editor" "#2018" "Back"   # txtmenuname
wt select "$spot_editor" "#2019" 9 || fail "no action list"
wt settext "$spot_editor" "#2029" "$(run winepath -w "$cd_root/imgmusic/exit_on.gif" | tr -d '\r')"   # rollover
click_to_close "$spot_editor" "OK" || fail "OK left the new spot's editor open"
[ "$(wt items "$title" "#148")" = $' New Menu Spot\nBack' ] || fail "page 3's spots: $(wt items "$title" "#148")"
wt select "$title" "#156" 0 || fail "could not choose page 1"
[ "$(wt items "$title" "#148")" = "$spots" ] || fail "back on page 1 the spot list is: $(wt items "$title" "#148")"
texts=$(wt text "$title")
[[ "$texts" == *'\imgmusic\back.jpg|'* && "$texts" == *'Edit|Orbmenu Demo|'* && "$texts" != *credits.jpg* ]] || fail "page 1's fields read: $texts"
# 1c. A German version through the language row: page 1's title in German, the default's as a hint meanwhile.
wt click "$title" "#164" || fail "no Add language button"   # cmdaddlanguage
wt wait "Add Language" 10000 >/dev/null || fail "Add opened no tag box"
wt settext "Add Language" "#101" "de_DE"
click_to_close "Add Language" "OK" || fail "OK left the tag box open"
box=$(wt msgbox 10000) || fail "no message for the tag de_DE"
[[ "$box" == *'"de_DE" is not a language tag.'* ]] || fail "a bad tag was refused with: $box"
wt wait "Add Language" 10000 >/dev/null || fail "the tag box did not come back after the refusal"
wt settext "Add Language" "#101" "de"
click_to_close "Add Language" "OK" || fail "OK left the tag box open"
[ "$(wt items "$title" "#163")" = $'Default\nde' ] || fail "language list: $(wt items "$title" "#163")"
# The version gives no title yet: the box is empty (the default's title its cue banner); the read-only
# background shows the default's path, greyed.
texts=$(wt text "$title")
[[ "$texts" != *'Edit|Orbmenu Demo|'* && "$texts" == *'\imgmusic\back.jpg|'* ]] || fail "the German fields read: $texts"
sleep 1
keep road-languages "$rect"
wt settext "$title" "#140" "Willkommen" || fail "no title box"
wt select "$title" "#163" 0 || fail "could not choose the default language"
[[ "$(wt text "$title")" == *'Edit|Orbmenu Demo|'* ]] || fail "the default's title reads: $(wt text "$title" | grep '^Edit')"

# 2. Edit the first spot and drag its rollover picture 40 pixels right and 30 down.
wt select "$title" "#148" 1 || fail "could not select the first spot"
wt click "$title" "#150" || fail "no Edit button"   # cmdedit
wt wait "$spot_editor" 10000 >/dev/null || fail "the spot editor did not open"
[ "$(field "$spot_editor" 1)" = "Read Me" ] || fail "the spot editor shows: $(wt text "$spot_editor")"

# 2a. Two folders' pictures of one name: another readme_on.gif is copied beside the spot's own, never over it;
# a copy of the spot's own from a third folder is used where it already lies, with nothing copied.
mkdir -p "$TMP/other" "$TMP/same"
convert -size 24x12 xc:'#00FF00' "GIF:$TMP/other/readme_on.gif"
cp "$cd_root/imgmusic/readme_on.gif" "$TMP/same/"
cp "$cd_root/imgmusic/readme_on.gif" "$TMP/readme_on.orig"
pick_rollover() {  # pick_rollover DIR: readme_on.gif of DIR through the rollover's browse button and open dialog
  local dialog="Select a Rollover Image for the Menu Spot."
  wt click "$spot_editor" "#2030" || fail "no rollover browse button"   # imgbrowse 1
  wt wait "$dialog" 10000 >/dev/null || fail "the rollover's browse button opened no dialog"
  wt settext "$dialog" "#1148" "$(run winepath -w "$1/readme_on.gif" | tr -d '\r')" || fail "no file name box"
  wt menu "$dialog" "#1" || fail "no open dialog to confirm"
  wt gone "$dialog" 10000 || fail "the open dialog did not take the file name"
}
pick_rollover "$TMP/other"
# The spot editor is a dialog too: wait for the message box by its title before answering it.
wt wait "Automatic Adjustment" 10000 >/dev/null || fail "no message about copying the other folder's picture"
box=$(wt msgbox 10000) || fail "no message about copying the other folder's picture"
[[ "$box" == "Automatic Adjustment|The file will now be copied"* ]] || fail "picking the other picture said: $box"
sleep 0.5
[[ "$(field "$spot_editor" 8)" == *'\imgmusic\readme_on (2).gif' ]] || fail "the rollover field reads $(field "$spot_editor" 8)"
cmp -s "$TMP/other/readme_on.gif" "$cd_root/imgmusic/readme_on (2).gif" || fail "the other picture was not copied as readme_on (2).gif"
cmp -s "$TMP/readme_on.orig" "$cd_root/imgmusic/readme_on.gif" || fail "the spot's own readme_on.gif was replaced"
pick_rollover "$TMP/same"
if wt wait "Automatic Adjustment" 1500 >/dev/null; then fail "picking the same bytes still spoke of copying"; fi
[[ "$(field "$spot_editor" 8)" == *'\imgmusic\readme_on.gif' ]] || fail "the same picture reads $(field "$spot_editor" 8)"
[ "$(find "$cd_root/imgmusic" -name 'readme_on*' ! -name '*@*' | wc -l)" = 2 ] || fail "imgmusic holds: $(ls "$cd_root/imgmusic")"
wt click "$spot_editor" "L&ocate" || fail "no Locate button"
wt wait "$placement" 10000 >/dev/null || fail "the placement window did not open"
sleep 1
picture=$(child_rect "$placement" OrbLocatePicture)
IFS=, read -r px py pw ph <<<"$picture"
[ -n "$pw" ] && [ "$pw" -gt 4 ] || fail "no rollover picture in the placement window"
grab_x=$((px + pw / 2)) grab_y=$((py + ph / 2))
xdotool mousemove "$grab_x" "$grab_y"; sleep 0.3
xdotool mousedown 1; sleep 0.2
for step in 1 2 3 4; do xdotool mousemove $((grab_x + 10 * step)) $((grab_y + 15 * step / 2)); sleep 0.15; done
xdotool mouseup 1; sleep 0.5
keep road-placement "$(wt wait "$placement" 1000)"
moved=$(child_rect "$placement" OrbLocatePicture)
IFS=, read -r mx my _ _ <<<"$moved"
[ $((mx - px)) = 40 ] && [ $((my - py)) = 30 ] || fail "the picture moved from $picture to $moved"
click_to_close "$placement" "&Finish" || fail "Finish left the placement window open"
# Twips of the background picture: 15 a pixel.
[ "$(field "$spot_editor" 9)" = 1200 ] && [ "$(field "$spot_editor" 10)" = 2550 ] ||
  fail "the spot editor's X and Y are $(field "$spot_editor" 9) and $(field "$spot_editor" 10), not 1200 and 2550"
# 2b. Go to Page, its page picked from the project's pages in the action name's place.
[ "$(wt items "$spot_editor" "#2019" | tail -n 1)" = "Switch Language" ] || fail "the action list ends: $(wt items "$spot_editor" "#2019" | tail -n 1)"
wt select "$spot_editor" "#2019" 8 || fail "no action list"   # cmbact
[ "$(wt items "$spot_editor" "#2021")" = $'Home\nExtras\nCredits' ] || fail "the spot editor's pages: $(wt items "$spot_editor" "#2021")"
wt select "$spot_editor" "#2021" 2 || fail "no page list"   # cmbpage
keep road-spot-page "$(wt wait "$spot_editor" 1000)"
click_to_close "$spot_editor" "OK" || fail "OK left the spot editor open"

# 3. Save writes the moved spot into the project; closing then asks nothing.
wt command "$title" 202   # mnusaveprj
box=$(wt msgbox 10000) || fail "no message after Save"
[ "$box" = "Operation Complete.|Project successfully updated and saved." ] || fail "Save said: $box"
[ "$(line 13)" = " 1200 " ] && [ "$(line 14)" = " 2550 " ] || fail "saved X and Y are '$(line 13)' '$(line 14)'"
[ "$(line 10)" = " 8 " ] && [ "$(line 11)" = "Credits" ] || fail "saved action and target are '$(line 10)' '$(line 11)'"
# The new page follows the demo's Extras page, its paths as the project file stores them.
pages_text=$(tr -d '\r' <"$cd_root/demo.obm" | awk '/^Orbmenu pages 2$/ {on = 1} on && n++ < 3; on && $0 == "Credits" {c = 1} c && m++ < 5')
[ "$pages_text" = $'Orbmenu pages 2\nHome\n 2 \nCredits\nCredits\nimgmusic\\credits.jpg\n 1 \nBack' ] ||
  fail "the saved pages text reads: $pages_text"
# The German version follows: no default tag, one version "de" with page 1's title.
languages_text=$(tail -n 6 "$cd_root/demo.obm" | tr -d '\r')
[ "$languages_text" = $'\n 1 \nde\n 1 \ntitle 1\nWillkommen' ] || fail "the saved versions read: $languages_text"
stop_editor

# 4. Reopen and Make Cd.
start_editor
spots_again=$(wt items "$title" "#148")
[ "$spots_again" = "$spots" ] || fail "after reopening the spot list is: $spots_again"
[ "$(wt items "$title" "#156")" = $'Home\nExtras\nCredits' ] || fail "after reopening the pages are: $(wt items "$title" "#156")"
wt click "$title" "#153" || fail "no Make Cd button"   # cmdgenerate2
box=$(wt msgbox 20000) || fail "no message after Make Cd"
[[ "$box" == "Success|"* ]] || fail "Make Cd said: $box"
stop_editor
for f in menu.cfg pages.cfg autorun.inf autorun.des Orbstart.exe; do [ -f "$cd_root/$f" ] || fail "Make Cd wrote no $f"; done
# The command line on Linux writes the same bytes from the same project.
cli=${ORB_NATIVE_BIN_DIR:-}/cli/orbmenu-cli
if [ -x "$cli" ]; then
  mkdir -p "$TMP/linux-cd"
  cp "$cd_root/demo.obm" "$TMP/linux-cd/"
  cp -r "$cd_root/imgmusic" "$cd_root/readme.txt" "$TMP/linux-cd/"
  "$cli" make-cd "$TMP/linux-cd/demo.obm" --root "$TMP/linux-cd" --player "$ORB_PLAYER" --no-runtime >/dev/null ||
    fail "orbmenu-cli make-cd failed on the saved project"
  for f in menu.cfg pages.cfg autorun.inf autorun.des; do
    cmp "$cd_root/$f" "$TMP/linux-cd/$f" || fail "$f from the editor and from orbmenu-cli differ"
  done
fi

# 5. The generated player shows the Read Me spot lit at its new place: 80,140 + 40,30 on the background.
( cd "$cd_root" && run ./Orbstart.exe ) & player_pid=$!
rect=$(wt wait "Orbmenu Demo" 30000) || fail "the generated player's menu did not appear"
demo_menu_origin "$rect"
lit=""
lit_at 160 182 90 176 && lit=yes
keep road-menu "$rect"
[ -n "$lit" ] || fail "the moved Read Me spot did not light up at its new place (pixel $r $g $b)"
# 6. A click there goes to the Credits page, in the same window at the page's own size; Escape comes back.
xdotool click 1
rect=$(wt wait "Credits" 10000) || fail "a click on the Go to Page spot did not show the Credits page"
IFS=, read -r left top width height <<<"$rect"
border=$(( (width - 320) / 2 )); cx=$((left + border)) cy=$((top + height - 240 - border))
read -r r g b <<<"$(pixel 160 120)"
[ "$b" -gt 120 ] && [ "$r" -lt 80 ] || fail "the Credits page does not show its background (pixel $r $g $b)"
keep road-credits "$rect"
xdotool key Escape
wt wait "Orbmenu Demo" 10000 >/dev/null || fail "Escape on the Credits page did not go back to page 1"
wt close "Orbmenu Demo"
wait "$player_pid" || fail "Orbstart.exe exited with $?"
player_pid=
echo "the whole road: loaded, edited, placed, saved, reopened, made and played with the spot moved and its page shown"
