#!/usr/bin/env bash
# Every caption of the editor's windows shows whole at 96, 120 and 144 DPI: the caption test program runs
# once per display DPI (the prefix's LogPixels, read when a program starts).
. "$(dirname "$0")/lib.sh"
set_dpi() { run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
trap 'set_dpi 96; rm -rf "$TMP"' EXIT
tests_exe=$(dirname "$ORB_WINTOOL")/win_caption_tests.exe
for dpi in 96 120 144; do
  set_dpi $dpi
  run "$tests_exe" >"$TMP/captions_$dpi.log" 2>&1 || { cat "$TMP/captions_$dpi.log"; fail "captions cut at $dpi DPI"; }
done
echo "every caption shows whole at 96, 120 and 144 DPI"
