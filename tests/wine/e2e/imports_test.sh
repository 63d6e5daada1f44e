#!/usr/bin/env bash
# Both shipped programs are 32-bit PE files that import only DLLs Windows itself ships.
. "$(dirname "$0")/lib.sh"
allowed=" kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll comctl32.dll "
allowed+="comdlg32.dll winmm.dll shlwapi.dll msvcrt.dll wininet.dll windowscodecs.dll uxtheme.dll msimg32.dll "
for exe in "$ORB_EDITOR" "$ORB_PLAYER"; do
  head=$($ORB_OBJDUMP -f "$exe")
  grep -q 'file format pei-i386' <<<"$head" || fail "$exe is not an i686 PE file"
  while read -r dll; do
    lower=$(tr 'A-Z' 'a-z' <<<"$dll")
    [[ "$allowed" == *" $lower "* ]] || fail "$(basename "$exe") imports $dll"
  done < <($ORB_OBJDUMP -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  echo "$(basename "$exe"): $($ORB_OBJDUMP -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
done
