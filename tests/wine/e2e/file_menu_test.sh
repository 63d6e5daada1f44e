#!/usr/bin/env bash
# The File menu and the web entries of the Help menu in the real editor: New empties the project, Load
# through the real open dialog brings it back, F1 in the spot editor opens its help page, Exit asks about
# unsaved changes (Cancel stays, No closes), and Website and More Software open their addresses.
. "$(dirname "$0")/lib.sh"
editor_pid=
wt() { wintool "$@" | tr -d '\r'; }
cleanup() {
  set +e
  # An editor left waiting on a question would hold ctest: end the prefix's programs.
  [ -n "$editor_pid" ] && WINEPREFIX=$(dirname "$ORB_WINE_RUN")/wine/prefix wineserver -k >/dev/null 2>&1
  rm -rf "$TMP"
}
trap cleanup EXIT
browser_log=$(dirname "$ORB_WINE_RUN")/wine/browser.log

cd_root=$TMP/cd
mkdir -p "$TMP/app"
cp "$ORB_EDITOR" "$TMP/app/Orbmenu.exe"
cp "$(dirname "$ORB_WINE_RUN")/help/help.chm" "$TMP/app/"
project_win=$(demo_root "$cd_root")
run reg delete 'HKCU\Software\OBM' /f >/dev/null 2>&1 || true
title="Orbmenu v2.0 - ($project_win)"
new_title="Orbmenu v2.0 - (New project.obm)"
all_spots=$' New Menu Spot\nRead Me\nWeb Site\nBrowse CD\nExtras\nExit'

( cd "$TMP/app" && WINEDEBUG=+htmlhelp run ./Orbmenu.exe "$project_win" 2>"$TMP/trace.log" ) & editor_pid=$!
box=$(wt msgbox 30000) || fail "no message after the start-up load"
wt wait "$title" 10000 >/dev/null || fail "the title does not name the project"

# F1 in the spot editor opens the spot editor's page.
wt select "$title" "#148" 1
wt click "$title" "#150"   # cmdedit
wt wait "Menu Spot Details" 10000 >/dev/null || fail "the spot editor did not open"
wt key "Menu Spot Details" 0x70
wt wait "Orbmenu Help" 20000 >/dev/null || fail "F1 in the spot editor opened no help window"
sleep 1
# The help window stays open beside the dialog; Cancel's command closes the spot editor whichever of
# the two is active.
wt wait "Menu Spot Details" 5000 >/dev/null || fail "the spot editor is gone"
closed=""
for _ in 1 2 3; do
  wt menu "Menu Spot Details" "#2" >/dev/null 2>&1 || true  # IDCANCEL
  wt gone "Menu Spot Details" 3000 && { closed=yes; break; }
done
[ -n "$closed" ] || { screenshot file-menu-cancel >/dev/null; fail "Cancel left the spot editor open"; }

# New: nothing was changed, so it asks nothing and empties the spot list.
wt command "$title" 200   # mnunewprj
wt wait "$new_title" 10000 >/dev/null || fail "New did not title the window as a new project"
[ "$(wt items "$new_title" "#148")" = " New Menu Spot" ] || fail "after New the spot list is: $(wt items "$new_title" "#148")"

# Load through the real open dialog.
wt command "$new_title" 201   # mnuldprj
dialog="Select a OBM Project file to Load"
wt wait "$dialog" 10000 >/dev/null || fail "Load showed no open dialog"
wt settext "$dialog" "#1148" "$project_win" || fail "no file name box in the open dialog"
wt menu "$dialog" "#1" || fail "no open dialog to confirm"   # IDOK, as the Open button sends it
wt gone "$dialog" 10000 || fail "the open dialog did not take the file name: $(wt text "$dialog")"
box=$(wt msgbox 10000) || fail "no message after Load"
[ "$box" = "Loading Complete.|Project successfully loaded." ] || fail "Load said: $box"
wt wait "$title" 10000 >/dev/null || fail "after Load the title is not the project's"
[ "$(wt items "$title" "#148")" = "$all_spots" ] || fail "after Load the spot list is: $(wt items "$title" "#148")"

# Exit with a changed title: Cancel keeps the editor, No closes it without saving.
wt settext "$title" "#140" "Changed title"   # txtcdtitle
wt command "$title" 203   # mnuexit
box=$(wt msgbox 10000 2) || fail "Exit asked nothing about the changed project"
[ "$box" = "Orbmenu|Do you want to save changes to ($project_win)" ] || fail "Exit asked: $box"
sleep 1
wt wait "$title" 1000 >/dev/null || fail "Cancel closed the editor"

# The web entries open the maker's addresses through the shell.
: >"$browser_log"
wt command "$title" 207   # mnuwebsite
wt command "$title" 208   # mnusoft
for _ in $(seq 100); do [ "$(wc -l <"$browser_log")" -ge 2 ] && break; sleep 0.1; done
grep -q '^https://orbmenu.example.com/$' "$browser_log" || fail "Website opened: $(cat "$browser_log")"
grep -q '^https://orbmenu.example.com/products/$' "$browser_log" || fail "More Software opened: $(cat "$browser_log")"

wt command "$title" 203
box=$(wt msgbox 10000 7) || fail "the second Exit asked nothing"
wait "$editor_pid" || fail "Orbmenu.exe exited with $?"
editor_pid=
# The trace is complete once the editor has ended.
grep -q 'FindContextAlias returning "/spot-editor.htm"' "$TMP/trace.log" ||
  fail "F1 in the spot editor opened: $(grep -o 'FindContextAlias returning "[^"]*"' "$TMP/trace.log")"
grep -q '^Orbmenu Demo' <(tr -d '\r' <"$cd_root/demo.obm" | sed -n 2p) || fail "No saved the project anyway"
echo "File New, Load and Exit, spot editor F1 and the web entries work in the real editor"
