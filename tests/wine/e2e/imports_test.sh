#!/usr/bin/env bash
# The programs are PE files of the build's architecture (the shipped ones i686) that import only DLLs that
# Windows itself ships: nothing of the compiler's runtime.
. "$(dirname "$0")/lib.sh"
allowed=" kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll comctl32.dll "
allowed+="comdlg32.dll winmm.dll shlwapi.dll msvcrt.dll wininet.dll windowscodecs.dll uxtheme.dll msimg32.dll "
check() {
  local exe=$1 format=$2 objdump=$3
  $objdump -f "$exe" | grep -q "file format $format" || fail "$exe is not a $format file"
  local dlls
  dlls=$($objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  while read -r dll; do
    lower=$(tr 'A-Z' 'a-z' <<<"$dll")
    [[ "$allowed" == *" $lower "* ]] || fail "$(basename "$exe") imports $dll"
  done <<<"$dlls"
  echo "$exe ($format, $(stat -c %s "$exe") bytes): $(tr '\n' ' ' <<<"$dlls")"
}
for exe in "$ORB_EDITOR" "$ORB_PLAYER" "$ORB_WINCLI"; do check "$exe" "$ORB_PE_FORMAT" "$ORB_OBJDUMP"; done
if [ -n "$ORB_SHIPPED_DIR" ]; then
  for exe in Orbmenu.exe Orbstart.exe orbmenu-cli.exe; do
    check "$ORB_SHIPPED_DIR/$exe" pei-i386 i686-w64-mingw32-objdump
  done
fi
