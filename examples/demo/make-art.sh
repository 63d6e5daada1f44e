#!/usr/bin/env bash
# Draws the bundled demo menu's pictures, sounds, video, icon and cursor, and writes its project file.
# The results are committed; run this again only to change the art. Needs ImageMagick, ffmpeg, sox,
# python3 and the DejaVu fonts.
set -euo pipefail
cd "$(dirname "$0")"
out=imgmusic
mkdir -p "$out"
font=DejaVu-Sans
bold=DejaVu-Sans-Bold
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Two pages. The start page: five buttons on the left, the fourth leading to the Extras page. The Extras
# page: the intro as AVI, MP4 and WMV beside the box it plays in, and a Back button. Each spot's rollover
# picture is its lit button, placed where the background shows the unlit one.
labels=("Read Me" "Web Site" "Browse CD" "Extras" "Exit")
names=(readme web browse extras exit)
xs=(40 40 40 40 40)
ys=(140 202 264 326 388)
x_labels=("Watch Intro" "Intro MP4" "Intro WMV" "Back")
x_names=(video mp4 wmv back)
x_xs=(40 40 40 40)
x_ys=(140 202 264 388)
w=220
inset=24
bh=46

# Pictures are drawn k times their size (k=2 for the @2x twins that high-DPI screens show) from the same
# drawing, so that a twin is the picture itself in finer pixels; K N prints N times k.
k=1
K() { echo $(($1 * k)); }
# draw_page OUT HEADING SUBTITLE VIDEO_BOX LABEL...: a 640x480 background (a night-blue gradient, an orbit
# drawing, the heading and the unlit buttons at the positions in px and py), with the video box or not.
draw_page() {
  local out=$1 heading=$2 subtitle=$3 box=$4
  shift 4
  local args=(-size "$(K 640)x$(K 480)" gradient:'#0b1a3a'-'#1f4d7a'
    -fill none -stroke '#3d78b0' -strokewidth "$(K 2)" -draw "ellipse $(K 540),$(K 74) $(K 74),$(K 22) 0,360"
    -stroke none -fill '#ffcc55' -draw "circle $(K 540),$(K 74) $(K 540),$(K 58)"
    -fill '#9fd0ff' -draw "circle $(K 604),$(K 63) $(K 604),$(K 57)"
    -font "$bold" -pointsize "$(K 38)" -fill white -annotate "+$(K 40)+$(K 72)" "$heading"
    -font "$font" -pointsize "$(K 16)" -fill '#a9c8e8' -annotate "+$(K 42)+$(K 100)" "$subtitle")
  local i=0 label
  for label in "$@"; do
    local x=${px[$i]} y=${py[$i]}
    # The right and bottom edges at the last pixel of the k x k block of the 1x picture's last pixel.
    args+=(-fill '#16335c' -stroke '#4f86bd' -strokewidth "$(K 2)"
      -draw "roundrectangle $(K x),$(K y) $(($(K $((x + w))) - 1)),$(($(K $((y + bh))) - 1)) $(K 12),$(K 12)"
      -stroke none -font "$font" -pointsize "$(K 20)" -fill '#d8e8f8' -annotate "+$(K $((x + inset)))+$(K $((y + 30)))" "$label")
    i=$((i + 1))
  done
  if [ "$box" = yes ]; then
    args+=(-fill '#0a1430' -stroke '#4f86bd' -strokewidth "$(K 1)" -draw "rectangle $(K 300),$(K 150) $(K 600),$(K 375)"
      -stroke none -font "$font" -pointsize "$(K 14)" -fill '#6f94bb' -annotate "+$(K 392)+$(K 268)" 'video plays here')
  fi
  convert "${args[@]}" -quality 82 "$out"
}

# cut_rollovers BACKGROUND NAME...: rollover pictures cut from the background, so that their corners match
# it, and lit; the labels are in lit_labels.
cut_rollovers() {
  local background=$1
  shift
  local i=0 name
  for name in "$@"; do
    local x=${px[$i]} y=${py[$i]}
    convert "$background" -crop "$(K w)x$(K bh)+$(K x)+$(K y)" +repage -fill '#ffcc55' -stroke '#fff0c0' \
      -strokewidth "$(K 2)" -draw "roundrectangle $(K 1),$(K 1) $(($(K $((w - 1))) - 1)),$(($(K $((bh - 1))) - 1)) $(K 12),$(K 12)" \
      -stroke none -font "$bold" -pointsize "$(K 20)" -fill '#1a2a48' -annotate "+$(K inset)+$(K 30)" "${lit_labels[$i]}" \
      -colors 64 "$out/${name}_on$suffix.gif"
    i=$((i + 1))
  done
}

for k in 1 2; do
  suffix=; [ $k = 1 ] || suffix=@${k}x
  px=("${xs[@]}") py=("${ys[@]}") lit_labels=("${labels[@]}")
  draw_page "$out/back$suffix.jpg" 'Orbmenu Demo' 'An interactive CD menu made with Orbmenu' no "${labels[@]}"
  cut_rollovers "$out/back$suffix.jpg" "${names[@]}"
  px=("${x_xs[@]}") py=("${x_ys[@]}") lit_labels=("${x_labels[@]}")
  draw_page "$out/extras$suffix.jpg" 'Extras' 'The intro, played in the menu three ways' yes "${x_labels[@]}"
  cut_rollovers "$out/extras$suffix.jpg" "${x_names[@]}"
done
k=1

# Splash picture and CD icon.
convert -size 400x240 gradient:'#1f4d7a'-'#0b1a3a' \
  -fill none -stroke '#ffcc55' -strokewidth 3 -draw "ellipse 200,120 170,60 0,360" \
  -stroke none -fill '#ffcc55' -draw "circle 200,120 200,92" \
  -font "$bold" -pointsize 30 -fill white -gravity south -annotate +0+18 'Orbmenu Demo' \
  -quality 85 "$out/splash.jpg"
convert -size 32x32 xc:none -fill '#1f4d7a' -draw "circle 15.5,15.5 15.5,1" \
  -fill none -stroke '#ffcc55' -strokewidth 2 -draw "ellipse 15.5,15.5 14,5 0,360" \
  -stroke none -fill '#ffcc55' -draw "circle 15.5,15.5 15.5,11" \
  \( +clone -resize 16x16 \) "$tmp/cd.ico"
cp "$tmp/cd.ico" "$out/cd.ico"

# A pointing-star cursor: an icon whose header says "cursor" and whose entry holds the hot spot.
convert -size 32x32 xc:none -fill '#ffcc55' -stroke '#402000' -strokewidth 1 \
  -draw "polygon 1,1 10,27 13,17 23,26 26,23 17,13 27,10" "$tmp/star.ico"
python3 - "$tmp/star.ico" "$out/star.cur" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], 'rb').read())
struct.pack_into('<H', data, 2, 2)        # resource type 2: cursor
struct.pack_into('<HH', data, 6 + 4, 1, 1)  # hot spot at the star's tip (1, 1)
open(sys.argv[2], 'wb').write(data)
PY

# Sounds: a rising chime at start, a soft tick on moving over a spot, a click.
sox -n -r 11025 -c 1 -b 8 "$out/start.wav" synth 0.25 sine 523 synth 0.25 sine 659 : \
  synth 0.25 sine 784 : synth 0.5 sine 1047 fade 0 0.5 0.4 vol 0.5
sox -n -r 22050 -c 1 -b 8 "$out/move.wav" synth 0.06 sine 1400 fade 0 0.06 0.05 vol 0.4
sox -n -r 22050 -c 1 -b 8 "$out/click.wav" synth 0.09 square 700 fade 0 0.09 0.08 vol 0.4

# A three-second intro video: Conway's life in the menu's colours, Motion JPEG in AVI.
ffmpeg -v error -y -f lavfi -i "life=s=160x120:r=8:ratio=0.12:death_color=#0b1a3a:life_color=#ffcc55:mold=8:mold_color=#1f4d7a" \
  -t 3 -c:v mjpeg -q:v 14 -pix_fmt yuvj420p "$out/intro.avi"

# The same intro as MP4 (H.264 and AAC) and as WMV, which a Windows 10/11 PC plays through Media
# Foundation; the start chime, padded to the clip's length, is their sound track.
ffmpeg -v error -y -i "$out/intro.avi" -i "$out/start.wav" -filter:a "apad,aresample=44100" -ac 1 -t 3 \
  -c:v libx264 -preset veryslow -crf 30 -pix_fmt yuv420p -c:a aac -b:a 32k -movflags +faststart \
  -map_metadata -1 -fflags +bitexact -flags:v +bitexact -flags:a +bitexact "$out/intro.mp4"
ffmpeg -v error -y -i "$out/intro.avi" -i "$out/start.wav" -filter:a "apad,aresample=44100" -ac 1 -t 3 \
  -c:v wmv2 -b:v 80k -c:a wmav2 -b:a 32k \
  -map_metadata -1 -fflags +bitexact -flags:v +bitexact -flags:a +bitexact "$out/intro.wmv"

# The file the "Read Me" spot opens.
printf '%s\r\n' 'Orbmenu Demo' '' \
  'This CD was made with Orbmenu. Move the mouse over the buttons on the left:' \
  'each one lights up and ticks; a click reads this file, opens a web page, shows' \
  'the CD in a folder window, turns to the Extras page, or closes the menu. On the' \
  'Extras page a short video plays as AVI, and as MP4 and WMV, the formats a' \
  'Windows 10 or 11 PC plays as it comes; Back (or Escape) returns.' >readme.txt

# spot_lines LABEL TIP ACTION TARGET NAME X Y: a spot's fourteen lines; a video plays in the box.
spot_lines() {
  local cursor='' video=(' 0 ' ' 0 ' ' 0 ' ' 0 ')
  [ "$5" = web ] && cursor='imgmusic\star.cur'
  [ "$3" = 5 ] && video=(' 4500 ' ' 2250 ' ' 4500 ' ' 3375 ')
  printf '%s\r\n' "$1" "$2" " $3 " "$4" "imgmusic\\$5_on.gif" " $(($6 * 15)) " " $(($7 * 15)) " \
    'imgmusic\move.wav' 'imgmusic\click.wav' "$cursor" "${video[@]}"
}

# The project: the start page in the older layout, the Extras page after its last spot. Its root folder
# line is a Windows folder; elsewhere give the copy's folder with --root.
{
  printf '%s\r\n' 'C:\OrbDemo\' 'Orbmenu Demo' 'imgmusic\cd.ico' 'imgmusic\start.wav' 'imgmusic\back.jpg' \
    'imgmusic\splash.jpg' " ${#labels[@]} "
  targets=('readme.txt' 'http://www.example.com/' '' 'Extras' '')
  tips=('Read about this CD' 'Visit the web site' 'Look at the files on this CD' 'The intro video, three ways' 'Close the menu')
  actions=(1 2 3 8 6)
  for i in "${!labels[@]}"; do
    spot_lines "${labels[$i]}" "${tips[$i]}" "${actions[$i]}" "${targets[$i]}" "${names[$i]}" "${xs[$i]}" "${ys[$i]}"
  done
  printf '%s\r\n' 'Orbmenu pages 1' 'Home' ' 1 ' 'Extras' 'Orbmenu Demo - Extras' 'imgmusic\extras.jpg' " ${#x_labels[@]} "
  targets=('imgmusic\intro.avi' 'imgmusic\intro.mp4' 'imgmusic\intro.wmv' '')
  tips=('Play the intro video' 'Play the intro as MP4 (Media Foundation)' 'Play the intro as WMV (Media Foundation)'
    'Back to the start page')
  actions=(5 5 5 9)
  for i in "${!x_labels[@]}"; do
    spot_lines "${x_labels[$i]}" "${tips[$i]}" "${actions[$i]}" "${targets[$i]}" "${x_names[$i]}" "${x_xs[$i]}" "${x_ys[$i]}"
  done
} >demo.obm
ls -l "$out" readme.txt demo.obm
