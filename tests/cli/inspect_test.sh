#!/usr/bin/env bash
# orbmenu-cli inspect: what the player reads from a CD root, and the player's message on a broken file.
set -euo pipefail
cli=${ORB_CLI:?ORB_CLI must name orbmenu-cli}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# The system's Python starts in a fraction of the time a version manager's shim takes.
py=$([ -x /usr/bin/python3 ] && echo /usr/bin/python3 || echo python3)
# json EXPR FILE: evaluates a Python expression over the parsed JSON object `j`.
json() { "$py" -c "import json,sys; j=json.load(open(sys.argv[2])); print($1)" "$1" "$2"; }
expect() { local got; got=$(json "$1" "$dir/out.json"); [ "$got" = "$2" ] || fail "$1: got '$got', want '$2'"; }

root=$dir/cd
mkdir "$root"
printf 'true\r\n\\imgmusic\\back.jpg\r\nMy CD \xe9\x80\r\n\r\n 1 \r\nStart\r\nRun setup\r\n 1 \r\n\\setup.exe\r\n\\imgmusic\\over.gif\r\n 1200 \r\n 900 \r\n\r\n\r\n\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n' >"$root/menu.cfg"
printf '[AutoRun]\r\nOPEN=Orbstart.exe\r\nIcon=\\imgmusic\\cd.ico\r\n' >"$root/autorun.inf"

# The worked example from drive D:, with no autorun.des (empty entries).
"$cli" inspect "$root" --player-folder D: >"$dir/out.json"
expect 'j["menu_mode"]' True
expect 'j["background"]' 'D:\imgmusic\back.jpg'
expect 'j["title"]' 'My CD é€'
expect 'j["splash"]' ''
expect 'len(j["spots"])' 1
expect 'j["spots"][0]["target"]' 'D:\setup.exe'
expect 'j["spots"][0]["rollover"]' 'D:\imgmusic\over.gif'
expect 'j["spots"][0]["action"], j["spots"][0]["x"], j["spots"][0]["y"]' '1 1200 900'
expect 'j["spots"][0]["tooltip"], j["spots"][0]["has_move_sound"], j["spots"][0]["video"]' 'Run setup False [0, 0, 0, 0]'
expect 'repr(j["start_program"] + j["start_sound"] + j["command_line"])' "''"
expect 'j["icon"]' '\imgmusic\cd.ico'
expect 'list(j)' "['menu_mode', 'background', 'title', 'splash', 'spots', 'start_program', 'start_sound', 'command_line', 'icon']"

# The default player folder is DIR without its trailing separator.
"$cli" inspect "$root/" >"$dir/out.json"
expect 'j["background"]' "$root\\imgmusic\\back.jpg"

# A menu of several pages: the pages after the first, as the player reads them; their text is UTF-8.
printf 'Orbmenu pages 1\r\nStart\r\n 1 \r\nExtras\r\n?Extras \xc3\xa9\xe2\x82\xac\r\n\\imgmusic\\extras.jpg\r\n 1 \r\nBack\r\nZur\xc3\xbcck\r\n 9 \r\n\r\n\\imgmusic\\back.gif\r\n 15 \r\n 30 \r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n' >"$root/pages.cfg"
"$cli" inspect "$root" --player-folder D: >"$dir/out.json"
expect 'len(j["spots"]), len(j["pages"]), list(j["pages"][0])' "1 1 ['name', 'title', 'background', 'spots']"
expect 'j["pages"][0]["name"], j["pages"][0]["title"], j["pages"][0]["background"]' 'Extras ?Extras é€ D:\imgmusic\extras.jpg'
expect 'j["pages"][0]["spots"][0]["tooltip"], j["pages"][0]["spots"][0]["action"], j["pages"][0]["spots"][0]["rollover"]' 'Zurück 9 D:\imgmusic\back.gif'
printf 'Orbmenu pages 3\r\n' >"$root/pages.cfg"
status=0
"$cli" inspect "$root" >"$dir/out.json" 2>"$dir/err.txt" || status=$?
[ $status = 1 ] && grep -q "pages.cfg, line 1: the pages are of another version" "$dir/err.txt" || fail "newer pages.cfg: exit $status, $(cat "$dir/err.txt")"
rm "$root/pages.cfg"

# The simple mode: menu fields empty, descriptor entries as read with their filler blanks, no autorun.inf.
rm "$root/autorun.inf"
printf 'false\r\n' >"$root/menu.cfg"
{
  printf '\0\0\x12\0\x0b\0\0\0\0\0\x13\0'
  printf '%s' '\imgmusic\demo.exe\imgmusic\intro.mp3-fullscreen'
  printf '%252s' ''
  head -c 304 /dev/zero
} >"$root/autorun.des"
[ "$(stat -c %s "$root/autorun.des")" = 616 ] || fail "test descriptor is not 616 bytes"
"$cli" inspect "$root" --player-folder=E: >"$dir/out.json"
expect 'j["menu_mode"], j["spots"], repr(j["background"])' "False [] ''"
expect 'j["start_program"]' '\imgmusic\demo.exe'
expect 'j["start_sound"]' '\imgmusic\intro.mp3'
expect 'j["command_line"] == "-fullscreen" + " " * 252' True
expect 'j["icon"]' None

# A broken menu.cfg: the player's message on stderr, nothing on stdout, exit 1.
printf 'true\r\n\\b.jpg\r\nT\r\n\r\n 3x \r\n' >"$root/menu.cfg"
status=0
"$cli" inspect "$root" >"$dir/out.json" 2>"$dir/err.txt" || status=$?
[ $status = 1 ] || fail "broken menu.cfg: exit $status, want 1"
[ ! -s "$dir/out.json" ] || fail "broken menu.cfg: output on stdout"
grep -qF "$root/menu.cfg, line 5: expected the number of menu spots" "$dir/err.txt" || fail "message: $(cat "$dir/err.txt")"

# A missing menu.cfg and an autorun.inf cut short are failures too; usage errors exit 2.
rm "$root/menu.cfg"
status=0; "$cli" inspect "$root" >/dev/null 2>"$dir/err.txt" || status=$?
[ $status = 1 ] && grep -qF "$root/menu.cfg: " "$dir/err.txt" || fail "missing menu.cfg: exit $status"
printf 'false\r\n' >"$root/menu.cfg"
printf '[AutoRun]\r\n' >"$root/autorun.inf"
status=0; "$cli" inspect "$root" >/dev/null 2>"$dir/err.txt" || status=$?
[ $status = 1 ] && grep -qF "autorun.inf, line 2: expected" "$dir/err.txt" || fail "short autorun.inf: exit $status"
rm "$root/autorun.inf"
rm "$root/autorun.des" && ln -s /dev/zero "$root/autorun.des"
status=0; "$cli" inspect "$root" >/dev/null 2>"$dir/err.txt" || status=$?
[ $status = 1 ] && grep -qF "autorun.des: the file is missing or cannot be read" "$dir/err.txt" || fail "device: exit $status"
status=0; "$cli" inspect >/dev/null 2>&1 || status=$?
[ $status = 2 ] || fail "no DIR: exit $status, want 2"
"$cli" inspect --help | grep -q 'usage: orbmenu-cli inspect DIR' || fail "inspect --help"
"$cli" --help | grep -q 'inspect' || fail "--help lists inspect"
echo "inspect: all checks passed"
