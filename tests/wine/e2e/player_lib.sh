# Helpers of the player's end-to-end scripts: CD roots in $TMP, the player in the background, pixels.
. "$(dirname "$0")/lib.sh"
CD=$TMP/cd
mkdir -p "$CD"
cp "$ORB_PLAYER" "$CD/Orbstart.exe"

# crlf LINE...: appends each argument as one CR LF line to $CD/menu.cfg (or to $CFG).
crlf() { local l; for l in "$@"; do printf '%s\r\n' "$l" >>"${CFG:-$CD/menu.cfg}"; done; }
# menu TITLE BACKGROUND SPLASH COUNT: starts a menu-mode menu.cfg.
menu() { rm -f "$CD/menu.cfg"; crlf true "$2" "$1" "$3" " $4 "; }
# spot TIP ACTION TARGET ROLLOVER X Y [MOVE CLICK CURSOR VX VY VW VH]: one spot block (twips).
spot() {
  crlf "spot" "$1" " $2 " "$3" "$4" " $5 " " $6 " "${7:-}" "${8:-}" "${9:-}" " ${10:-0} " " ${11:-0} " \
    " ${12:-0} " " ${13:-0} "
}
inf() { printf '[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=%s\r\n' "${1:-Orbstart.exe}" >"$CD/autorun.inf"; }
# des PROGRAM SOUND COMMANDLINE: autorun.des as the editor writes it.
des() {
  python3 - "$CD/autorun.des" "$1" "$2" "$3" <<'PY'
import struct, sys
path, program, sound, command = sys.argv[1:]
text = (program + sound + command).encode("latin-1")[:300].ljust(300, b" ")
record = struct.pack("<hhhih", 0, len(program), len(command), 0, len(sound)) + text
open(path, "wb").write(record + b"\0" * (616 - len(record)))
PY
}

# start_player: runs the player from the CD root in the background; PLAYER_PID, exit code in $TMP/rc.
start_player() {
  rm -f "$TMP/rc"
  (cd "$CD" && if run ./Orbstart.exe >"$TMP/out" 2>"$TMP/err"; then echo 0; else echo $?; fi >"$TMP/rc.part" &&
    mv "$TMP/rc.part" "$TMP/rc") &
  PLAYER_PID=$!
}
# kill_tree PID: ends a process this script started and everything it started.
kill_tree() {
  local child
  for child in $(ps -o pid= --ppid "$1" 2>/dev/null); do kill_tree "$child"; done
  kill "$1" 2>/dev/null || true
}
# A failing check must not leave the player running (ctest would wait for it).
trap '[ -n "${PLAYER_PID:-}" ] && [ ! -f "$TMP/rc" ] && kill_tree "$PLAYER_PID"; rm -rf "$TMP"' EXIT
# player_ended SECONDS: true when the player has ended within that time.
player_ended() {
  local i
  for ((i = 0; i < $1 * 10; i++)); do [ -f "$TMP/rc" ] && return 0; sleep 0.1; done
  return 1
}
stop_player() { wintool close "$1" >/dev/null 2>&1 || true; player_ended 10 || kill_tree "$PLAYER_PID"; }
# pixel FILE X Y: the colour of one screenshot pixel as srgb(r,g,b).
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
# expect_pixel FILE X Y COLOUR WHAT
expect_pixel() {
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$5: pixel $2,$3 is $got, expected $4"
}
# spot_rect TITLE N: screen rectangle x,y,w,h of the Nth spot window of the menu titled TITLE.
spot_rect() { wintool text "$1" | tr -d '\r' | grep '^OrbstartSpot|' | sed -n "${2}p" | cut -d'|' -f3; }
# no_crash: the player did not die of an exception.
no_crash() { ! grep -qiE "unhandled exception|page fault" "$TMP/err" || fail "the player crashed: $(cat "$TMP/err")"; }
