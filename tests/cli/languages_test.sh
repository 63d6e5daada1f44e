#!/usr/bin/env bash
# Language versions through the command line: a Greek menu with Japanese, Arabic and German versions
# round-trips through import and show byte for byte, reaches pages.cfg, inspect and check; bad versions
# are refused by their JSON path.
. "$(dirname "$0")/lib.sh"
py=$([ -x /usr/bin/python3 ] && echo /usr/bin/python3 || echo python3)

cd_root=$dir/cd
mkdir -p "$cd_root/imgmusic"
for f in back.jpg extras.jpg extras-ja.jpg over.gif; do printf x >"$cd_root/imgmusic/$f"; done
printf 'MZ player' >"$dir/Orbstart.exe"
r="$cd_root\\\\"
cat >"$dir/menu.json" <<JSON
{"root_folder": "$r", "cd_title": "My CD", "background_image": "${r}imgmusic\\\\back.jpg",
 "spots": [{"name": "More", "tooltip": "More", "action": 8, "target": "Extras", "rollover_image": "${r}imgmusic\\\\over.gif"},
           {"name": "Deutsch", "action": 10, "target": "DE", "rollover_image": "${r}imgmusic\\\\over.gif"}],
 "pages": [{"name": "Extras", "cd_title": "Επιπλέον", "background_image": "${r}imgmusic\\\\extras.jpg",
            "spots": [{"name": "Back", "tooltip": "Πίσω", "action": 9, "rollover_image": "${r}imgmusic\\\\over.gif"}]}],
 "default_language": "el",
 "languages": [
  {"tag": "ja", "texts": [{"page": 2, "field": "title", "value": "おまけ 🎁"},
                          {"page": 2, "field": "background", "value": "${r}imgmusic\\\\extras-ja.jpg"},
                          {"page": 2, "spot": 1, "field": "tooltip", "value": "戻る"}]},
  {"tag": "ar", "texts": [{"page": 1, "spot": 1, "field": "tooltip", "value": "المزيد 😀"}]},
  {"tag": "de", "texts": []}]}
JSON

run 0 "$cli" import "$dir/menu.json" -o "$dir/menu.obm"
"$cli" show "$dir/menu.obm" >"$dir/show1.json"
run 0 "$cli" import "$dir/show1.json" -o "$dir/again.obm"
cmp -s "$dir/menu.obm" "$dir/again.obm" || fail "importing what show printed changed the file"
"$py" - "$dir/show1.json" "$dir/menu.json" <<'PY' || fail "show does not print the versions imported"
import json, sys
shown, given = (json.load(open(p)) for p in sys.argv[1:])
assert list(shown)[-2:] == ["default_language", "languages"], list(shown)
assert shown["languages"] == given["languages"], shown["languages"]
assert shown["pages"][0]["cd_title"] == "Επιπλέον"
PY
grep -q $'^Orbmenu pages 2\r$' "$dir/menu.obm" || fail "the project file lacks version 2"
grep -q $'^imgmusic\\\\extras-ja.jpg\r$' "$dir/menu.obm" || fail "a version's path keeps the root's text"

# The CD root: pages.cfg of version 2, read by the player's reader; check notes what each version lacks.
run 0 "$cli" make-cd "$dir/menu.obm" --player "$dir/Orbstart.exe" --no-runtime
grep -q $'^\\\\imgmusic\\\\extras-ja.jpg\r$' "$cd_root/pages.cfg" || fail "pages.cfg lacks ja's background"
run 0 "$cli" inspect "$cd_root"
"$py" - "$dir/out" <<'PY' || fail "inspect does not show the versions"
import json, sys
j = json.load(open(sys.argv[1]))
assert j["default_language"] == "el", j
assert j["languages"] == [{"tag": "ja", "texts": 3}, {"tag": "ar", "texts": 1}, {"tag": "de", "texts": 0}], j["languages"]
PY
run 0 "$cli" check "$dir/menu.obm"
has "0 errors, 0 warnings" out
has "note: $cd_root/pages.cfg: the language version \"ja\" falls back to the default language for the title of page 1, the background of page 1, the tooltip of spot 1 of page 1, the rollover" out
has "the tooltip of spot 1 of page 2 and 1 more" out
run 0 "$cli" check --from-root "$cd_root"

# What the check refuses: a tag of no language, one used twice, a switch to a language the menu lacks.
edit() {  # edit PYTHON-EDIT: $dir/bad.json from menu.json
  "$py" -c "import json,sys; j=json.load(open(sys.argv[1])); $1; json.dump(j, open(sys.argv[2], 'w'))" \
    "$dir/menu.json" "$dir/bad.json"
}
edit 'j["spots"][1]["target"] = "fr"'
run 0 "$cli" import "$dir/bad.json" -o "$dir/bad.obm"
run 1 "$cli" check "$dir/bad.obm"
has "error: $cd_root/menu.cfg: spot 2 (Deutsch): Switch Language names the language \"fr\", which the menu has no version of" out

# Import: one message naming the path, nothing written.
bad() {  # bad PYTHON-EDIT MESSAGE
  edit "$1"
  rm -f "$dir/bad.obm"
  run 1 "$cli" import "$dir/bad.json" -o "$dir/bad.obm"
  has "bad.json: $2" err
  [ ! -e "$dir/bad.obm" ] || fail "written despite: $2"
}
bad 'j["languages"][1]["tag"] = "ar_EG"' 'languages[1].tag: "ar_EG" is not a language tag'
bad 'j["languages"][2]["tag"] = "JA"' 'languages[2].tag: "JA" is the tag of languages[0].tag already'
bad 'j["default_language"] = "greek language"' 'default_language: "greek language" is not a language tag'
bad 'j["languages"][0]["texts"][0]["field"] = "caption"' 'languages[0].texts[0].field: "caption" is no field of a language version'
bad 'j["languages"][0]["texts"][0]["lang"] = "x"' 'languages[0].texts[0].lang: is not a field of this object'
bad 'j["languages"][0]["texts"][2]["spot"] = 2' 'languages[0].texts[2].spot: is 2, but page 2 has 1 spot'
bad 'j["languages"][0]["texts"][0]["page"] = 3' 'languages[0].texts[0].page: is 3, but the project has pages 1 to 2'
echo "languages_test: all passed"
