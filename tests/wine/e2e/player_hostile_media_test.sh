#!/usr/bin/env bash
# Hostile media never freeze, hang or kill the menu: for each file of make_hostile_media.sh as a video spot's
# target, or as a spot's move and click sound, the window answers within 200 ms of every click, the menu is
# still drawn afterwards, and the close box ends the player and its video decoders within 1 s. Two 8K clips
# played side by side and clicked in turn keep the player's memory under 200 MB (their decoders run in child
# processes), and rounds of clicks leave no growing thread, handle or decoder count.
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
# The player's decoder processes alive, their count, and the largest peak among them in MB.
decoder_processes() { local p; for p in $(pgrep -f 'orb-decode-video'); do
  tr '\0' ' ' <"/proc/$p/cmdline" 2>/dev/null | grep -qF "Z:${CD//\//\\}\\Orbstart.exe" && echo "$p"; done; }
decoders() { decoder_processes | wc -l; }
# decoders_gone: no decoder outlives the player by 1 s.
decoders_gone() { local i; for i in $(seq 10); do [ "$(decoders)" -eq 0 ] && return 0; sleep 0.1; done; return 1; }
decoder_peak() { local p kb m=0; for p in $(decoder_processes); do
  kb=$(status_kb "$p" VmHWM 2>/dev/null) || continue; [ "${kb:-0}" -le "$m" ] || m=$kb; done; echo $((m / 1024)); }

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
  decoders_gone || why="${why:-a decoder outlived the player by 1 s}"
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
threads=() handles=() resident=() children=() child_peak=0
for round in 1 2 3; do
  for _ in $(seq 10); do
    wintool clicks "Hostile" 1 1 >/dev/null || fail "8K: no answer within 200 ms of a click"
    wintool clicks "Hostile" 3 1 >/dev/null || fail "8K: no answer within 200 ms of a click"
  done
  sleep 2
  children+=("$(decoders)")
  p=$(decoder_peak); [ "$p" -le "$child_peak" ] || child_peak=$p
  threads+=("$(status_kb "$pid" Threads)")
  handles+=("$(wintool handles "Hostile" | tr -d '\r')")
  resident+=("$(($(status_kb "$pid" VmRSS) / 1024))")
done
peak=$(status_kb "$pid" VmHWM)
echo "8K pair: peak resident memory $((peak / 1024)) MB (a decoder's up to $child_peak MB); after each round:" \
  "threads ${threads[*]}, handles ${handles[*]}, resident MB ${resident[*]}, decoders ${children[*]}"
# The decoders keep the full 8K pictures; the player only box-sized frames.
[ "$peak" -lt $((200 * 1024)) ] || fail "8K pair: the player's memory peaked at $((peak / 1024)) MB"
[ "${children[2]}" -le 2 ] || fail "8K pair: ${children[2]} decoders run for two videos"
[ "${threads[2]}" -le "${threads[0]}" ] || fail "8K pair: threads grew from ${threads[0]} to ${threads[2]}"
[ "${handles[2]}" -le $((handles[0] + 10)) ] || fail "8K pair: handles grew from ${handles[0]} to ${handles[2]}"
stop_player "Hostile"
no_crash
decoders_gone || fail "8K pair: $(decoders) decoders outlived the player by 1 s"

[ "$failures" -eq 0 ] || fail "$failures runs of hostile media failed"
echo "every hostile file left the menu answering and closing within 1 s"
