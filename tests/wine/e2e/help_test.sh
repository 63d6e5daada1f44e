#!/usr/bin/env bash
# help.chm as built maps the editor's context numbers to its pages, stored as in-file paths ("/page.htm");
# an absolute build-machine path there would leave every context pointing nowhere.
. "$(dirname "$0")/lib.sh"
chm=$(dirname "$ORB_WINE_RUN")/help/help.chm
[ -s "$chm" ] || fail "no help.chm at $chm"
cp "$chm" "$TMP/help.chm"  # also beside the editor copied below
( cd "$TMP" && chmls extractalias help.chm >/dev/null )
[ -f "$TMP/help.ali" ] || fail "help.chm holds no context aliases"
aliases=$(tr -d '\r' < "$TMP/help.ali" | sort)
expected=$'helpid1001=/simple-mode.htm\nhelpid1002=/menu-mode.htm\nhelpid1004=/spot-editor.htm\nhelpid1005=/converting.htm\nhelpid1006=/options.htm'
[ "$aliases" = "$expected" ] || fail "context aliases are: $aliases"
for page in index simple-mode menu-mode spot-editor cd-does-not-start options; do
  chmls list "$TMP/help.chm" | grep -q " /$page.htm\$" || fail "help.chm lacks /$page.htm"
done
echo "help.chm maps 1001, 1002, 1004, 1005 and 1006 to their pages"

# F1 in the editor opens help.chm beside it at the page of the panel on show; Wine's HTML Help names the
# page it looked up in its trace (it cannot show pages without its HTML engine add-on).
cp "$ORB_EDITOR" "$TMP/"
menu_title="Orbmenu v2.0 - (New project.obm)"
trap '{ wintool close "Orbmenu v2.0"; wintool close "$menu_title"; } >/dev/null 2>&1 || true; rm -rf "$TMP"' EXIT
( cd "$TMP" && WINEDEBUG=+htmlhelp run "./$(basename "$ORB_EDITOR")" 2>"$TMP/trace.log" ) & pid=$!
wintool wait "Orbmenu v2.0" 20000 >/dev/null || fail "the editor did not appear"
wintool key "Orbmenu v2.0" 0x70                  # F1 in the simple panel
# The help window takes a while to come up; a click sent meanwhile can be lost in its activation.
wintool wait "Orbmenu Help" 20000 >/dev/null || fail "F1 opened no help window"
sleep 1
# cmdani: over to the menu panel. The help window's start can swallow the first message posted to the
# editor; a click is sent again only when the title has not changed.
slid=""
for _ in 1 2 3; do
  wintool click "Orbmenu v2.0" "#104" || fail "no mode bar"
  wintool wait "$menu_title" 5000 >/dev/null && { slid=yes; break; }
done
[ -n "$slid" ] || fail "the menu panel did not come"
sleep 3                                          # the panel mark turns to the menu when the slide ends
wintool menu "$menu_title" "#206"                # Help, Contents (mnutopics)
sleep 2
# F1 in the Options and in the conversion window opens their own pages.
for entry in "205|Options for OBM" "204|Convert OBM Projects"; do
  wintool command "$menu_title" "${entry%%|*}"
  wintool wait "${entry#*|}" 10000 >/dev/null || fail "menu entry ${entry%%|*} opened no '${entry#*|}'"
  wintool key "${entry#*|}" 0x70
  sleep 2
  wintool close "${entry#*|}"
  wintool gone "${entry#*|}" 5000 || fail "'${entry#*|}' did not close"
done
wintool close "$menu_title"
wait $pid || fail "Orbmenu exited with $?"
pages=$(grep -o 'FindContextAlias returning "[^"]*"' "$TMP/trace.log" | cut -d'"' -f2 | tr '\n' ' ')
[ "$pages" = "/simple-mode.htm /menu-mode.htm /options.htm /converting.htm " ] || fail "help opened at: '$pages'"
grep -q 'HtmlHelpW (.*help.chm", command=HH_HELP_CONTEXT' "$TMP/trace.log" || fail "help.chm beside the editor was not opened"
echo "F1 and Help, Contents open the simple-mode and menu-mode pages; F1 the Options and conversion pages"
