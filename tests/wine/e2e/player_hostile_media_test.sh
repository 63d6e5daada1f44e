#!/usr/bin/env bash
# Hostile media never freeze, hang or kill the menu: for each file of make_hostile_media.sh as a video spot's
# target, or as a spot's move and click sound, the window answers within 200 ms of every click, the menu is
# still drawn afterwards, and the close box ends the player within 1 s. Two 8K clips played side by side and
# clicked in turn keep the player's memory bounded, and rounds of clicks leave no growing thread count.
# ORB_HOSTILE_RUNS (default 1) runs each case that many times and prints the failure rate instead of
# stopping at the first failure.
. "$(dirname "$0")/player_lib.sh"
runs=${ORB_HOSTILE_RUNS:-1}
convert -size 480x240 xc:'#3060C0' "BMP3:$CD/back.bmp"
convert -size 60x30 xc:'#FFFF00' "BMP3:$CD/over.bmp"
inf
bash "$(dirname "$0")/make_hostile_media.sh" "$CD/m" >"$TMP/cases"

# The Linux process of the running player (under Wine), for its memory and threads.
player_process() { for p in $(pgrep -f '^\./Orbstart\.exe'); do
  [ "$(readlink "/proc/$p/cwd")" = "$CD" ] && echo "$p"; done; }
status_kb() { awk -v k="$2:" '$1 == k {print $2}' "/proc/$1/status"; }

# menu_for VIDEO VIDEO2 SOUND: spot 1 plays VIDEO, spot 2 has SOUND as move and click sound, spot 3 plays
# VIDEO2 in a frame beside the first.
menu_for() {
  menu "Hostile" '\back.bmp' "" 3
  spot "V" 5 "${1:+\\m\\$1}" '\over.bmp' 300 150 "" "" "" 300 1500 2400 1800
  spot "S" 5 "" '\over.bmp' 2700 150 "${3:+\\m\\$3}" "${3:+\\m\\$3}"
  spot "W" 5 "${2:+\\m\\$2}" '\over.bmp' 5100 150 "" "" "" 5100 1500 2400 1800
}

# try CASE CLICKS...: one run of the player; each CLICKS is "SPOT COUNT". Sets why on a failure.
try() {
  local name=$1 spec spot count shot
  shift
  why=""
  start_player
  if ! wintool wait "Hostile" 30000 >/dev/null; then why="no menu"; kill_tree "$PLAYER_PID"; return 1; fi
  for spec in "$@"; do
    read -r spot count <<<"$spec"
    slowest=$(wintool clicks "Hostile" "$spot" "$count" | tr -d '\r') || { why="spot $spot: $slowest"; break; }
  done
  # Late failures (a decoder given up after seconds) must not stop the window either.
  if [ -z "$why" ]; then
    sleep 1
    wintool clicks "Hostile" 1 2 >/dev/null || why="no answer a second after the clicks"
  fi
  if [ -z "$why" ]; then
    shot=$(screenshot "hostile_$name")
    IFS=, read -r sx sy _ _ <<<"$(spot_rect "Hostile" 1)"
    # Between the spots, below the frames: the background, drawn.
    [ "$(pixel "$shot" $((sx + 170)) $((sy + 220)))" = "srgb(48,96,192)" ] || why="the menu is not drawn"
  fi
  closed=$(wintool closed "Hostile" 1000 | tr -d '\r') || why="${why:-the player outlived its close box by 1 s}"
  if ! player_ended 10; then kill_tree "$PLAYER_PID"; return 1; fi
  grep -qiE "unhandled exception|page fault" "$TMP/err" && why="${why:-the player crashed}"
  [ -z "$why" ]
}

failures=0
while read -r file kind; do
  if [ "$kind" = video ]; then
    menu_for "$file" "" ""
    clicks=("1 20")
    [ "$file" = zero-frames.mp4 ] && clicks=("1 100")
  else
    menu_for "" "" "$file"
    clicks=("2 5")
  fi
  bad=0
  for ((r = 1; r <= runs; r++)); do try "${file%.*}" "${clicks[@]}" || { bad=$((bad + 1)); echo "$file run $r: $why"; }; done
  echo "$file: $bad of $runs runs failed (slowest answer ${slowest:-?} ms, closed in ${closed:-?} ms)"
  failures=$((failures + bad))
done <"$TMP/cases"

# Two 8K clips side by side, clicked in turn: the player's peak memory stays bounded; three rounds of clicks
# on both leave no more threads or handles than the first.
menu_for 8k-a.mp4 8k-b.mp4 ""
start_player
wintool wait "Hostile" 30000 >/dev/null || fail "8K: no menu"
pid=$(player_process)
[ -n "$pid" ] || fail "8K: the player's process is not found"
threads=() handles=() resident=()
for round in 1 2 3; do
  for _ in $(seq 10); do
    wintool clicks "Hostile" 1 1 >/dev/null || fail "8K: no answer within 200 ms of a click"
    wintool clicks "Hostile" 3 1 >/dev/null || fail "8K: no answer within 200 ms of a click"
  done
  sleep 2
  threads+=("$(status_kb "$pid" Threads)")
  handles+=("$(wintool handles "Hostile" | tr -d '\r')")
  resident+=("$(($(status_kb "$pid" VmRSS) / 1024))")
done
peak=$(status_kb "$pid" VmHWM)
echo "8K pair: peak resident memory $((peak / 1024)) MB; after each round: threads ${threads[*]}," \
  "handles ${handles[*]}, resident MB ${resident[*]}"
# The shipped player is a 32-bit process without large addresses: 2 GB is all it has. (Under 64-bit Wine most of
# the peak is the decoder's own 8K pictures; the player keeps only box-sized frames.)
[ "$peak" -lt $((1700 * 1024)) ] || fail "8K pair: the player's memory peaked at $((peak / 1024)) MB"
[ "${threads[2]}" -le "${threads[0]}" ] || fail "8K pair: threads grew from ${threads[0]} to ${threads[2]}"
[ "${handles[2]}" -le $((handles[0] + 10)) ] || fail "8K pair: handles grew from ${handles[0]} to ${handles[2]}"
stop_player "Hostile"
no_crash

[ "$failures" -eq 0 ] || fail "$failures runs of hostile media failed"
echo "every hostile file left the menu answering and closing within 1 s"
