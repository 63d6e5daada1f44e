#!/usr/bin/env bash
# Real keys (xdotool) in the real Orbmenu.exe: Tab and Shift+Tab walk the shown panel's rows in order (the
# panel behind takes no keys), Tab does not type into the CD title, mnemonics press their buttons, and the
# Options, conversion and spot editor windows keep their own tab orders; Enter in the spot editor presses OK.
. "$(dirname "$0")/editor_lib.sh"
# start_editor TITLE: starts the editor and waits for its main window titled TITLE.
start_editor() {
  local want=$1
  ( cd "$TMP/app" && run ./Orbmenu.exe ) & editor_pid=$!
  wt wait "$want" 20000 >/dev/null || fail "the main window '$want' did not appear ($(wt msgbox 500))"
  sleep 2.5  # the splash gives way to the main window
}
stop_editor() {
  wt close "$1"
  wt msgbox 3000 7 >/dev/null 2>&1 || true  # a quit prompt: No
  wait $editor_pid || fail "Orbmenu.exe exited with $?"
  editor_pid=
}
# focus_id TITLE WANT: the focused control's ID, once it is WANT or after two seconds.
focus_id() { wt focus "$1" "$2" | cut -d'|' -f1; }
# press KEY TITLE ID...: presses KEY once for each ID and expects the focus on it after each press.
press() {
  local key=$1 win=$2 want got
  shift 2
  for want in "$@"; do
    xdotool key "$key"
    got=$(wt focus "$win" "$want" | cut -d'|' -f1)
    [ "$got" = "$want" ] || fail "$key in '$win' moved the focus to $got, expected $want"
  done
}
expect_box() {
  local box
  box=$(wt msgbox 5000) || fail "$1 showed no message"
  [ "$box" = "Orbmenu|$2" ] || fail "$1 showed: $box"
}

mkdir -p "$TMP/app"
cp "$ORB_EDITOR" "$TMP/app/"
run reg delete 'HKCU\Software\OBM' /f >/dev/null 2>&1 || true

# The simple panel: the root field has the focus; the rows in order, then the bar, then round again.
start_editor "$title"
[ "$(focus_id "$title" 111)" = 111 ] || fail "the focus does not start in the root folder field"
press Tab "$title" 112 114 115 117 118 120 122 123 124 125 104 111
press shift+Tab "$title" 104 125 124
xdotool key alt+g
expect_box "Alt+G" "Please select a Root Folder."
# The focus came back to Generate, and Enter presses the focused button.
[ "$(focus_id "$title" 125)" = 125 ] || fail "the focus did not come back to Generate after its message"
xdotool key Return
expect_box "Enter on Generate" "Please select a Root Folder."
# The bar by keyboard: Space slides to the menu panel.
press Tab "$title" 104
xdotool key space
wt wait "$menu_title" 10000 >/dev/null || fail "Space on the bar did not switch to the menu panel"
sleep 1.5
press Tab "$menu_title" 131 132 134 135 137 138 140
xdotool type --delay 50 "My CD"
press Tab "$menu_title" 142
press shift+Tab "$menu_title" 140
[ "$(wt focus "$menu_title" 140)" = "140|Edit|My CD" ] || fail "the CD title reads '$(wt focus "$menu_title")'"
# The language row, then the page row, come before the spots; with the default language shown, the
# language's Remove is off, and on page 1 the page's Remove and arrows: they take no Tab.
press Tab "$menu_title" 142 143 145 146 163 164 166 156 157 158 148 149 150 151 152 153 104 131
# The simple panel's Preview lies behind: Alt+P must not reach it. Alt+C reaches Create.
xdotool key alt+p
! wt msgbox 1500 >/dev/null || fail "Alt+P reached a button of the hidden panel"
xdotool key alt+c
expect_box "Alt+C" "Please select a background image. It is required."
# Alt+T opens the Tools menu, as in the simple panel, rather than pressing "&Test".
xdotool key alt+t
! wt msgbox 1500 >/dev/null || fail "Alt+T pressed Test instead of opening the Tools menu"
xdotool key Escape Escape
sleep 0.3
# Alt+A adds a page through its name box, typed and confirmed with Enter.
xdotool key alt+a
wt wait "Add Page" 10000 >/dev/null || fail "Alt+A did not open the page name box"
sleep 0.5
xdotool type --delay 50 "Extras"
xdotool key Return
wt gone "Add Page" 5000 || fail "Enter did not close the page name box"
[ "$(wt items "$menu_title" "#156")" = $'Home\nExtras' ] || fail "the page list reads: $(wt items "$menu_title" "#156")"

# Options: its own order, the signing command after the boxes, Exit before Save; Alt+X presses Exit.
xdotool key ctrl+o
wt wait "Options for OBM" 10000 >/dev/null || fail "Ctrl+O did not open the Options"
[ "$(focus_id "Options for OBM" 303)" = 303 ] || fail "the Options do not start on the first check box"
press Tab "Options for OBM" 304 305 308 2 306 303
xdotool key alt+x
wt gone "Options for OBM" 5000 || fail "Alt+X did not close the Options"
# The conversion window: its convert button first, then the file field and its browse button; Esc closes.
xdotool key ctrl+p
wt wait "Convert OBM Projects" 10000 >/dev/null || fail "Ctrl+P did not open the conversion window"
[ "$(focus_id "Convert OBM Projects" 1)" = 1 ] || fail "the conversion window does not start on its convert button"
press Tab "Convert OBM Projects" 301 302 1
xdotool key Escape
wt gone "Convert OBM Projects" 5000 || fail "Esc did not close the conversion window"
stop_editor "$menu_title"

# The spot editor, over a project opened from the command line.
project=$(demo_root "$TMP/cd")
# The editor looks the project's name up in its current folder, and says when it has loaded it.
main="Orbmenu v2.0 - ($project)"
( cd "$TMP/cd" && run "$TMP/app/Orbmenu.exe" demo.obm ) & editor_pid=$!
box=$(wt msgbox 20000) || fail "no message after loading the project"
[ "$box" = "Loading Complete.|Project successfully loaded." ] || fail "loading the project said: $box"
wt wait "$main" 10000 >/dev/null || fail "the main window '$main' did not appear"
sleep 0.5
xdotool key alt+c
wt wait "Menu Spot Details" 10000 >/dev/null || fail "Alt+C did not open the spot editor"
sleep 0.5
[ "$(focus_id "Menu Spot Details" 2018)" = 2018 ] || fail "the spot editor does not start on its name"
# Enter in a field presses OK, whose first rule wants a name; the focus comes back to the field.
xdotool key Return
expect_box "Enter in the spot editor" "Please Enter a menu name."
[ "$(focus_id "Menu Spot Details" 2018)" = 2018 ] || fail "the focus did not come back to the name after Enter"
# The page list (2021) shows only for Go to Page.
press Tab "Menu Spot Details" 2019 2020 2022 2023 2024 2025 2026 2027 2028 2029 2030 2031 2032 2033
press shift+Tab "Menu Spot Details" 2032 2031
xdotool key alt+o
expect_box "Alt+O" "Please select a Rollover image first."
xdotool key Escape
wt gone "Menu Spot Details" 5000 || fail "Esc did not close the spot editor"
stop_editor "$main"
echo "Tab, Shift+Tab and mnemonics work in the main window, the Options, conversion and spot editor windows"
