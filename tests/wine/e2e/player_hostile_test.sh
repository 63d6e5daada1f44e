#!/usr/bin/env bash
# Hostile CD roots never kill, hang or confuse the real player: each shows a menu or a readable message
# soon after a plain menu would, and the player stays alive until it is closed.
. "$(dirname "$0")/player_lib.sh"
convert -size 40x20 xc:'#0000FF' "BMP3:$CD/over.bmp"
inf

# bmp FILE W H PATTERN: a 24-bit BMP; PATTERN "checker" (one-pixel checkerboard) or "bricks" (runs and gaps
# of 10 pixels, every other row shifted by 10: too wide to close, too far apart to align).
bmp() {
  python3 - "$@" <<'PY'
import struct, sys
path, w, h, kind = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
stride = (w * 3 + 3) & ~3
rows = []
for y in range(h - 1, -1, -1):
    row = bytearray()
    for x in range(w):
        on = (x + y) % 2 == 1 if kind == "checker" else ((x + (y % 2) * 10) // 10) % 2 == 1
        row += b"\x40\x80\x30" if on else b"\xff\x00\xff"
    rows.append(bytes(row) + b"\0" * (stride - 3 * w))
data = b"".join(rows)
header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
open(path, "wb").write(header + info + data)
PY
}

now_ms() { date +%s%3N; }
# A plain menu first: its start time is what every hostile case may add 5 s to.
convert -size 64x48 xc:navy "BMP3:$CD/back.bmp"
menu "Plain" '\back.bmp' "" 1
spot "" 7 "" '\over.bmp' 0 0
t0=$(now_ms)
start_player
wintool wait "Plain" 30000 >/dev/null || fail "a plain menu did not appear"
plain=$(($(now_ms) - t0))
stop_player "Plain"
limit=$((plain + 5000))
echo "plain menu after ${plain} ms; every case must answer within ${limit} ms"

# menu_within CASE TITLE: the menu window titled TITLE appears in time and the player lives on; RECT is
# the window's rectangle.
menu_within() {
  local t0
  t0=$(now_ms)
  start_player
  RECT=$(wintool wait "$2" "$limit" | tr -d '\r') || fail "$1: no menu within ${limit} ms"
  echo "$1: menu after $(($(now_ms) - t0)) ms"
  sleep 0.5
  [ ! -f "$TMP/rc" ] || fail "$1: the player ended by itself (exit code $(cat "$TMP/rc")): $(cat "$TMP/err")"
}
# closes_cleanly CASE TITLE
closes_cleanly() {
  stop_player "$2"
  [ "$(cat "$TMP/rc" 2>/dev/null)" = 0 ] || fail "$1: closing did not end the player cleanly"
  no_crash
}
# message_within CASE PATTERN: one readable message box in time, matching PATTERN; the player then ends.
message_within() {
  local t0 box
  t0=$(now_ms)
  start_player
  box=$(wintool msgbox "$limit" | tr -d '\r') || fail "$1: no message within ${limit} ms"
  echo "$1: message after $(($(now_ms) - t0)) ms: $box"
  [ "${#box}" -lt 400 ] || fail "$1: the message is ${#box} characters long"
  ! grep -q '???' <<<"$box" || fail "$1: the message is unreadable: $box"
  grep -qE "$2" <<<"$box" || fail "$1: the message does not say $2: $box"
  player_ended 10 || fail "$1: the player did not end after its message"
  no_crash
}

# A shaped menu over a one-pixel checkerboard: its region is simplified, not refused by the X server.
bmp "$CD/busy.bmp" 640 480 checker
menu "Busy?" '\busy.bmp' "" 1
spot "" 7 "" '\over.bmp' 0 0
menu_within "busy outline" "Autorun Menu"
IFS=, read -r _ _ ww wh <<<"$RECT"
[ "$ww,$wh" = "640,480" ] || fail "busy outline: the shaped window is ${ww}x$wh, not 640x480"
rects=$(wintool region "Autorun Menu" | tr -d '\r')
echo "busy outline: region of $rects rectangles"
[[ "$rects" =~ ^[0-9]+$ ]] && [ "$rects" -ge 1 ] && [ "$rects" -le 16384 ] ||
  fail "busy outline: the region holds '$rects' rectangles"
closes_cleanly "busy outline" "Autorun Menu"

# An outline that stays too busy however it is simplified: the menu is shown framed, without a region.
bmp "$CD/bricks.bmp" 800 500 bricks
menu "Bricks?" '\bricks.bmp' "" 1
spot "" 7 "" '\over.bmp' 0 0
menu_within "too busy outline" "Autorun Menu"
IFS=, read -r _ _ ww wh <<<"$RECT"
[ "$ww" -gt 800 ] && [ "$wh" -gt 500 ] || fail "too busy outline: the window is ${ww}x$wh, not framed"
[ "$(wintool region "Autorun Menu" | tr -d '\r')" = none ] || fail "too busy outline: the window has a region"
closes_cleanly "too busy outline" "Autorun Menu"

# A 10 MB title, tooltip and move sound path: the menu comes in time, its caption cut to what a title bar
# shows.
ten_mb() { head -c $((10 * 1024 * 1024)) /dev/zero | tr '\0' "$1"; }
menu "$(ten_mb c)" '\back.bmp' "" 1
spot "$(ten_mb t)" 7 "" '\over.bmp' 0 0 "\\$(ten_mb m).wav"
caption="$(printf '%*s' 252 '' | tr ' ' c)..."
menu_within "huge texts" "$caption"
closes_cleanly "huge texts" "$caption"

# A 10 MB rollover path: the message shows the path's start, an ellipsis and the file name.
menu "Long path" '\back.bmp' "" 1
spot "" 7 "" "\\$(ten_mb p)\\over.bmp" 0 0
message_within "huge rollover path" '^Orbstart\|.*pppp\.\.\.\\over\.bmp: the rollover picture of spot 1 '

# A 70 MB menu.cfg is named as too large, with the limit.
menu "Large" '\back.bmp' "" 1
spot "" 7 "" '\over.bmp' 0 0
truncate -s 70M "$CD/menu.cfg"
message_within "huge menu.cfg" 'menu\.cfg: the file is too large: the player reads files of at most 64 MB'
echo "hostile CD roots give a menu or a readable message, and the player never dies"
