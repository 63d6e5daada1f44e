# Shared helpers of the scripts that drive the real editor: its main window's titles, wintool without the
# CRs of Wine's console, and a clean-up that never leaves the editor running (ctest would wait for it).
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
title="Orbmenu v2.0"
menu_title="Orbmenu v2.0 - (New project.obm)"
editor_pid=
wt() { wintool "$@" | tr -d '\r'; }
cleanup() {
  set +e
  if [ -n "$editor_pid" ]; then
    wt close "$title" >/dev/null 2>&1
    wt close "$menu_title" >/dev/null 2>&1
    sleep 0.5
    # Whatever is left open (a message box, a quit prompt) must not keep the editor waiting.
    run taskkill /f /im Orbmenu.exe >/dev/null 2>&1
    kill "$editor_pid" 2>/dev/null
  fi
  rm -rf "$TMP"
}
trap cleanup EXIT
