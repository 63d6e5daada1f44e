#!/usr/bin/env bash
# Tools, Convert 1.x OBM Projects: without a file the window asks for one; with a 1.x project chosen in the
# open dialog it writes the 2.x file beside it, says so and closes; the 1.x file stays as it was.
. "$(dirname "$0")/lib.sh"
title="Orbmenu v2.0"
convert="Convert OBM Projects"
trap '{ wintool close "$title"; } >/dev/null 2>&1 || true; rm -rf "$TMP"' EXIT
mkdir -p "$TMP/cd"
printf 'C:\\cd\\\r\nMy CD\r\nC:\\cd\\cd.ico\r\n\r\nC:\\cd\\back.bmp\r\n 1 \r\nSpot\r\nTip\r\n4\r\n\r\nC:\\cd\\roll.bmp\r\n 15 \r\n 30 \r\n\r\n\r\n' \
  > "$TMP/cd/old.obm"
cp "$TMP/cd/old.obm" "$TMP/original.obm"
cp "$ORB_EDITOR" "$TMP/"
( cd "$TMP" && run "./$(basename "$ORB_EDITOR")" ) & pid=$!
wintool wait "$title" 20000 >/dev/null || fail "the editor did not appear"
wintool menu "$title" "#204"                 # Tools, Convert 1.x OBM Projects (mnuconvert)
wintool wait "$convert" 10000 >/dev/null || fail "no conversion window"

wintool click "$convert" "&Convert to OBM 2.x"
box=$(wintool msgbox 10000 | tr -d '\r') || fail "no message without a file"
[ "$box" = "Orbmenu|Please select OBM 1.x Project File first." ] || fail "without a file: $box"

wintool click "$convert" "#302"              # cmdindex: the open dialog
dialog="Select OBM 1.x Project File"
wintool wait "$dialog" 10000 >/dev/null || fail "no open dialog"
old="Z:${TMP//\//\\}\\cd\\old.obm"
wintool settext "$dialog" "#1148" "$old" || wintool settext "$dialog" "#1152" "$old" || fail "no file name field"
wintool menu "$dialog" "#1"                  # IDOK: Open
wintool gone "$dialog" 10000 || fail "the open dialog stayed"
wintool text "$convert" | grep -qF "Edit|$old|" || fail "txtfname: $(wintool text "$convert")"

wintool click "$convert" "&Convert to OBM 2.x"
box=$(wintool msgbox 10000 | tr -d '\r') || fail "no message after converting"
new="Z:${TMP//\//\\}\\cd\\old_2.xprj.obm"
[ "$box" = "Orbmenu|Project ($old) converted successfully to ($new)." ] || fail "after converting: $box"
wintool gone "$convert" 5000 || fail "the conversion window stayed open"
cmp -s "$TMP/cd/old.obm" "$TMP/original.obm" || fail "the 1.x file was changed"
expected='C:\cd\|My CD|cd.ico||back.bmp|| 1 |Spot|Tip|6||roll.bmp| 15 | 30 |||||||'
got=$(tr -d '\r' < "$TMP/cd/old_2.xprj.obm" | tr '\n' '|')
[ "$got" = "$expected|" ] || [ "$got" = "$expected" ] || fail "converted file: $got"
wintool close "$title"
wait $pid || fail "Orbmenu exited with $?"
echo "conversion window wrote $(basename "$new")"
