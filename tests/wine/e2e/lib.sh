# Shared helpers of the end-to-end scripts: run Windows programs under the build's Wine wrapper.
set -euo pipefail
run() { "$ORB_WINE_RUN" "$@"; }
wintool() { "$ORB_WINE_RUN" "$ORB_WINTOOL" "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
# end_wine: ends every process of the build's prefix, so that a failed test's window or open box cannot keep
# its clean-up (and ctest) waiting.
end_wine() { WINEPREFIX="$(sed -n 's/^dir=//p' "$ORB_WINE_RUN")/prefix" wineserver -k >/dev/null 2>&1 || true; }
mkdir -p "$ORB_ARTIFACTS"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
# screenshot NAME: saves the whole display as an artifact PNG and prints its path.
screenshot() { local f="$ORB_ARTIFACTS/$1.png"; import -display "$DISPLAY" -window root "$f"; echo "$f"; }
# demo_root DIR: copies the bundled example to DIR with its project's root line set to DIR as Windows sees
# it (the project names C:\OrbDemo\), as a relocation would; prints the project's Windows path.
demo_root() {
  cp -r "$ORB_SOURCE_DIR/examples/demo" "$1"
  rm -f "$1/make-art.sh"
  local root_win
  root_win=$(run winepath -w "$1" | tr -d '\r')\\
  { printf '%s\r\n' "$root_win"; tail -n +2 "$ORB_SOURCE_DIR/examples/demo/demo.obm"; } >"$1/demo.obm"
  echo "${root_win}demo.obm"
}
# demo_menu_origin RECT: sets cx, cy to the screen position of the 640x480 background inside the framed
# menu window at RECT ("x,y,w,h").
demo_menu_origin() {
  local left top width height border
  IFS=, read -r left top width height <<<"$1"
  border=$(( (width - 640) / 2 ))
  cx=$((left + border)) cy=$((top + height - 480 - border))
}
# pixel X Y: the screen colour at X,Y of the background placed by demo_menu_origin, as "R G B".
pixel() {
  import -display "$DISPLAY" -window root -crop "1x1+$((cx + $1))+$((cy + $2))" -depth 8 txt:- |
    sed -n '2s/.*srgba\?(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}
# lit_at MX MY X Y: moves the pointer to MX,MY of the background and waits up to 5 s for X,Y to show a
# lit (yellow) button; r g b hold the last colour read.
lit_at() {
  xdotool mousemove $((cx + $1)) $((cy + $2)); sleep 0.3
  xdotool mousemove $((cx + $1 + 2)) $((cy + $2 + 1))
  for _ in $(seq 20); do
    read -r r g b <<<"$(pixel "$3" "$4")"
    [ "$r" -gt 200 ] && [ "$g" -gt 150 ] && [ "$b" -lt 150 ] && return 0
    sleep 0.25
  done
  return 1
}
# click_to_close TITLE CONTROL: clicks a button that closes its window, again if the window stays; a click
# posted while the activation moves between windows can be lost. Fails when the window stays open.
click_to_close() {
  for _ in 1 2 3; do
    wintool click "$1" "$2" >/dev/null 2>&1 || true
    wintool gone "$1" 3000 && return 0
  done
  return 1
}
# keep NAME [RECT]: a screenshot artifact, cropped to RECT ("x,y,w,h") when given; with
# ORB_UPDATE_DOCS_IMAGES=1 also stored as docs/images/NAME.png.
keep() {
  local f; f=$(screenshot "$1")
  if [ -n "${2:-}" ]; then
    local x y w h
    IFS=, read -r x y w h <<<"$2"
    convert "$f" -crop "${w}x${h}+${x}+${y}" +repage "$f"
  fi
  if [ "${ORB_UPDATE_DOCS_IMAGES:-}" = 1 ]; then
    mkdir -p "$ORB_SOURCE_DIR/docs/images"
    cp "$f" "$ORB_SOURCE_DIR/docs/images/$1.png"
  fi
}
# cd_drive DIR: this prefix's drive D: becomes a CD-ROM drive holding DIR (read-only, as a laid-out disc);
# cd_drive_gone takes it away again, since the prefix is shared with the other tests. Every Wine test holds
# the display lock, so no other program runs while the mount manager restarts to read the drives.
cd_prefix=$(dirname "$ORB_WINE_RUN")/wine/prefix
restart_wine() { WINEPREFIX=$cd_prefix wineserver -k 2>/dev/null; WINEPREFIX=$cd_prefix wineserver -w 2>/dev/null; true; }
cd_drive() {
  [ ! -e "$cd_prefix/dosdevices/d:" ] || fail "the prefix already has a drive D:"
  ln -s "$1" "$cd_prefix/dosdevices/d:"
  run reg add 'HKLM\Software\Wine\Drives' /v d: /d cdrom /f >/dev/null 2>&1 || fail "could not make D: a CD-ROM drive"
  restart_wine
  [ "$(wintool drivetype 'D:\' | tr -d '\r')" = DRIVE_CDROM ] || fail "D: is $(wintool drivetype 'D:\')"
}
cd_drive_gone() {
  if [ -L "$cd_prefix/dosdevices/d:" ] && [ "$(readlink "$cd_prefix/dosdevices/d:")" = "$1" ]; then
    rm -f "$cd_prefix/dosdevices/d:"
    run reg delete 'HKLM\Software\Wine\Drives' /v d: /f >/dev/null 2>&1
    restart_wine
  fi
}
