#!/usr/bin/env bash
# orbmenu-cli.exe under Wine against the Linux orbmenu-cli of the same commit: every verb run on its own
# copy of the demo writes the same bytes (roots with diff -r, images with cmp), prints the same JSON once
# each side's root is written as ROOT and CR LF as LF, and ends with the same exit codes on mistakes. The
# Windows side works in a folder whose name is not ASCII, so its paths go through the ANSI code page.
. "$(dirname "$0")/lib.sh"
lin=$ORB_NATIVE_BIN_DIR/cli/orbmenu-cli
[ -x "$lin" ] || fail "no native orbmenu-cli in ORB_NATIVE_BIN_DIR ($ORB_NATIVE_BIN_DIR)"
# The Windows name of a Linux path (Wine's Z: drive is /).
winpath() { printf 'Z:%s' "${1//\//\\}"; }
win() { run "$ORB_WINCLI" "$@"; }
# Dates past the copies' own: both images get the same dates, whenever the copies were made.
export SOURCE_DATE_EPOCH=1700000000
player=$TMP/Orbstart.exe
cp "$ORB_PLAYER" "$player"
for side in lin wïn; do
  mkdir -p "$TMP/$side"
  for case in cd simple iso; do
    cp -r "$ORB_SOURCE_DIR/examples/demo" "$TMP/$side/$case"
    rm -f "$TMP/$side/$case/make-art.sh"
  done
done
# same WHAT: both sides' outputs of one verb are the same bytes.
same() { diff -r "$TMP/lin/$1" "$TMP/wïn/$1" >"$TMP/diff" || fail "$1 differs: $(head -20 "$TMP/diff")"; }

# Generation: make-cd, make-simple and make-iso.
"$lin" make-cd "$TMP/lin/cd/demo.obm" --root "$TMP/lin/cd" --player "$player" --no-runtime 2>/dev/null ||
  fail "make-cd failed on Linux"
win make-cd "$(winpath "$TMP/wïn/cd/demo.obm")" --root "$(winpath "$TMP/wïn/cd")" \
  --player "$(winpath "$player")" --no-runtime 2>"$TMP/err" || fail "make-cd failed: $(cat "$TMP/err")"
# The success message names the root as the user gave it, with backslashes.
grep -qF "$(winpath "$TMP/wïn/cd")\\" "$TMP/err" || fail "make-cd's message: $(cat "$TMP/err")"
same cd
"$lin" make-simple --root "$TMP/lin/simple" --start "$TMP/lin/simple/readme.txt" --player "$player" \
  --no-runtime 2>/dev/null || fail "make-simple failed on Linux"
win make-simple --root "$(winpath "$TMP/wïn/simple")" --start "$(winpath "$TMP/wïn/simple/readme.txt")" \
  --player "$(winpath "$player")" --no-runtime 2>"$TMP/err" || fail "make-simple failed: $(cat "$TMP/err")"
same simple
"$lin" make-iso "$TMP/lin/iso/demo.obm" --root "$TMP/lin/iso" --player "$player" --no-runtime \
  -o "$TMP/lin/demo.iso" 2>/dev/null >/dev/null || fail "make-iso failed on Linux"
win make-iso "$(winpath "$TMP/wïn/iso/demo.obm")" --root "$(winpath "$TMP/wïn/iso")" \
  --player "$(winpath "$player")" --no-runtime -o "$(winpath "$TMP/wïn/demo.iso")" 2>"$TMP/err" >/dev/null ||
  fail "make-iso failed: $(cat "$TMP/err")"
cmp "$TMP/lin/demo.iso" "$TMP/wïn/demo.iso" || fail "the images differ"
same iso

# Reports: each side's JSON with LF line ends and its root as ROOT/, the paths below it with slashes (a
# finding names a file as the system spells it: with backslashes on Windows, with slashes on Linux).
report() {
  local side=$1 name=$2 root
  shift 2
  if [ "$side" = lin ]; then root="$TMP/lin/cd"; "$lin" "$@"; else root="$(winpath "$TMP/wïn/cd")"; win "$@"; fi \
    >"$TMP/$side/$name.json" 2>"$TMP/$side/$name.err" || true
  ROOT=$root python3 -c 'import json,os,re,sys
t = open(sys.argv[1], newline="").read().replace("\r\n", "\n")
for sep in "/", "\\":
    t = t.replace(json.dumps(os.environ["ROOT"] + sep, ensure_ascii=False)[1:-1], "ROOT/")
t = re.sub(r"ROOT/[^\"]*", lambda m: m.group(0).replace("\\\\", "/"), t)
open(sys.argv[1], "w").write(t)' "$TMP/$side/$name.json"
}
for side in lin wïn; do
  if [ $side = lin ]; then dir=$TMP/lin/cd obm=$dir/demo.obm; else dir=$(winpath "$TMP/wïn/cd") obm=$dir\\demo.obm; fi
  report $side show show "$obm" --root "$dir"
  report $side check check "$obm" --root "$dir" --json
  report $side check-root check --from-root "$dir" --json
  report $side inspect inspect "$dir"
done
for name in show check check-root inspect; do
  [ -s "$TMP/lin/$name.json" ] || fail "$name printed nothing on Linux: $(cat "$TMP/lin/$name.err")"
  cmp -s "$TMP/lin/$name.json" "$TMP/wïn/$name.json" ||
    fail "$name differs: $(diff "$TMP/lin/$name.json" "$TMP/wïn/$name.json" | head -20)"
done

# import: what show prints of the demo (two pages) comes back as the same project file on both sides.
"$lin" show "$TMP/lin/cd/demo.obm" >"$TMP/lin/demo.json" && "$lin" import "$TMP/lin/demo.json" -o "$TMP/lin/back.obm" ||
  fail "show and import failed on Linux"
win show "$(winpath "$TMP/wïn/cd/demo.obm")" >"$TMP/wïn/demo.json" 2>"$TMP/err" &&
  win import "$(winpath "$TMP/wïn/demo.json")" -o "$(winpath "$TMP/wïn/back.obm")" 2>>"$TMP/err" ||
  fail "show and import failed: $(cat "$TMP/err")"
cmp "$TMP/lin/back.obm" "$TMP/wïn/back.obm" && cmp "$TMP/wïn/back.obm" "$TMP/wïn/cd/demo.obm" ||
  fail "import does not give the demo's project file back"

# convert: the 2.x file written beside the 1.x one is the same.
for side in lin wïn; do
  mkdir "$TMP/$side/old"
  printf 'C:\\Old\\\r\nOld\r\nC:\\Old\\cd.ico\r\n\r\nC:\\Old\\back.jpg\r\n1\r\nGo\r\ntip\r\n4\r\n\r\nC:\\Old\\o.gif\r\n10\r\n20\r\n\r\n\r\n' \
    >"$TMP/$side/old/old.obm"
done
"$lin" convert "$TMP/lin/old/old.obm" >/dev/null || fail "convert failed on Linux"
win convert "$(winpath "$TMP/wïn/old/old.obm")" >"$TMP/out" || fail "convert failed"
[ "$(tr -d '\r' <"$TMP/out")" = "$(winpath "$TMP/wïn/old/old_2.xprj.obm")" ] || fail "convert printed $(cat "$TMP/out")"
same old

# Mistakes: the same exit codes, and a bad file named as the user gave it, with its line.
status() { local s=0; "$@" >/dev/null 2>"$TMP/err" || s=$?; echo $s; }
[ "$(status win make-cd)" = 2 ] && [ "$(status "$lin" make-cd)" = 2 ] || fail "a usage error does not exit with 2"
[ "$(status win frobnicate)" = 2 ] || fail "an unknown verb does not exit with 2"
head -n 7 "$TMP/lin/old/old.obm" >"$TMP/short.obm"
[ "$(status "$lin" show "$TMP/short.obm")" = 1 ] || fail "a bad file does not exit with 1 on Linux"
[ "$(status win show "$(winpath "$TMP/short.obm")")" = 1 ] || fail "a bad file does not exit with 1"
grep -qF "$(winpath "$TMP/short.obm"), line " "$TMP/err" || fail "bad file's message: $(cat "$TMP/err")"

# Signing: no osslsigncode here, so --pkcs12 points to --sign-command, which cmd.exe runs.
signing=$ORB_SOURCE_DIR/tests/data/signing
cp "$signing/unsigned-tiny.exe" "$TMP/tiny.exe"
[ "$(status win sign "$(winpath "$TMP/tiny.exe")" --pkcs12 "$(winpath "$player")")" = 1 ] &&
  grep -qF -- "--sign-command" "$TMP/err" || fail "sign --pkcs12 on Windows: $(cat "$TMP/err")"
[ "$(status win sign "$(winpath "$TMP/tiny.exe")" --sign-command "echo no luck & exit /b 3")" = 1 ] &&
  grep -qF "no luck" "$TMP/err" || fail "a failing signing command: $(cat "$TMP/err")"
cmp -s "$signing/unsigned-tiny.exe" "$TMP/tiny.exe" || fail "a failed signing changed the file"
[ "$(status win sign "$(winpath "$TMP/tiny.exe")" \
     --sign-command "copy /y \"$(winpath "$signing/signed-tiny.exe")\" \"%1\"")" = 0 ] ||
  fail "a signing command that signs: $(cat "$TMP/err")"
cmp -s "$signing/signed-tiny.exe" "$TMP/tiny.exe" || fail "the signed copy did not replace the file"
[ -z "$(find "$TMP" -name '.orbsign-*')" ] || fail "signing left its temporary folder"
echo "orbmenu-cli.exe ($(stat -c %s "$ORB_WINCLI") bytes) matches the Linux build: make-cd, make-simple," \
  "make-iso, show, check, inspect, import, convert; exit codes 2 and 1; signing through cmd.exe"
