#!/usr/bin/env bash
# The Help menu's own windows: About opens frmabout; Check for Update against a loopback web server opens the
# update window with the server's text for a newer version, says so for the same or an older one, and gives
# the connection-failed message for a file it cannot read and when no server listens.
. "$(dirname "$0")/lib.sh"
title="Orbmenu v2.0"
update="New Version  of Orbmenu is available"
mkdir -p "$TMP/www/ver"
python3 -u -m http.server --bind 127.0.0.1 --directory "$TMP/www" 0 >"$TMP/server.log" 2>&1 & server=$!
trap '{ kill $server; wintool close "$title"; } >/dev/null 2>&1 || true; rm -rf "$TMP"' EXIT
for _ in $(seq 1 50); do grep -q 'port [0-9]' "$TMP/server.log" && break; sleep 0.1; done
port=$(grep -o 'port [0-9]*' "$TMP/server.log" | head -1 | cut -d' ' -f2)
[ -n "$port" ] || fail "the loopback server did not start"
cp "$ORB_EDITOR" "$TMP/"
( cd "$TMP" && ORBMENU_UPDATE_SERVER="http://127.0.0.1:$port" run "./$(basename "$ORB_EDITOR")" ) & pid=$!
wintool wait "$title" 20000 >/dev/null || fail "the editor did not appear"
check() { wintool menu "$title" "#209"; }   # Help, Check for Update (mnuupdate)

wintool menu "$title" "#210"                 # Help, About (mnuabout)
wintool wait "About Orbmenu" 10000 >/dev/null || fail "no about window"
wintool text "About Orbmenu" | grep -q '^Static|Orbmenu version 2.0.0|' || fail "about: $(wintool text "About Orbmenu")"
wintool click "About Orbmenu" "OK"
wintool gone "About Orbmenu" 5000 || fail "OK left the about window open"

printf '2.1.0,Faster generation' > "$TMP/www/ver/obm.ver"
check
wintool wait "$update" 10000 >/dev/null || fail "no update window for 2.1.0"
wintool text "$update" | grep -q '^Edit|Faster generation|' || fail "update window text: $(wintool text "$update")"
wintool click "$update" "Close"
wintool gone "$update" 5000 || fail "Close left the update window open"

for version in 2.0.0 1.9; do
  printf '%s,Nothing new' "$version" > "$TMP/www/ver/obm.ver"
  check
  box=$(wintool msgbox 10000 | tr -d '\r') || fail "no message for $version"
  [ "$box" = "Orbmenu|You have the latest version." ] || fail "for $version: $box"
done

printf 'no comma here' > "$TMP/www/ver/obm.ver"
check
box=$(wintool msgbox 10000 | tr -d '\r') || fail "no message for a file without a comma"
[[ "$box" == "Connection failed.|Could not retrieve information from the server."* ]] || fail "no comma: $box"

kill $server; wait $server 2>/dev/null || true
check
box=$(wintool msgbox 10000 | tr -d '\r') || fail "no message without a server"
[ "$box" = "Connection failed.|Could not retrieve information from the server. Make sure you are online or try again later." ] ||
  fail "without a server: $box"
wintool wait "$title" 1000 >/dev/null || fail "the editor is gone"
wintool close "$title"
wait $pid || fail "Orbmenu exited with $?"
echo "about window; update window, latest-version and connection-failed messages as expected"
