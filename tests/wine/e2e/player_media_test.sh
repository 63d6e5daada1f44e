#!/usr/bin/env bash
# A video spot plays a real video in its frame through the media interface, with a real WAV as click and
# move sound; a second click and closing with the video open end cleanly.
. "$(dirname "$0")/player_lib.sh"
convert -size 320x240 xc:'#3060C0' "BMP3:$CD/back.bmp"
convert -size 60x30 xc:'#FFFF00' "BMP3:$CD/over.bmp"
ffmpeg -loglevel error -f lavfi -i color=c=red:s=160x120:d=4:r=10 -c:v rawvideo -pix_fmt bgr24 "$CD/movie.avi"
sox -n -r 8000 -c 1 -b 16 "$CD/click.wav" synth 0.3 sine 660 vol 0.1
menu "Media" '\back.bmp' "" 1
# The video frame: picture pixels (100, 100) to (260, 220).
spot "Play" 5 '\movie.avi' '\over.bmp' 150 150 '\click.wav' '\click.wav' "" 1500 1500 2400 1800
inf
start_player
wintool wait "Media" 20000 >/dev/null || fail "the menu window did not appear"
IFS=, read -r sx sy _ _ <<<"$(spot_rect "Media" 1)"
ox=$((sx - 10)) oy=$((sy - 10))
shot=$(screenshot player_media_before)
expect_pixel "$shot" $((ox + 180)) $((oy + 160)) "srgb(48,96,192)" "the hidden video frame"
xdotool mousemove $((ox + 30)) $((oy + 20)); sleep 0.3; xdotool mousemove $((ox + 31)) $((oy + 21)); sleep 0.5
xdotool click 1
sleep 2
shot=$(screenshot player_media_video)
colour=$(pixel "$shot" $((ox + 180)) $((oy + 160)))
[[ "$colour" =~ ^srgb\(2[0-9][0-9],[0-4]?[0-9],[0-4]?[0-9]\)$ ]] || fail "the video frame shows $colour, not the red video"
xdotool click 1  # the video's alias is still open: nothing restarts, nothing breaks
sleep 1
stop_player "Media"
[ "$(cat "$TMP/rc" 2>/dev/null)" = 0 ] || fail "closing the menu with a video did not end the player cleanly"
no_crash
echo "video plays in its frame; sounds and closing work"
