#!/usr/bin/env bash
# help/build-chm.sh gives the same bytes from the same sources: built twice, a second apart and in other
# folders; under SOURCE_DATE_EPOCH only its two time stamps change. 7-Zip, a reader of its own, finds every
# page intact. The stamp rewriter refuses what is not a whole .chm and leaves it as it was.
set -euo pipefail
src=${ORB_SOURCE_DIR:?ORB_SOURCE_DIR must name the source tree}
command -v chmcmd >/dev/null || { echo "SKIP: no chmcmd (Debian's fp-utils)"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
build() { bash "$src/help/build-chm.sh" "$src/help" "$dir/$1.chm" "$dir/work-$1" 2>"$dir/$1.err"; }

build a
grep -q "no private mount namespace" "$dir/a.err" &&
  { echo "SKIP: no private mount namespace, so the build folder's path is in the file"; exit 77; }
sleep 1
build b
cmp "$dir/a.chm" "$dir/b.chm" || fail "two builds differ in $(cmp -l "$dir/a.chm" "$dir/b.chm" | wc -l) bytes"

# 1700000000 is 22:13:20 UTC: 80000000 ms, 0x04c4b400, big-endian in the header.
SOURCE_DATE_EPOCH=1700000000 build c
[ "$(od -An -tx1 -j16 -N4 "$dir/c.chm" | tr -d ' ')" = 04c4b400 ] ||
  fail "the header's time stamp is $(od -An -tx1 -j16 -N4 "$dir/c.chm")"
changed=$( (cmp -l "$dir/a.chm" "$dir/c.chm" || true) | wc -l)
[ "$changed" -le 8 ] || fail "SOURCE_DATE_EPOCH changed $changed bytes, more than the two time stamps"

7zz t "$dir/a.chm" >/dev/null || fail "7-Zip finds help.chm damaged"
mkdir "$dir/x" && (cd "$dir/x" && 7zz x -y "$dir/a.chm" >/dev/null)
for f in "$src"/help/*.htm "$src"/help/help.css "$src"/help/toc.hhc "$src"/help/index.hhk; do
  cmp -s "$f" "$dir/x/$(basename "$f")" || fail "help.chm's $(basename "$f") is not the source's"
done

cp "$dir/a.chm" "$dir/short.chm" && truncate -s 1000 "$dir/short.chm" && cp "$dir/short.chm" "$dir/short.before"
printf 'ITSF not a help file' >"$dir/text.chm" && cp "$dir/text.chm" "$dir/text.before"
for f in short text; do
  python3 "$src/help/pin-chm-time.py" "$dir/$f.chm" 0 2>"$dir/err" && fail "the rewriter took the $f file"
  grep -q "^pin-chm-time: $dir/$f.chm: " "$dir/err" || fail "the rewriter said of the $f file: $(cat "$dir/err")"
  cmp -s "$dir/$f.chm" "$dir/$f.before" || fail "the rewriter changed the $f file it refused"
done
echo "help.chm: same bytes twice, time stamps from SOURCE_DATE_EPOCH, every page readable"
