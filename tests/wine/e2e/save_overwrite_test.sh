#!/usr/bin/env bash
# The first save of a project in the real editor with its real save dialog: a typed "mycd" where mycd.obm
# exists asks before replacing it, No goes back to the dialog, and the file keeps its bytes. The dialog
# opens in the project's folder, so a bare name lands there.
. "$(dirname "$0")/lib.sh"
editor_pid=
wt() { wintool "$@" | tr -d '\r'; }
cleanup() {
  set +e
  [ -n "$editor_pid" ] && WINEPREFIX=$(dirname "$ORB_WINE_RUN")/wine/prefix wineserver -k >/dev/null 2>&1
  rm -rf "$TMP"
}
trap cleanup EXIT

cd_root=$TMP/cd
mkdir -p "$TMP/app"
cp "$ORB_EDITOR" "$TMP/app/Orbmenu.exe"
project_win=$(demo_root "$cd_root")
cp "$cd_root/demo.obm" "$cd_root/mycd.obm"
run reg delete 'HKCU\Software\OBM' /f >/dev/null 2>&1 || true
title="Orbmenu v2.0 - ($project_win)"
new_title="Orbmenu v2.0 - (New project.obm)"
dialog="Enter a name for the project to be saved."
question=$'Confirm Save As|mycd.obm already exists.\nDo you want to replace it?'

( cd "$TMP/app" && run ./Orbmenu.exe "$project_win" ) & editor_pid=$!
box=$(wt msgbox 30000) || fail "no message after the start-up load"
wt wait "$title" 10000 >/dev/null || fail "the title does not name the project"
wt command "$title" 200   # mnunewprj: a project without a file of its own
wt wait "$new_title" 10000 >/dev/null || fail "New did not title the window as a new project"

# save_as NAME: the save dialog takes NAME as typed.
save_as() {
  wt wait "$dialog" 10000 >/dev/null || fail "no save dialog"
  wt settext "$dialog" "#1148" "$1" || fail "no file name box in the save dialog"
  wt menu "$dialog" "#1" || fail "no save dialog to confirm"
}
wt command "$new_title" 202   # mnusaveprj
save_as mycd
box=$(wt msgbox 10000 7) || fail "replacing mycd.obm asked nothing"   # IDNO
[ "$box" = "$question" ] || fail "the save asked: $box"
save_as mycd   # No led back to the dialog
box=$(wt msgbox 10000 7) || fail "the second try asked nothing"
[ "$box" = "$question" ] || fail "the second try asked: $box"
wt wait "$dialog" 10000 >/dev/null || fail "No did not lead back to the dialog"
wt menu "$dialog" "#2"   # IDCANCEL
wt gone "$dialog" 10000 || fail "the save dialog stayed open"
cmp -s "$cd_root/demo.obm" "$cd_root/mycd.obm" || fail "mycd.obm was changed"
[ ! -e "$cd_root/mycd.obm.obm" ] && [ ! -e "$cd_root/mycd" ] || fail "another file was written: $(ls "$cd_root")"

wt command "$new_title" 203   # mnuexit: nothing unsaved, so it closes
wait "$editor_pid" || fail "Orbmenu.exe exited with $?"
editor_pid=
echo "A first save asks before replacing the project file it would write, and No goes back to the dialog"
