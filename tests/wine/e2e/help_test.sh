#!/usr/bin/env bash
# help.chm as built maps the editor's context numbers to its pages, stored as in-file paths ("/page.htm");
# an absolute build-machine path there would leave every context pointing nowhere.
. "$(dirname "$0")/lib.sh"
chm=$(dirname "$ORB_WINE_RUN")/help/help.chm
[ -s "$chm" ] || fail "no help.chm at $chm"
cp "$chm" "$TMP/help.chm"
( cd "$TMP" && chmls extractalias help.chm >/dev/null )
[ -f "$TMP/help.ali" ] || fail "help.chm holds no context aliases"
aliases=$(tr -d '\r' < "$TMP/help.ali" | sort)
expected=$'helpid1001=/simple-mode.htm\nhelpid1002=/menu-mode.htm\nhelpid1004=/spot-editor.htm'
[ "$aliases" = "$expected" ] || fail "context aliases are: $aliases"
for page in index simple-mode menu-mode spot-editor; do
  chmls list "$TMP/help.chm" | grep -q " /$page.htm\$" || fail "help.chm lacks /$page.htm"
done
echo "help.chm maps 1001, 1002 and 1004 to their pages"
