#!/usr/bin/env bash
# orbmenu-cli import and show with pages: a three-page menu from JSON round-trips byte for byte, becomes
# a CD root with pages.cfg and is checked; each kind of bad JSON is named by its path and writes nothing.
. "$(dirname "$0")/lib.sh"
py=$([ -x /usr/bin/python3 ] && echo /usr/bin/python3 || echo python3)

cd_root=$dir/cd
mkdir -p "$cd_root/imgmusic"
for f in back.jpg extras.jpg docs.jpg over.gif; do printf x >"$cd_root/imgmusic/$f"; done
printf 'MZ player' >"$dir/Orbstart.exe"
r="$cd_root\\\\"
cat >"$dir/menu.json" <<JSON
{"root_folder": "$r", "cd_title": "Café CD", "background_image": "${r}imgmusic\\\\back.jpg",
 "spots": [{"name": "More", "action": 8, "target": "Extras", "rollover_image": "${r}imgmusic\\\\over.gif"}],
 "page_name": "Start",
 "pages": [
  {"name": "Extras", "cd_title": "Extras ?", "background_image": "${r}imgmusic\\\\extras.jpg",
   "spots": [{"name": "Docs", "action": 8, "target": "docs", "rollover_image": "${r}imgmusic\\\\over.gif", "x": 300},
             {"name": "Back", "action": 9, "rollover_image": "${r}imgmusic\\\\over.gif", "video_height": -1}]},
  {"name": "Docs", "cd_title": "Documents — ünicode", "background_image": "${r}imgmusic\\\\docs.jpg",
   "spots": [{"name": "Home", "action": 8, "target": "Start", "rollover_image": "${r}imgmusic\\\\over.gif"}]}]}
JSON

run 0 "$cli" import "$dir/menu.json" -o "$dir/menu.obm"
"$cli" show "$dir/menu.obm" >"$dir/show1.json"
run 0 "$cli" import "$dir/show1.json" -o "$dir/again.obm"
cmp -s "$dir/menu.obm" "$dir/again.obm" || fail "importing what show printed changed the file"
"$cli" show "$dir/again.obm" >"$dir/show2.json"
cmp -s "$dir/show1.json" "$dir/show2.json" || fail "show of the imported file differs"
"$py" - "$dir/show1.json" "$dir/menu.json" <<'PY' || fail "show does not print what was imported"
import json, sys
shown, given = (json.load(open(p)) for p in sys.argv[1:])
assert list(shown)[-2:] == ["page_name", "pages"], list(shown)
assert [list(p) for p in shown["pages"]] == [["name", "cd_title", "background_image", "spots"]] * 2
for page_shown, page_given in zip(shown["pages"], given["pages"]):
    for key in ("name", "cd_title", "background_image"):
        assert page_shown[key] == page_given[key], (key, page_shown[key])
assert shown["cd_title"] == "Café CD" and shown["page_name"] == "Start"
assert shown["pages"][0]["spots"][1]["video_height"] == -1 and shown["pages"][0]["spots"][0]["x"] == 300
PY
grep -q $'^imgmusic\\\\docs.jpg\r$' "$dir/menu.obm" || fail "page paths keep the root's text"

# -o does not replace a file without --force; with it the old file is replaced whole.
run 1 "$cli" import "$dir/menu.json" -o "$dir/again.obm"
has "again.obm exists already; give --force to replace it" err
printf 'old' >"$dir/again.obm"
run 0 "$cli" import "$dir/menu.json" -o "$dir/again.obm" --force
cmp -s "$dir/menu.obm" "$dir/again.obm" || fail "--force did not replace the file"
run 2 "$cli" import "$dir/menu.json"

# make-cd writes pages.cfg beside menu.cfg; the check reads every page; one page again removes it.
run 0 "$cli" make-cd "$dir/menu.obm" --player "$dir/Orbstart.exe" --no-runtime
grep -q $'^\\\\imgmusic\\\\extras.jpg\r$' "$cd_root/pages.cfg" || fail "pages.cfg lacks the Extras background"
run 0 "$cli" check "$dir/menu.obm"
has "0 errors, 0 warnings" out
"$py" - "$dir/menu.json" "$dir/broken.json" <<'PY'
import json, sys
j = json.load(open(sys.argv[1]))
j["pages"][1]["spots"][0]["target"] = "Nowhere"
json.dump(j, open(sys.argv[2], "w"))
PY
run 0 "$cli" import "$dir/broken.json" -o "$dir/broken.obm"
run 1 "$cli" check "$dir/broken.obm"
has "error: $cd_root/pages.cfg: page \"Docs\", spot 1 (Home): Go to Page names the page \"Nowhere\", which does not exist" out
has "1 error, 0 warnings" out
run 0 "$cli" make-iso "$dir/menu.obm" --player "$dir/Orbstart.exe" --no-runtime -o "$dir/menu.iso"
grep -qa "Documents" "$dir/menu.iso" || fail "the image lacks pages.cfg"
"$py" - "$dir/show1.json" "$dir/one.json" <<'PY'
import json, sys
j = json.load(open(sys.argv[1]))
del j["pages"], j["page_name"]
json.dump(j, open(sys.argv[2], "w"))
PY
run 0 "$cli" import "$dir/one.json" -o "$dir/one.obm"
run 0 "$cli" make-cd "$dir/one.obm" --player "$dir/Orbstart.exe" --no-runtime
[ ! -e "$cd_root/pages.cfg" ] || fail "a stale pages.cfg was left"

# Bad JSON: one message naming the path, nothing written.
bad() {  # bad PYTHON-EDIT MESSAGE
  "$py" -c "import json,sys; j=json.load(open(sys.argv[1])); $1; json.dump(j, open(sys.argv[2], 'w'))" \
    "$dir/menu.json" "$dir/bad.json"
  run 1 "$cli" import "$dir/bad.json" -o "$dir/bad.obm"
  has "bad.json: $2" err
  [ "$(wc -l <"$dir/err")" = 1 ] || fail "more than one message: $(cat "$dir/err")"
  [ ! -e "$dir/bad.obm" ] || fail "written despite: $2"
}
bad 'j["pages"][1]["spots"][0]["action"] = 12' "pages[1].spots[0].action: is 12, which is no action (the codes are 1 to 10)"
bad 'del j["pages"][0]["spots"][1]["name"]' "pages[0].spots[1].name: is missing"
bad 'j["spots"][0]["x"] = "10"' "spots[0].x: must be a whole number from -32768 to 32767"
bad 'j["spots"][0]["y"] = 40000' "spots[0].y: must be a whole number from -32768 to 32767"
bad 'j["pages"][1]["name"] = "START"' 'pages[1].name: "START" is the name of page_name already (page names are compared without case)'
bad 'j["pages"][0]["spots"][0]["tooltp"] = ""' "pages[0].spots[0].tooltp: is not a field of this object"
bad 'j["pages"] = {}' "pages: must be a list"
printf '{"root_folder": "x",\n "spots": [}' >"$dir/bad.json"
run 1 "$cli" import "$dir/bad.json" -o "$dir/bad.obm"
has "bad.json: not JSON: parse error at line 2" err
[ ! -e "$dir/bad.obm" ] || fail "written from broken JSON"

# Text in any script: the project file's older part and menu.cfg hold "?", the pages text the true text,
# which show, import and inspect (as the player reads it) give back.
mkdir -p "$dir/world" && for f in 日本語.bmp ファイル.txt Εικόνα.ico; do printf x >"$dir/world/$f"; done
w="$dir/world\\\\"
cat >"$dir/world.json" <<JSON
{"root_folder": "$w", "cd_title": "Σελίδα", "background_image": "${w}日本語.bmp", "cd_icon": "${w}Εικόνα.ico",
 "spots": [{"name": "🎬", "tooltip": "مرحبا", "action": 1, "target": "${w}ファイル.txt"}]}
JSON
run 0 "$cli" import "$dir/world.json" -o "$dir/world.obm"
grep -q $'^??????\r$' "$dir/world.obm" || fail "the project file's older part lacks the fallback title"
"$cli" show "$dir/world.obm" >"$dir/world1.json"
run 0 "$cli" import "$dir/world1.json" -o "$dir/world2.obm"
cmp -s "$dir/world.obm" "$dir/world2.obm" || fail "show and import changed the project in other scripts"
run 0 "$cli" make-cd "$dir/world.obm" --player "$dir/Orbstart.exe" --no-runtime
run 0 "$cli" inspect "$dir/world"
"$py" - "$dir/world1.json" "$dir/out" <<'PY' || fail "show or inspect lost a text in another script"
import json, sys
shown, read = (json.load(open(p)) for p in sys.argv[1:])
assert shown["cd_title"] == read["title"] == "Σελίδα" and "pages" not in shown, shown
assert shown["spots"][0]["name"] == "🎬" and read["spots"][0]["tooltip"] == "مرحبا", read
assert read["background"].endswith("日本語.bmp") and read["spots"][0]["target"].endswith("ファイル.txt"), read
assert read["icon"] == "\\Εικόνα.ico", read["icon"]
PY
[ "$(head -c 2 "$dir/world/autorun.inf" | od -An -tx1 | tr -d ' ')" = fffe ] || fail "autorun.inf is not UTF-16"
grep -q $'^\\\\???.bmp\r$' "$dir/world/menu.cfg" || fail "menu.cfg lacks the fallback background"
# A simple autorun's program and command line: autorun.des holds "?", pages.cfg the texts inspect gives.
run 0 "$cli" make-simple --root "$dir/world" --start "$dir/world/ファイル.txt" --args "-Σ" --player "$dir/Orbstart.exe" --no-runtime
run 0 "$cli" inspect "$dir/world"
"$py" - "$dir/out" <<'PY' || fail "inspect lost the simple autorun's texts in another script"
import json, sys
read = json.load(open(sys.argv[1]))
assert read["start_program"] == "\\ファイル.txt" and read["command_line"] == "-Σ", read
PY
grep -aq '????.txt' "$dir/world/autorun.des" || fail "autorun.des lacks the fallback program"
echo "import_test: all passed"
