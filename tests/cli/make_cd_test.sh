#!/usr/bin/env bash
# orbmenu-cli make-cd and make-simple: the bundled demo becomes a CD root whose inspect output matches
# the project; checks, outside-root refusal, a missing player and the simple mode.
set -euo pipefail
cli=${ORB_CLI:?ORB_CLI must name orbmenu-cli}
src=${ORB_SOURCE_DIR:?ORB_SOURCE_DIR must name the source tree}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
py=$([ -x /usr/bin/python3 ] && echo /usr/bin/python3 || echo python3)
# run EXPECTED_STATUS CMD...: runs with stdout in $dir/out, stderr in $dir/err.
run() {
  local want=$1 status=0
  shift
  "$@" >"$dir/out" 2>"$dir/err" || status=$?
  [ "$status" = "$want" ] || { cat "$dir/err" >&2; fail "$*: exit $status, want $want"; }
}
has() { grep -qF -- "$1" "$dir/$2" || { cat "$dir/$2" >&2; fail "missing in $2: $1"; }; }

cd_root=$dir/demo-cd
cp -r "$src/examples/demo" "$cd_root"
printf 'MZ player' >"$dir/Orbstart.exe"

# Without --root the project's Windows root folder does not exist here.
run 1 "$cli" make-cd "$cd_root/demo.obm" --player "$dir/Orbstart.exe"
has "root folder (C:\\OrbDemo\\) does not exist here" err
[ ! -e "$cd_root/menu.cfg" ] || fail "files written although the root was missing"

run 0 "$cli" make-cd "$cd_root/demo.obm" --root "$cd_root" --player "$dir/Orbstart.exe" --no-runtime
has "All autorun files have been generated in the ($cd_root\\) folder." err
cmp -s "$dir/Orbstart.exe" "$cd_root/Orbstart.exe" || fail "player not copied"
[ ! -e "$cd_root/rtxcore.dll" ] || fail "runtime copied"
ls -a "$cd_root" | grep -q orbtmp && fail "temporary file left behind"
head -c 6 "$cd_root/menu.cfg" | od -c | grep -q 'r  \\n' || fail "menu.cfg lines do not end with CR LF"
grep -q $'^\\\\imgmusic\\\\extras.jpg\r$' "$cd_root/pages.cfg" || fail "pages.cfg lacks the Extras page"

# What the player reads back is the project.
"$cli" show "$cd_root/demo.obm" --root "$cd_root" >"$dir/show.json"
"$cli" inspect "$cd_root" >"$dir/inspect.json"
"$py" - "$dir/show.json" "$dir/inspect.json" "$cd_root" <<'PY' || fail "inspect does not match the project"
import json, sys
show, cd, root = json.load(open(sys.argv[1])), json.load(open(sys.argv[2])), sys.argv[3] + "\\"
def rel(path): return path[len(root) - 1:] if path else ""
problems = []
def same(what, a, b):
    if a != b: problems.append(f"{what}: project {a!r}, CD {b!r}")
same("menu mode", True, cd["menu_mode"])
same("title", show["cd_title"], cd["title"])
same("background", show["background_image"], cd["background"])
same("splash", show["splash_image"], cd["splash"])
same("icon", rel(show["cd_icon"]), cd["icon"])
same("start sound", rel(show["sound_file"]), cd["start_sound"])
same("start program", "", cd["start_program"])
same("spot count", len(show["spots"]), len(cd["spots"]))
assert len(show["spots"]) >= 5 and {1, 2, 3, 6, 8} <= {s["action"] for s in show["spots"]}
for i, (p, c) in enumerate(zip(show["spots"], cd["spots"]), 1):
    for a, b in [("tooltip", "tooltip"), ("action", "action"), ("rollover_image", "rollover"), ("x", "x"), ("y", "y"),
                 ("click_sound", "click_sound"), ("mouse_pointer", "cursor")]:
        same(f"spot {i} {a}", p[a], c[b])
    same(f"spot {i} target", p["target"], c["target"])
    same(f"spot {i} move sound", rel(p["move_sound"]), c["move_sound"])
    same(f"spot {i} video", [p["video_x"], p["video_y"], p["video_width"], p["video_height"]], c["video"])
print("\n".join(problems), file=sys.stderr)
sys.exit(1 if problems else 0)
PY

# Generating again replaces the output in place; a missing player is an error and no success follows.
run 1 "$cli" make-cd "$cd_root/demo.obm" --root "$cd_root" --player "$dir/none.exe"
has "error: Could not find Orbstart.exe. Please reinstall the software." err
grep -q "All autorun files" "$dir/err" && fail "success reported after a failed player copy"
cmp -s "$dir/Orbstart.exe" "$cd_root/Orbstart.exe" || fail "the previous player was lost"

# The runtime library is copied only where the system folder has one.
mkdir "$dir/system"
printf 'runtime' >"$dir/system/rtxcore.dll"
ORBMENU_SYSTEM_DIR=$dir/system run 0 "$cli" make-cd "$cd_root/demo.obm" --root "$cd_root" --player "$dir/Orbstart.exe"
cmp -s "$dir/system/rtxcore.dll" "$cd_root/rtxcore.dll" || fail "runtime not copied"

# A project file outside the root: refused without --force, listed with it.
sed 's/^imgmusic\\splash.jpg/\/elsewhere\/splash.jpg/' "$cd_root/demo.obm" >"$dir/outside.obm"
rm "$cd_root/menu.cfg"
run 1 "$cli" make-cd "$dir/outside.obm" --root "$cd_root" --player "$dir/Orbstart.exe"
has "splash image: /elsewhere/splash.jpg" err
has "use --force" err
[ ! -e "$cd_root/menu.cfg" ] || fail "menu.cfg written despite files outside the root"
run 0 "$cli" make-cd "$dir/outside.obm" --root "$cd_root" --player "$dir/Orbstart.exe" --force
has "warning: These files are not inside the root folder" err

# The editor's checks, in its words.
printf '%s\r\n' 'C:\x\' 'T' '' '' '' '' ' 0 ' >"$dir/empty.obm"
run 1 "$cli" make-cd "$dir/empty.obm" --root "$cd_root" --player "$dir/Orbstart.exe"
has "Please select a background image. It is required." err
printf '%s\r\n' 'C:\x\' 'T' '' '' 'b.jpg' '' ' 0 ' >"$dir/empty.obm"
run 1 "$cli" make-cd "$dir/empty.obm" --root "$cd_root" --player "$dir/Orbstart.exe"
has "Minimum one Menu spot is needed.Please Click Create." err
printf '%s\r\n' 'C:\x\' 'T' '' '' 'b.jpg' '' ' 2x ' >"$dir/empty.obm"
run 1 "$cli" make-cd "$dir/empty.obm"
has "empty.obm, line 7: the spot count is not a number from -32768 to 32767: \" 2x \"" err

# The simple mode: outside files are copied into the root itself.
simple=$dir/simple
mkdir -p "$simple/bin" "$dir/media"
printf 'exe' >"$simple/bin/setup.exe"
printf 'RIFF' >"$dir/media/intro.wav"
cp "$src/examples/demo/imgmusic/cd.ico" "$dir/media/"
run 0 "$cli" make-simple --root "$simple" --start "$simple/bin/setup.exe" --icon "$dir/media/cd.ico" \
  --sound "$dir/media/intro.wav" --args " -fullscreen " --player "$dir/Orbstart.exe" --no-runtime
cmp -s "$dir/media/intro.wav" "$simple/intro.wav" || fail "sound not copied into the root"
[ ! -e "$simple/setup.exe" ] || fail "a file inside the root was copied"
[ "$(cat "$simple/menu.cfg")" = $'false\r' ] || fail "simple menu.cfg"
"$cli" inspect "$simple" --player-folder D: >"$dir/simple.json"
"$py" -c '
import json, sys
j = json.load(open(sys.argv[1]))
assert j["start_program"] == "\\bin\\setup.exe", j
assert j["start_sound"] == "\\intro.wav", j
assert j["command_line"].rstrip() == "-fullscreen", j
assert j["icon"] == "\\cd.ico", j
' "$dir/simple.json" || fail "simple-mode CD root"
run 1 "$cli" make-simple --root "$simple" --start "$dir/none.exe" --player "$dir/Orbstart.exe"
has "none.exe: no such file" err
run 2 "$cli" make-simple --start x
has "--root DIR is required" err
run 1 "$cli" make-simple --root "$dir/nowhere"
has "nowhere: no such folder" err

for verb in show make-cd make-simple convert; do
  run 0 "$cli" "$verb" --help
  has "usage: orbmenu-cli $verb" out
done
# Every help ends its last line; --version prints the one version.
for verb in "" inspect show make-cd make-simple convert make-iso check sign; do
  [ "$("$cli" $verb --help | tail -c 1 | od -An -tx1)" = " 0a" ] || fail "$verb --help does not end with a newline"
done
run 0 "$cli" --version
version=$(sed -n 's/^#define ORB_VERSION_TEXT "\(.*\)"/\1/p' "$src/common/Version.h")
[ "$(cat "$dir/out")" = "orbmenu-cli $version" ] || fail "--version printed: $(cat "$dir/out")"
run 2 "$cli" make-cd "$cd_root/demo.obm" --colour
has "unknown option '--colour'" err
echo "make_cd_test: all passed"
