#!/usr/bin/env bash
# orbmenu-cli show and convert: a project as JSON (relocated, Windows-1252 read as UTF-8), bad files, and
# the 1.x conversion beside the old file.
set -euo pipefail
cli=${ORB_CLI:?ORB_CLI must name orbmenu-cli}
src=${ORB_SOURCE_DIR:?ORB_SOURCE_DIR must name the source tree}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
py=$([ -x /usr/bin/python3 ] && echo /usr/bin/python3 || echo python3)
json() { "$py" -c "import json,sys; j=json.load(open(sys.argv[2])); print($1)" "$1" "$2"; }
expect() { local got; got=$(json "$1" "$dir/out.json"); [ "$got" = "$2" ] || fail "$1: got '$got', want '$2'"; }

printf 'C:\\MyCd\\\r\nMy CD \xe9\r\n\r\n\r\nimgmusic\\back.jpg\r\n\r\n 1 \r\n Start\r\nRun setup\r\n 1 \r\nsetup.exe\r\nimgmusic\\over.gif\r\n 1200 \r\n 900 \r\n   \r\n\r\n\r\n\r\n\r\n 0 \r\n 0 \r\n' >"$dir/p.obm"
"$cli" show "$dir/p.obm" >"$dir/out.json"
expect 'list(j)' "['root_folder', 'cd_title', 'cd_icon', 'sound_file', 'background_image', 'splash_image', 'spots']"
expect 'list(j["spots"][0])' "['name', 'tooltip', 'action', 'target', 'rollover_image', 'x', 'y', 'move_sound', 'click_sound', 'mouse_pointer', 'video_x', 'video_y', 'video_width', 'video_height']"
expect 'j["root_folder"], j["cd_title"], j["background_image"]' 'C:\MyCd\ My CD é C:\MyCd\imgmusic\back.jpg'
expect 'repr(j["spots"][0]["name"]), j["spots"][0]["target"], j["spots"][0]["x"], j["spots"][0]["y"]' "' Start' C:\\MyCd\\setup.exe 1200 900"
expect 'repr(j["spots"][0]["move_sound"]), j["spots"][0]["video_x"], j["spots"][0]["video_height"]' "'   ' 0 0"

mkdir "$dir/cd"
"$cli" show "$dir/p.obm" --root "$dir/cd/" >"$dir/out.json"
expect 'j["root_folder"]' "$dir/cd\\"
expect 'j["spots"][0]["rollover_image"]' "$dir/cd\\imgmusic\\over.gif"

# A bad file: file, line and problem on stderr, exit 1.
head -n 7 "$dir/p.obm" >"$dir/short.obm"
status=0
"$cli" show "$dir/short.obm" >"$dir/out.json" 2>"$dir/err" || status=$?
[ $status = 1 ] || fail "short file: exit $status"
grep -qF "short.obm, line 8: the file ends early: this line (the name of spot 1) is missing" "$dir/err" || fail "message: $(cat "$dir/err")"
status=0
"$cli" show "$dir/none.obm" 2>"$dir/err" || status=$?
[ $status = 1 ] && grep -qF "none.obm: cannot be read" "$dir/err" || fail "missing file: $(cat "$dir/err")"

# The demo project loads and names every kind of spot, on its two pages.
"$cli" show "$src/examples/demo/demo.obm" >"$dir/out.json"
expect 'sorted({s["action"] for s in j["spots"] + j["pages"][0]["spots"]}), j["page_name"], j["pages"][0]["name"]' '[1, 2, 3, 5, 6, 8, 9] Home Extras'

# 1.x conversion: the new file lies beside the old one and loads; the old one is unchanged.
printf 'C:\\Old\\\r\nOld\r\nC:\\Old\\cd.ico\r\n\r\nC:\\Old\\back.jpg\r\n1\r\nGo\r\ntip\r\n4\r\n\r\nC:\\Old\\o.gif\r\n10\r\n20\r\n\r\n\r\n' >"$dir/old.obm"
cp "$dir/old.obm" "$dir/old.copy"
"$cli" convert "$dir/old.obm" >"$dir/new.txt"
[ "$(cat "$dir/new.txt")" = "$dir/old_2.xprj.obm" ] || fail "convert printed $(cat "$dir/new.txt")"
cmp -s "$dir/old.obm" "$dir/old.copy" || fail "the 1.x file changed"
"$cli" show "$dir/old_2.xprj.obm" >"$dir/out.json"
expect 'j["cd_icon"], j["spots"][0]["action"], j["splash_image"] == ""' 'C:\Old\cd.ico 6 True'
# A name without ".obm" is not written over.
cp "$dir/old.obm" "$dir/OLD.OBM"
"$cli" convert "$dir/OLD.OBM" >"$dir/new.txt"
[ "$(cat "$dir/new.txt")" = "$dir/OLD.OBM_2.xprj.obm" ] || fail "convert printed $(cat "$dir/new.txt")"
cmp -s "$dir/OLD.OBM" "$dir/old.copy" || fail "OLD.OBM was written over"
printf 'C:\\Old\\\r\nOld\r\n\r\n\r\n\r\nmany\r\n' >"$dir/bad.obm"
status=0
"$cli" convert "$dir/bad.obm" >"$dir/new.txt" 2>"$dir/err" || status=$?
[ $status = 1 ] && grep -qF "bad.obm, line 6: the spot count is not a number" "$dir/err" || fail "bad 1.x file: $(cat "$dir/err")"
[ ! -e "$dir/bad_2.xprj.obm" ] || fail "a half-written file was left"
echo "project_test: all passed"
