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

# Menu buttons: five on the left; each spot's rollover picture is its lit button, placed where the
# background shows the unlit one.
labels=("Read Me" "Web Site" "Browse CD" "Watch Intro" "Exit")
names=(readme web browse video exit)
bx=40 by=140 bw=220 bh=46 gap=62

# Background 640x480: a night-blue gradient, an orbit drawing, the title and the unlit buttons.
args=(-size 640x480 gradient:'#0b1a3a'-'#1f4d7a'
  -fill none -stroke '#3d78b0' -strokewidth 2 -draw "ellipse 540,74 74,22 0,360"
  -stroke none -fill '#ffcc55' -draw "circle 540,74 540,58"
  -fill '#9fd0ff' -draw "circle 604,63 604,57"
  -font "$bold" -pointsize 38 -fill white -annotate +40+72 'Orbmenu Demo'
  -font "$font" -pointsize 16 -fill '#a9c8e8' -annotate +42+100 'An interactive CD menu made with Orbmenu')
for i in "${!labels[@]}"; do
  y=$((by + i * gap))
  args+=(-fill '#16335c' -stroke '#4f86bd' -strokewidth 2
    -draw "roundrectangle $bx,$y $((bx + bw - 1)),$((y + bh - 1)) 12,12"
    -stroke none -font "$font" -pointsize 20 -fill '#d8e8f8' -annotate +$((bx + 24))+$((y + 30)) "${labels[$i]}")
done
args+=(-fill '#0a1430' -stroke '#4f86bd' -strokewidth 1 -draw "rectangle 300,150 600,375"
  -stroke none -font "$font" -pointsize 14 -fill '#6f94bb' -annotate +392+268 'video plays here')
convert "${args[@]}" -quality 82 "$out/back.jpg"

# Rollover pictures are cut from the background, so that their corners match it, and lit.
for i in "${!labels[@]}"; do
  y=$((by + i * gap))
  convert "$out/back.jpg" -crop ${bw}x${bh}+$bx+$y +repage -fill '#ffcc55' -stroke '#fff0c0' -strokewidth 2 \
    -draw "roundrectangle 1,1 $((bw - 2)),$((bh - 2)) 12,12" \
    -stroke none -font "$bold" -pointsize 20 -fill '#1a2a48' -annotate +24+30 "${labels[$i]}" \
    -colors 64 "$out/${names[$i]}_on.gif"
done

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

# The file the "Read Me" spot opens.
printf '%s\r\n' 'Orbmenu Demo' '' \
  'This CD was made with Orbmenu. Move the mouse over the buttons on the left:' \
  'each one lights up and ticks; a click reads this file, opens a web page, shows' \
  'the CD in a folder window, plays a short video, or closes the menu.' >readme.txt

# The project. Its root folder line is a Windows folder; elsewhere give the copy's folder with --root.
{
  printf '%s\r\n' 'C:\OrbDemo\' 'Orbmenu Demo' 'imgmusic\cd.ico' 'imgmusic\start.wav' 'imgmusic\back.jpg' \
    'imgmusic\splash.jpg' ' 5 '
  targets=('readme.txt' 'http://www.example.com/' '' 'imgmusic\intro.avi' '')
  tips=('Read about this CD' 'Visit the web site' 'Look at the files on this CD' 'Play the intro video' 'Close the menu')
  actions=(1 2 3 5 6)
  for i in "${!labels[@]}"; do
    y=$((by + i * gap))
    cursor=''
    [ "${names[$i]}" = web ] && cursor='imgmusic\star.cur'
    video=(' 0 ' ' 0 ' ' 0 ' ' 0 ')
    [ "${names[$i]}" = video ] && video=(' 4500 ' ' 2250 ' ' 4500 ' ' 3375 ')
    printf '%s\r\n' "${labels[$i]}" "${tips[$i]}" " ${actions[$i]} " "${targets[$i]}" "imgmusic\\${names[$i]}_on.gif" \
      " $((bx * 15)) " " $((y * 15)) " 'imgmusic\move.wav' 'imgmusic\click.wav' "$cursor" "${video[@]}"
  done
} >demo.obm
ls -l "$out" readme.txt demo.obm
