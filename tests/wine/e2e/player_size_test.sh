#!/usr/bin/env bash
# The player goes onto every CD: it stays within 300 KB stripped, in this build and in the shipped one.
. "$(dirname "$0")/lib.sh"
limit=$((300 * 1024))
check() {
  local size
  size=$(stat -c %s "$1")
  echo "$1: $size bytes"
  [ "$size" -le "$limit" ] || fail "$1 is $size bytes, more than $limit"
}
check "$ORB_PLAYER"
if [ -n "$ORB_SHIPPED_DIR" ]; then check "$ORB_SHIPPED_DIR/Orbstart.exe"; fi
# The shipped 32-bit player may use 4 GB on 64-bit Windows: big videos fill 2 GB of media buffers.
if [ -n "$ORB_SHIPPED_DIR" ]; then
  headers=$(i686-w64-mingw32-objdump -p "$ORB_SHIPPED_DIR/Orbstart.exe")
  grep -q "large address aware" <<<"$headers" || fail "the shipped player is not marked large-address-aware"
fi
