#!/usr/bin/env bash
# A menu of three pages in one window, driven by the mouse and by the keys: each page's background, size,
# title, frame or shape and spots (as a screen reader reads them), the way back by Go Back, Escape,
# Backspace and Alt+Left, a video stopped by a page change, and Escape on page 1 closing the menu. Texts
# outside the code page: a page titled in Greek whose spot has a Greek tooltip, a rollover named in
# Japanese and runs a batch file named in Japanese; page 1's code-page text (menu.cfg) comes through too.
# Then the language versions: the one of the user's UI language (German, Japanese) at start, and a Switch
# Language spot.
. "$(dirname "$0")/player_lib.sh"
# Wine takes the UI language from the locale: the road through the pages is English's, the default language.
unset LC_ALL LC_MESSAGES
export LANG=C.UTF-8
msaa() { run "$(dirname "$ORB_WINTOOL")/msaatool.exe" "$@"; }
convert -size 320x240 xc:'#3060C0' "BMP3:$CD/home.bmp"
convert -size 400x300 xc:'#30C060' "BMP3:$CD/extras.bmp"
# Docs is shaped: its white margin (the top-left pixel's colour) is cut away.
convert -size 300x200 xc:white -fill '#C03060' -draw 'rectangle 20,20 279,179' "BMP3:$CD/docs.bmp"
convert -size 80x40 xc:'#FF0000' "BMP3:$CD/over1.bmp"
convert -size 60x30 xc:'#FFFF00' "BMP3:$CD/over2.bmp"
convert -size 80x40 xc:'#FF00FF' "BMP3:$CD/日本語.bmp"
printf '@echo off\r\necho started > "%%~dp0started.txt"\r\n' >"$CD/ファイル.bat"
ffmpeg -loglevel error -f lavfi -i color=c=red:s=160x120:d=20:r=10 -c:v rawvideo -pix_fmt bgr24 "$CD/movie.avi"
menu "Pages Home" '\home.bmp' "" 4
spot "To Extras" 8 " extras " '\over1.bmp' 300 300
spot "Play" 5 '\movie.avi' '\over2.bmp' 3000 300 "" "" "" 1500 1500 2400 1800
spot "To Docs" 8 "Docs" '\over2.bmp' 300 2700
spot "$(printf 'To Gr\xe8ce')" 8 "Greek" '\over2.bmp' 3000 2700  # menu.cfg is in the code page (1252)
CFG=$CD/pages.cfg crlf "Orbmenu pages 2" "Home" " 3 " "Extras" "Pages Extras" '\extras.bmp' " 3 "
CFG=$CD/pages.cfg spot "Back" 9 "" '\over1.bmp' 300 300
CFG=$CD/pages.cfg spot "To Docs" 8 "docs" '\over2.bmp' 300 3000
CFG=$CD/pages.cfg spot "Japanese" 10 "ja" '\over2.bmp' 3000 300
CFG=$CD/pages.cfg crlf "Docs" "?Docs" '\docs.bmp' " 2 "
CFG=$CD/pages.cfg spot "Home" 8 "HOME" '\over1.bmp' 600 600
CFG=$CD/pages.cfg spot "Back" 9 "" '\over2.bmp' 600 1800
greek="Σελίδα Ελληνικά"
CFG=$CD/pages.cfg crlf "Greek" "$greek" '\home.bmp' " 1 "
CFG=$CD/pages.cfg spot "Εκκίνηση" 1 '\ファイル.bat' '\日本語.bmp' 300 300
CFG=$CD/pages.cfg crlf en " 2 " de " 2 " "title 1" "Menue DE" "title 2" "Extras DE" \
  ja " 2 " "title 1" "Menu JA" "title 2" "Extras JA"
inf
blue="srgb(48,96,192)" green="srgb(48,192,96)" rose="srgb(192,48,96)" red="srgb(255,0,0)"
magenta="srgb(255,0,255)"
xdotool mousemove 0 0
start_player

# page NAME TITLE: waits for the window to show the page; x y w h hold its rectangle.
page() {
  local rect
  rect=$(wintool wait "$2" 10000 | tr -d '\r') || fail "$1: no window titled '$2'"
  IFS=, read -r x y w h <<<"$rect"
}
# children TITLE COUNT NAME...: the reader client sees COUNT children of these names, in order.
children() {
  local title=$1 count=$2 list n=1 name
  shift 2
  list=$(msaa children "$title" | tr -d '\r') || fail "$title: the reader client could not read it"
  grep -q "^children $count$" <<<"$list" || fail "$title: children as read: $list"
  grep -q "^0|$title|client|" <<<"$list" || fail "$title: the window's name as read: $list"
  for name in "$@"; do
    grep -q "^$n|$name|push button|" <<<"$list" || fail "$title: child $n as read: $list"
    n=$((n + 1))
  done
}
# click X Y: a real pointer click at a point of the page's client area (origin ox, oy).
click() { xdotool mousemove $((ox + $1)) $((oy + $2)); sleep 0.3; xdotool mousemove $((ox + $1 + 1)) $((oy + $2)) click 1; }
# focus_menu PATTERN: gives the X focus to the window whose title matches, which Wine's unmanaged windows
# do not always take by themselves.
focus_menu() { xdotool search --name "$1" | head -1 | xargs xdotool windowfocus; sleep 0.3; }
# titled TITLE: the id of the visible X window whose name, read back as UTF-8, is TITLE; waits up to 10 s.
titled() {
  local id
  for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id" && return 0
    done
    sleep 0.2
  done
  return 1
}

page home "Pages Home"
home_x=$x home_y=$y home_w=$w home_h=$h
IFS=, read -r sx sy _ _ <<<"$(spot_rect "Pages Home" 1)"
ox=$((sx - 20)) oy=$((sy - 20))
shot=$(screenshot player_pages_home)
expect_pixel "$shot" $((ox + 300)) $((oy + 230)) "$blue" "page 1's background"
children "Pages Home" 4 "To Extras" "Play" "To Docs" "To Grèce"

# By the mouse: a video plays on page 1, then Go to Page: the window keeps its place, takes the page's
# size, title and background, and the video and its frame are gone.
click 220 30
sleep 2
shot=$(screenshot player_pages_video)
colour=$(pixel "$shot" $((ox + 180)) $((oy + 160)))
[[ "$colour" =~ ^srgb\(2[0-9][0-9],[0-4]?[0-9],[0-4]?[0-9]\)$ ]] || fail "the video frame shows $colour, not the red video"
click 40 30
page extras "Pages Extras"
[ "$x,$y" = "$home_x,$home_y" ] || fail "page 2 moved the window from $home_x,$home_y to $x,$y"
[ $((w - home_w)),$((h - home_h)) = 80,60 ] || fail "page 2's window is ${w}x$h after ${home_w}x$home_h"
extras_w=$w extras_h=$h
sleep 0.5
shot=$(screenshot player_pages_extras)
expect_pixel "$shot" $((ox + 380)) $((oy + 280)) "$green" "page 2's background"
expect_pixel "$shot" $((ox + 180)) $((oy + 160)) "$green" "the stopped video's frame"
# The pointer rests where page 1's spot was: page 2's spot there is lit.
expect_pixel "$shot" $((ox + 90)) $((oy + 50)) "$red" "the spot under the resting pointer"
! wintool text "Pages Extras" | grep -q OrbstartVideoFrame || fail "the video frame of page 1 is still there"
children "Pages Extras" 3 "Back" "To Docs" "Japanese"

# A shaped page after a framed one: the window loses its frame and takes the outline.
click 40 215
page docs "?Docs"
[ "$(wintool region "?Docs" | tr -d '\r')" != none ] || fail "the shaped page has no region"
[ "$w,$h" = 300,200 ] || fail "the shaped page's window is ${w}x$h"
sleep 0.5
shot=$(screenshot player_pages_docs)
expect_pixel "$shot" $((x + 200)) $((y + 100)) "$rose" "page 3's background"
children "?Docs" 2 "Home" "Back"

# By the keys: Escape goes back along the road taken, the framed page gets its frame back.
focus_menu '^\?Docs$'
xdotool key Escape
page "Escape on page 3" "Pages Extras"
[ "$w,$h" = "$extras_w,$extras_h" ] || fail "back on page 2 the window is ${w}x$h"
[ "$(wintool region "Pages Extras" | tr -d '\r')" = none ] || fail "the framed page kept the outline"
focus_menu "^Pages Extras$"
xdotool key Escape
page "Escape on page 2" "Pages Home"
[ "$x,$y,$w,$h" = "$home_x,$home_y,$home_w,$home_h" ] || fail "back on page 1 the window is at $x,$y,$w,$h"

# Enter on a Go to Page spot: readers hear the children change, then the focus on the new page's first spot.
focus_menu "^Pages Home$"
xdotool key Home  # the first spot has the focus already: the keys have been used
sleep 0.5
rm -f "$TMP/hooked"
msaa events "Pages Home" 10000 "Z:$TMP/hooked" 2 >"$TMP/events" &
hook=$!
for _ in $(seq 100); do [ -f "$TMP/hooked" ] && break; sleep 0.1; done
[ -f "$TMP/hooked" ] || fail "the reader client could not hook events"
xdotool key Return
page "Enter" "Pages Extras"
wait $hook || fail "events after Enter: $(cat "$TMP/events")"
[ "$(tr -d '\r' <"$TMP/events" | tr '\n' ,)" = "reorder -4 0,focus -4 1," ] || fail "events: $(cat "$TMP/events")"
msaa children "Pages Extras" | tr -d '\r' | grep -q '^1|Back|push button|.*|focusable focused|' ||
  fail "the new page's first spot does not have the focus"
xdotool key BackSpace
page "Backspace" "Pages Home"
xdotool key alt+Left  # page 1 reached from no other: nothing
sleep 0.5
wintool wait "Pages Home" 100 >/dev/null || fail "Alt+Left on page 1 left it"

# The Greek page: its title read back from X and by the reader client, the rollover named in Japanese lit
# under the pointer, the batch file named in Japanese started by a click, and Escape back to page 1.
click 220 190
titled "$greek" >/dev/null || fail "no window titled '$greek' after the Go to Page click"
children "$greek" 1 "Εκκίνηση"
xdotool mousemove $((ox + 50)) $((oy + 35)); sleep 0.3; xdotool mousemove $((ox + 51)) $((oy + 35)); sleep 0.5
shot=$(screenshot player_pages_greek)
expect_pixel "$shot" $((ox + 60)) $((oy + 50)) "$magenta" "the rollover named in Japanese"
click 50 35
for _ in $(seq 100); do [ -f "$CD/started.txt" ] && break; sleep 0.1; done
[ -f "$CD/started.txt" ] || fail "the batch file named in Japanese did not start"
# The started console took the activation: come back to the menu as a user would, on its background.
sleep 0.5
xdotool mousemove $((ox + 250)) $((oy + 200)) click 1
sleep 0.5
xdotool key Escape
page "Escape on the Greek page" "Pages Home"
focus_menu "^Pages Home$"
xdotool key Escape
player_ended 10 || fail "Escape on page 1 did not close the menu"
[ "$(cat "$TMP/rc")" = 0 ] || fail "the player ended with $(cat "$TMP/rc")"
no_crash

# The user's UI language chooses the version; the locales Wine reads it from are made for this test alone.
mkdir -p "$TMP/locales"
for l in de_DE ja_JP; do
  localedef -i $l -f UTF-8 "$TMP/locales/$l.UTF-8" >/dev/null 2>&1 || [ -d "$TMP/locales/$l.UTF-8" ] ||
    fail "the locale $l.UTF-8 cannot be made (localedef and the locale sources are needed)"
done
LOCPATH=$TMP/locales LANG=de_DE.UTF-8 start_player
page "German" "Menue DE"
IFS=, read -r sx sy _ _ <<<"$(spot_rect "Menue DE" 1)"
ox=$((sx - 20)) oy=$((sy - 20))
click 40 30
page "German page 2" "Extras DE"
click 220 30  # Switch Language to Japanese: the same page again, the road back kept
page "Switch Language" "Extras JA"
click 40 30
page "Back after the switch" "Menu JA"
stop_player "Menu JA"
LOCPATH=$TMP/locales LANG=ja_JP.UTF-8 start_player
page "Japanese" "Menu JA"
stop_player "Menu JA"
no_crash
echo "three pages by mouse, keys and reader client: backgrounds, sizes, shape, way back and video stop work;" \
  "the UI language's version shows and Switch Language changes it"
