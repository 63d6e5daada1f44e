#!/usr/bin/env bash
# MP4 (H.264/AAC) and WMV video spots play in their frames, the right way up, through Media Foundation, an
# AVI beside them still through the media interface; a second click restarts nothing and closing ends the
# player cleanly.
# With Media Foundation switched off the player still starts and the MP4 spot falls back.
. "$(dirname "$0")/player_lib.sh"
convert -size 480x240 xc:'#3060C0' "BMP3:$CD/back.bmp"
convert -size 60x30 xc:'#FFFF00' "BMP3:$CD/over.bmp"
# Each video's colour over magenta, so that a picture drawn upside down shows.
video() { ffmpeg -loglevel error -f lavfi -i "color=c=$1:s=160x120:d=6:r=10" -f lavfi -i anullsrc=r=44100:cl=mono \
  -t 6 -vf "drawbox=x=0:y=60:w=160:h=60:color=magenta:t=fill" "${@:2}"; }
video lime -c:v libx264 -pix_fmt yuv420p -c:a aac -movflags +faststart "$CD/clip.mp4"
video red -c:v wmv2 -c:a wmav2 "$CD/clip.wmv"
ffmpeg -loglevel error -f lavfi -i color=c=white:s=160x120:d=6:r=10 -c:v rawvideo -pix_fmt bgr24 "$CD/movie.avi"
menu "Formats" '\back.bmp' "" 3
# Frames at picture pixels (20, 100), (180, 100) and (340, 100), each 160 by 120.
spot "MP4" 5 '\clip.mp4' '\over.bmp' 300 150 "" "" "" 300 1500 2400 1800
spot "WMV" 5 '\clip.wmv' '\over.bmp' 2700 150 "" "" "" 2700 1500 2400 1800
spot "AVI" 5 '\movie.avi' '\over.bmp' 5100 150 "" "" "" 5100 1500 2400 1800
inf

# click N: a click on spot N of the menu, after the pointer entered it.
click() {
  local sx sy
  IFS=, read -r sx sy _ _ <<<"$(spot_rect "Formats" "$1")"
  xdotool mousemove $((sx + 20)) $((sy + 10)); sleep 0.3; xdotool mousemove $((sx + 21)) $((sy + 11)); sleep 0.3
  xdotool click 1
}
# frame_colour N SHOT [DY]: the colour in the middle of spot N's video frame, or DY pixels below it.
frame_colour() { pixel "$2" $((ox + 100 + 160 * ($1 - 1))) $((oy + 160 + ${3:-0})); }

# play_all TRACE: starts the player with Media Foundation traced, clicks every spot, screenshots.
play_all() {
  rm -f "$TMP/err"
  start_player
  wintool wait "Formats" 20000 >/dev/null || fail "the menu window did not appear"
  IFS=, read -r sx sy _ _ <<<"$(spot_rect "Formats" 1)"
  ox=$((sx - 20)) oy=$((sy - 10))
  for n in 1 2 3; do click $n; done
  sleep 2
  shot=$(screenshot "player_mf_video_$1")
  for n in 1 2 3; do click $n; done  # aliases still open: nothing restarts, nothing breaks
  sleep 0.5
  stop_player "Formats"
  [ "$(cat "$TMP/rc" 2>/dev/null)" = 0 ] || fail "closing the menu with videos ($1) did not end the player cleanly"
  no_crash
}

# Only the player's own LoadLibrary brings the source reader in.
mf_loaded='Loaded L"C:\\windows\\system32\\mfreadwrite.dll"'
# The sound of those videos goes to the wave device (the AVI has none, the spots no sounds).
export WINEDEBUG=+loaddll,trace+winmm
play_all mf
grep -F -e "$mf_loaded" -e "waveOutOpen" -e "waveOutWrite dwBufferLength" "$TMP/err" >"$ORB_ARTIFACTS/player_mf_video.log"
grep -qF "$mf_loaded" "$TMP/err" || fail "no video went through Media Foundation"
blocks=$(grep -c "waveOutWrite dwBufferLength" "$TMP/err")
[ "$blocks" -gt 0 ] || fail "no sound of the videos reached the wave device"
echo "$blocks blocks of the videos' sound went to the wave device"
export WINEDEBUG=+loaddll
# A frame shows only when open, put and play all gave "Success"; the background means one failed.
want=("" '^srgb\([0-9]{1,2},2[0-9][0-9],[0-9]{1,2}\)$' '^srgb\(2[0-9][0-9],[0-9]{1,2},[0-9]{1,2}\)$')  # green, red
magenta='^srgb\(2[0-9][0-9],[0-9]{1,2},2[0-9][0-9]\)$'
for n in 1 2; do
  colour=$(frame_colour $n "$shot" -30) lower=$(frame_colour $n "$shot" 30)
  [ "$colour" != "srgb(48,96,192)" ] || fail "video $n did not play: its frame stays hidden"
  [[ "$colour" =~ ${want[$n]} && "$lower" =~ $magenta ]] || fail "video $n shows $colour over $lower, not its frames"
  echo "video $n shows its frames ($colour over $lower)"
done
[ "$(frame_colour 3 "$shot")" = "srgb(255,255,255)" ] || fail "the AVI frame shows $(frame_colour 3 "$shot")"

# Media Foundation missing, as on an N edition: the player starts, the AVI plays, the MP4 goes to the media
# interface (which may or may not show it).
export WINEDLLOVERRIDES="mfreadwrite=d"
play_all nomf
! grep -qF "$mf_loaded" "$TMP/err" || fail "Media Foundation was used although switched off"
[ "$(frame_colour 3 "$shot")" = "srgb(255,255,255)" ] || fail "without Media Foundation the AVI shows $(frame_colour 3 "$shot")"
echo "without Media Foundation the MP4 frame shows $(frame_colour 1 "$shot") through the media interface"
echo "MP4 and WMV through Media Foundation, AVI through the media interface; fallback works"
