# Helpers of the placement window's end-to-end scripts: the real editor on the bundled example, opened
# as far as the placement window of one spot.
. "$(dirname "$0")/lib.sh"
editor_pid=
wt() { wintool "$@" | tr -d '\r'; }
trap '[ -n "$editor_pid" ] && { wt close "$title"; kill "$editor_pid"; } >/dev/null 2>&1; rm -rf "$TMP"' EXIT
# child_rect TITLE CLASS [TEXT]: the screen rectangle of the first child of that class (and text).
child_rect() { wt text "$1" | awk -F'|' -v c="$2" -v t="${3:-}" '$1==c && (t=="" || $2==t) {print $3; exit}'; }
# field TITLE N: the text of the Nth edit box (1-based) of the window.
field() { wt text "$1" | awk -F'|' -v n="$2" '$1=="Edit" && ++k==n {print $2; exit}'; }

mkdir -p "$TMP/app"
cp "$ORB_EDITOR" "$TMP/app/Orbmenu.exe"
cp "$ORB_PLAYER" "$TMP/app/Orbstart.exe"
project_win=$(demo_root "$TMP/cd")
title="Orbmenu v2.0 - ($project_win)"
spot_editor="Menu Spot Details"
placement="Please drag the image or use the arrows to drag it to  the desired area."

# open_placement SPOT BUTTON: starts the editor on the example, edits spot SPOT of its list and presses
# BUTTON ("L&ocate" for the rollover, "&Locate" for the video); placement_rect is the window's rectangle.
open_placement() {
  run reg delete 'HKCU\Software\OBM' /f >/dev/null 2>&1 || true
  ( cd "$TMP/app" && run ./Orbmenu.exe "$project_win" ) & editor_pid=$!
  wt msgbox 30000 >/dev/null || fail "no message after the start-up load"
  wt wait "$title" 10000 >/dev/null || fail "the editor did not show the project"
  sleep 1
  wt select "$title" "#148" "$1" || fail "could not select spot $1"
  wt click "$title" "#150" || fail "no Edit button"
  wt wait "$spot_editor" 10000 >/dev/null || fail "the spot editor did not open"
  wt click "$spot_editor" "$2" || fail "no $2 button"
  placement_rect=$(wt wait "$placement" 10000) || fail "the placement window did not open"
  sleep 1
}
# close_editor: leaves the spot editor without storing and ends the editor.
close_editor() {
  click_to_close "$spot_editor" "Cancel" || fail "Cancel left the spot editor open"
  wt close "$title"
  wait "$editor_pid" || fail "Orbmenu.exe exited with $?"
  editor_pid=
}
