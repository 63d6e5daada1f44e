#!/usr/bin/env bash
# Compiles the help project SRC_DIR/help.hhp into OUT (a .chm) with chmcmd: build-chm.sh SRC_DIR OUT WORK_DIR [CHMCMD]
# chmcmd stores each context alias as the absolute path of its page on the build machine, which no help viewer
# can find inside the .chm. Compiling inside a private mount namespace whose root is a copy of the sources makes
# that path "/page.htm", the in-file path the viewers look up.
# The same sources give the same bytes: chmcmd's two compile-time stamps are set afterwards to the time of day
# of SOURCE_DATE_EPOCH (midnight when unset), and help.hhp turns off the binary index, whose map chmcmd starts
# with two bytes of uninitialised memory (the text index, index.hhk, serves the viewers instead).
set -euo pipefail
src=$(cd "$1" && pwd) out=$(realpath -m "$2") work=$(realpath -m "$3")
chmcmd=$(readlink -f "${4:-$(command -v chmcmd)}")
epoch=${SOURCE_DATE_EPOCH:-0}
[[ $epoch =~ ^[0-9]+$ ]] || { echo "build-chm: SOURCE_DATE_EPOCH '$epoch' is not a number of seconds" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work/root"
cp "$src"/*.hhp "$src"/*.hhc "$src"/*.hhk "$src"/*.htm "$src"/*.css "$src"/*.h "$work/root/"
cd "$work/root"
compiled=no
if unshare --mount --map-root-user true 2>/dev/null; then
  # /lib and /lib64 may be links into /usr (merged /usr); binding them follows the link.
  if unshare --mount --map-root-user sh -c '
      for d in usr lib lib64 dev proc; do
        [ -e /$d ] || continue
        mkdir -p ./$d && mount --rbind /$d ./$d || exit 1
      done
      exec chroot . "$0" --no-html-scan help.hhp' "$chmcmd" >"$work/chmcmd.log" 2>&1; then
    compiled=yes
  fi
  rmdir usr lib lib64 dev proc 2>/dev/null || true
fi
if [ $compiled = no ]; then
  echo "build-chm: no private mount namespace here; context help in this build will point at absolute paths" >&2
  "$chmcmd" --no-html-scan help.hhp >"$work/chmcmd.log" 2>&1 || { cat "$work/chmcmd.log" >&2; exit 1; }
fi
[ -s help.chm ] || { cat "$work/chmcmd.log" >&2; echo "build-chm: chmcmd wrote no help.chm" >&2; exit 1; }
python3 "$src/pin-chm-time.py" help.chm "$epoch"
mv help.chm "$out"
