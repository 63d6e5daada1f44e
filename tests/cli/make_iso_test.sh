#!/usr/bin/env bash
# orbmenu-cli make-iso: the demo's CD root becomes an image the ISO readers accept and whose tree equals
# the root; an existing simple-mode root; same bytes twice under SOURCE_DATE_EPOCH; refusals.
. "$(dirname "$0")/lib.sh"
for tool in xorriso osirrox isoinfo isovfy 7zz; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done
# judge IMAGE ROOT: every reader accepts the image and the extracted tree equals the root.
judge() {
  isovfy -i "$1" 2>&1 | grep -q "No errors found" || fail "isovfy rejects $1"
  isoinfo -J -l -i "$1" >/dev/null || fail "isoinfo -J rejects $1"
  7zz l "$1" >/dev/null || fail "7zz rejects $1"
  rm -rf "$dir/x"
  osirrox -indev "$1" -extract / "$dir/x" >/dev/null 2>&1 || fail "osirrox cannot extract $1"
  diff -r "$2" "$dir/x" >&2 || fail "the extracted tree of $1 differs from $2"
}

cd_root=$dir/demo-cd
cp -r "$src/examples/demo" "$cd_root"
printf 'MZ player' >"$dir/Orbstart.exe"

run 0 "$cli" make-iso "$cd_root/demo.obm" --root "$cd_root" --player "$dir/Orbstart.exe" --no-runtime -o "$dir/demo.iso"
has "label \"Orbmenu Demo\"" out
has "$dir/demo.iso: " out
grep -q "All autorun files" "$dir/err" && fail "make-cd's success message shown instead of the image's"
grep -q "%" "$dir/err" && fail "progress shown although stderr is no terminal"
[ -s "$cd_root/menu.cfg" ] || fail "the CD root was not generated"
judge "$dir/demo.iso" "$cd_root"
isoinfo -d -i "$dir/demo.iso" | grep -q "Volume id: ORBMENU_DEMO" || fail "primary volume id"
ls -a "$dir" | grep -q orbtmp && fail "temporary file left behind"

# Generating twice changes the files' dates; SOURCE_DATE_EPOCH holds them, so the bytes are the same.
for n in 1 2; do
  SOURCE_DATE_EPOCH=1700000000 run 0 "$cli" make-iso "$cd_root/demo.obm" --root "$cd_root" \
    --player "$dir/Orbstart.exe" --no-runtime -o "$dir/same$n.iso" --label "Same"
  sleep 1
done
cmp -s "$dir/same1.iso" "$dir/same2.iso" || fail "two runs gave different bytes"
has 'label "Same"' out

# An existing simple-mode root, and a label given on the command line.
simple=$dir/simple
mkdir -p "$simple/bin"
printf 'setup' >"$simple/bin/setup.exe"
run 0 "$cli" make-simple --root "$simple" --start "$simple/bin/setup.exe" --player "$dir/Orbstart.exe" --no-runtime
run 0 "$cli" make-iso --from-root "$simple" -o "$dir/simple.iso" --label "Setup Disc"
has 'label "Setup Disc"' out
judge "$dir/simple.iso" "$simple"

# On a terminal the write shows its progress; an image of one file without a label says so.
mkdir "$dir/one"
head -c 3000000 /dev/zero >"$dir/one/a.bin"
script -qec "'$cli' make-iso --from-root '$dir/one' -o '$dir/one.iso' --label ''" /dev/null >"$dir/tty" 2>&1 ||
  fail "make-iso on a terminal failed: $(cat "$dir/tty")"
has "100%" tty
has "MB/s" tty
has ": 1 file, 2.9 MB (3051520 bytes), no label" tty
run 1 "$cli" check --from-root "$dir/one"  # no menu.cfg: an error, the size still shown
has "1 file in 2.9 MB" out

# What Windows cannot open is refused by check and make-iso alike, named with Linux's slashes.
odd=$dir/odd
mkdir -p "$odd/c_case_file"
printf '1' >"$odd/c_case_file/Upper.txt"
printf '2' >"$odd/c_case_file/upper.txt"
printf 'x' >"$odd/CON.txt"
mkfifo "$odd/pipe"
for stream in out err; do
  if [ $stream = out ]; then run 1 "$cli" check --from-root "$odd"; else
    run 1 "$cli" make-iso --from-root "$odd" -o "$dir/odd.iso"; fi
  has "$odd/c_case_file/upper.txt: the name differs from \"Upper.txt\" only in case" $stream
  has "$odd/CON.txt: the name is a device's name on Windows" $stream
  has "$odd/pipe: neither a file nor a folder" $stream
done
[ ! -e "$dir/odd.iso" ] || fail "an image was written of a tree with a pipe"
run 1 "$cli" make-iso "$cd_root/demo.obm" --root "$dir/missing" -o "$dir/x.iso"
has "the root folder $dir/missing given with --root does not exist" err

# Refusals: an image inside its own root (also through a link), names the disc cannot hold, a label
# that is too long, and usage mistakes.
run 1 "$cli" make-iso --from-root "$simple" -o "$simple/bin/self.iso"
has "inside the folder it images" err
ln -s "$simple/bin" "$dir/link"
run 1 "$cli" make-iso --from-root "$simple" -o "$dir/link/self.iso"
[ ! -e "$simple/bin/self.iso" ] || fail "an image was written inside its root"
printf 'x' >"$simple/$(printf 'n%.0s' $(seq 65))"
cp "$dir/simple.iso" "$dir/keep.iso"
run 1 "$cli" make-iso --from-root "$simple" -o "$dir/simple.iso"
has "characters long; a disc holds at most 64" err
cmp -s "$dir/simple.iso" "$dir/keep.iso" || fail "the older image was changed"
rm "$simple/$(printf 'n%.0s' $(seq 65))"
run 1 "$cli" make-iso --from-root "$simple" -o "$dir/label.iso" --label "Seventeen letters"
has "at most 16" err
run 2 "$cli" make-iso --from-root "$simple"
run 2 "$cli" make-iso "$cd_root/demo.obm" --from-root "$simple" -o "$dir/x.iso"
run 1 "$cli" make-iso --from-root "$dir/nowhere" -o "$dir/x.iso"
# A writer killed half-way (kill -9) leaves nothing once the next run is done; SIGHUP cancels as SIGTERM
# does and keeps the older image.
mkdir "$dir/big"
truncate -s 200M "$dir/big/zeros.bin"
# start_stopped: starts make-iso of big in the background, and stops it once its image is being written.
start_stopped() {
  "$cli" make-iso --from-root "$dir/big" -o "$dir/big.iso" >"$dir/bg.out" 2>&1 &
  pid=$!
  for _ in $(seq 3000); do
    kill -STOP $pid 2>/dev/null || fail "make-iso ended before it could be stopped: $(cat "$dir/bg.out")"
    for fd in /proc/$pid/fd/*; do
      case $(readlink "$fd") in "$dir/#"* | "$dir/.big.iso.orbtmp-"*) return 0 ;; esac
    done
    kill -CONT $pid
    sleep 0.002
  done
  fail "make-iso never opened its temporary image"
}
start_stopped
kill -KILL $pid
wait $pid 2>/dev/null || true
[ ! -e "$dir/big.iso" ] || fail "a killed write left an image"
run 0 "$cli" make-iso --from-root "$dir/big" -o "$dir/big.iso"
ls -a "$dir" | grep -q orbtmp && fail "a killed write's temporary image is still there"
cp "$dir/big.iso" "$dir/big.keep"
start_stopped
kill -HUP $pid
kill -CONT $pid
status=0
wait $pid || status=$?
[ $status = 1 ] || fail "SIGHUP: exit $status: $(cat "$dir/bg.out")"
grep -q "cancelled; no image was written" "$dir/bg.out" || fail "SIGHUP: $(cat "$dir/bg.out")"
cmp -s "$dir/big.iso" "$dir/big.keep" || fail "SIGHUP changed the older image"
ls -a "$dir" | grep -q orbtmp && fail "SIGHUP left a temporary image"
rm -r "$dir/big" "$dir/big.iso" "$dir/big.keep"

run 0 "$cli" make-iso --help
has "make-iso --from-root DIR" out
echo "make-iso: all checks passed"
