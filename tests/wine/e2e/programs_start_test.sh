#!/usr/bin/env bash
# Both programs start under Wine, show their main window with the right caption, and end cleanly on close.
. "$(dirname "$0")/lib.sh"
check_program() {
  local exe=$1 title=$2
  cp "$exe" "$TMP/"
  ( cd "$TMP" && run "./$(basename "$exe")" ) & local pid=$!
  wintool wait "$title" 20000 >/dev/null || { kill $pid; fail "$title did not appear"; }
  wintool close "$title"
  wait $pid || fail "$(basename "$exe") exited with $?"
}
check_program "$ORB_EDITOR" "Orbmenu v2.0"
check_program "$ORB_PLAYER" "Autorun Menu"
echo "programs start and close"
