#!/usr/bin/env bash
# orbmenu-cli check: a clean demo project and root, then a root and a project that break in each way the
# check knows; text and JSON output, exit status.
. "$(dirname "$0")/lib.sh"

cd_root=$dir/demo-cd
cp -r "$src/examples/demo" "$cd_root"
cp "$src/tests/data/signing/unsigned-tiny.exe" "$dir/Orbstart.exe"

# Before make-cd the project is checked as it will be written: nothing wrong but the two intros that
# need Media Foundation.
run 0 "$cli" check "$cd_root/demo.obm" --root "$cd_root"
has "warning: $cd_root/imgmusic/intro.mp4: the page \"Extras\", spot 2 (Intro MP4): target (\\imgmusic\\intro.mp4) is MP4/MOV video" out
has "warning: $cd_root/imgmusic/intro.wmv: the page \"Extras\", spot 3 (Intro WMV): target (\\imgmusic\\intro.wmv) is WMV (ASF) video" out
has "0 errors, 2 warnings" out
run 2 "$cli" check "$cd_root/demo.obm" --from-root "$cd_root"
run 0 "$cli" make-cd "$cd_root/demo.obm" --root "$cd_root" --player "$dir/Orbstart.exe" --no-runtime
run 0 "$cli" check --from-root "$cd_root"
has "warning: $cd_root/imgmusic/intro.mp4: the page \"Extras\", spot 2: target (\\imgmusic\\intro.mp4) is MP4/MOV" out
has "0 errors, 2 warnings" out

# Break the root: a rollover gone, autorun.inf opening a name with blanks and naming a missing icon.
rollover=$(grep -m1 -o 'imgmusic\\[^\r]*\.gif' "$cd_root/menu.cfg" | tr '\\' /)
rm "$cd_root/$rollover"
printf '[AutoRun]\r\nopen=my player.exe\r\nICON=gone.ico,0\r\n' >"$cd_root/autorun.inf"
cp "$dir/Orbstart.exe" "$cd_root/my player.exe"
run 1 "$cli" check --from-root "$cd_root"
has "error: $cd_root/$rollover: the spot " out
has "rollover image does not exist" out
has "warning: $cd_root/gone.ico: the icon that autorun.inf names (ICON) does not exist" out
has "(\\my player.exe) has blanks in its name" out
has "1 error, 4 warnings" out
has "note: $cd_root/Orbstart.exe: the player is not signed" out
head -1 "$dir/out" | grep -q '^error:' || fail "errors are not listed first"

run 1 "$cli" check --from-root "$cd_root" --json
python3 - "$dir/out" <<'PY' || fail "JSON does not hold the findings"
import json, sys
doc = json.load(open(sys.argv[1]))
assert doc["errors"] == 1 and doc["warnings"] == 4, doc
assert [f["severity"] for f in doc["findings"]] == ["error"] + 4 * ["warning"] + 2 * ["note"], doc
assert "disc image will hold" in doc["findings"][5]["message"], doc
assert "player is not signed" in doc["findings"][6]["message"], doc
assert all(set(f) == {"severity", "file", "message"} for f in doc["findings"])
assert "\\" not in doc["findings"][0]["file"], doc  # the file as this system spells it
PY

# The root's pages as the player reads them: a renamed page leaves the start page's link dangling, and a
# pages.cfg of another version is refused.
sed -i '4s/.*/Gifts\r/' "$cd_root/pages.cfg"
run 1 "$cli" check --from-root "$cd_root"
has "error: $cd_root/menu.cfg: spot 4: Go to Page names the page \"Extras\", which does not exist" out
has "warning: $cd_root/pages.cfg: no spot leads to page \"Gifts\"" out
sed -i '1s/.*/Orbmenu pages 3\r/' "$cd_root/pages.cfg"
run 1 "$cli" check --from-root "$cd_root"
has "error: $cd_root/pages.cfg: pages.cfg, line 1: the pages are of another version" out

# A root without autorun.inf and with an unreadable menu.cfg.
rm "$cd_root/autorun.inf"
printf 'true\r\n' >"$cd_root/menu.cfg"
run 1 "$cli" check --from-root "$cd_root"
has "error: $cd_root/menu.cfg: menu.cfg, line 2" out
has "the root folder holds no autorun.inf" out

# A project naming a file outside its root, and a long title.
mkdir "$dir/plain" && cp -r "$src/examples/demo/." "$dir/plain/"
cp "$src/examples/demo/imgmusic/splash.jpg" "$dir/outside.jpg"
sed -i "2s|.*|A title much longer than thirty-two characters\r|; 6s|.*|$dir/outside.jpg\r|" "$dir/plain/demo.obm"
run 1 "$cli" check "$dir/plain/demo.obm" --root "$dir/plain"
has "error: $dir/outside.jpg: the splash image lies outside the root folder ($dir/plain/), so" out
has "warning: $dir/plain/menu.cfg: the CD title is 46 characters long" out
run 1 "$cli" check "$dir/plain/demo.obm" --root "$dir/plain" --json
grep -qF "outside the root folder ($dir/plain/)" "$dir/out" || fail "the JSON message spells the root as Windows does"

run 2 "$cli" check
run 1 "$cli" check "$dir/none.obm"
run 0 "$cli" check --help
has "check --from-root DIR" out

# Menu videos by content: an MP4 under the AVI's name needs Media Foundation, a Matroska file plays nowhere;
# the real AVI says nothing.
mkdir "$dir/video" && cp -r "$src/examples/demo/." "$dir/video/"
run 0 "$cli" check "$dir/video/demo.obm" --root "$dir/video"
! grep -q "intro.avi" "$dir/out" || fail "the AVI was reported: $(cat "$dir/out")"
printf '\0\0\0\x10ftypisom\0\0\0\0' >"$dir/video/imgmusic/intro.avi"
run 0 "$cli" check "$dir/video/demo.obm" --root "$dir/video"
has "warning: $dir/video/imgmusic/intro.avi: the page \"Extras\", spot 1 (Watch Intro): target " out
has "(\\imgmusic\\intro.avi) is MP4/MOV video, which the menu plays through Media Foundation" out
printf '\x1a\x45\xdf\xa3\x9f\x42\x86\x81\x01\x42\x82\x88matroska' >"$dir/video/imgmusic/intro.avi"
run 0 "$cli" check "$dir/video/demo.obm" --root "$dir/video"
has "is a Matroska (MKV) file, which the menu cannot play" out
# The same read from a written root's menu.cfg: spot 3 of the start page plays the intro there.
cp "$dir/Orbstart.exe" "$dir/player.exe"
printf '\0\0\0\x10ftypisom\0\0\0\0' >"$dir/video/imgmusic/intro.avi"
sed -i '38s/.*/ 5 \r/; 39s/.*/imgmusic\\intro.avi\r/' "$dir/video/demo.obm"
run 0 "$cli" make-cd "$dir/video/demo.obm" --root "$dir/video" --player "$dir/player.exe" --no-runtime
run 0 "$cli" check --from-root "$dir/video"
has "intro.avi) is MP4/MOV video, which the menu plays through Media Foundation" out

# A simple-mode root: the start program is opened by the player through the shell, so blanks in its name
# are no warning (they are where autorun.inf starts it).
mkdir "$dir/simple" && printf 'x' >"$dir/simple/read me.txt"
run 0 "$cli" make-simple --root "$dir/simple" --start "$dir/simple/read me.txt" --player "$dir/player.exe" --no-runtime
run 0 "$cli" check --from-root "$dir/simple"
! grep -q "blanks" "$dir/out" || fail "blanks warned in what the player opens: $(cat "$dir/out")"

# A page name beyond ASCII: page 1's link is Windows-1252 (the older layout), the name UTF-8 (the pages
# text); both are read as UTF-8, so the project and its root find the page and print its name once.
mkdir "$dir/accent" && cp -r "$src/examples/demo/." "$dir/accent/"
sed -i '53s/.*/Extr\xe9s\r/; 81s/.*/Extrés\r/' "$dir/accent/demo.obm"
run 0 "$cli" check "$dir/accent/demo.obm" --root "$dir/accent"
has "the page \"Extrés\", spot 2 (Intro MP4)" out
run 0 "$cli" make-cd "$dir/accent/demo.obm" --root "$dir/accent" --player "$dir/player.exe" --no-runtime
run 0 "$cli" check --from-root "$dir/accent"
has "the page \"Extrés\", spot 2: target" out
! grep -q "Go to Page" "$dir/out" || fail "the link to a non-ASCII page was lost: $(cat "$dir/out")"
