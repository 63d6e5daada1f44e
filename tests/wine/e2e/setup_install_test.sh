#!/usr/bin/env bash
# The setup in the test prefix: a silent install puts the programs, the Start-menu entry, the .obm type and
# the Apps & features entry in place; opening a project through its type starts the editor with it; a
# silent install over an older version keeps the user's settings and files; a silent uninstall removes
# exactly what the setup wrote; /ALLUSERS installs for the machine and uninstalls as cleanly.
. "$(dirname "$0")/lib.sh"
wt() { wintool "$@" | tr -d '\r'; }
prefix=$(dirname "$ORB_WINE_RUN")/wine/prefix
cleanup() {
  set +e
  run taskkill /f /im Orbmenu.exe >/dev/null 2>&1
  # A failed run must not leave an install for the next one to find.
  for scope in HKCU HKLM; do
    loc=$(value "${user_key/HKCU/$scope}" InstallLocation)
    [ -z "$loc" ] || { run "$loc\\Uninstall.exe" /S; sleep 3; }
  done
  # The user's file keeps the folder through an uninstall: remove both, or a second run starts with it.
  [ -z "${inst:-}" ] || rm -rf "$inst"
  run taskkill /f /im start.exe >/dev/null 2>&1
  [ -z "${start_pid:-}" ] || kill "$start_pid" 2>/dev/null
  run reg delete 'HKCU\Software\OBM' /f >/dev/null 2>&1
  rm -rf "$TMP"
}
trap cleanup EXIT
# 64-bit Wine runs only a 64-bit setup: the same script then builds one from this build's programs.
case $ORB_PE_FORMAT in pei-x86-64) target=amd64 ;; *) target=x86 ;; esac
mkdir "$TMP/from"
cp "$ORB_EDITOR" "$ORB_PLAYER" "$ORB_HELP_CHM" "$ORB_WINCLI" "$TMP/from/"
version=$(sed -n 's/^#define ORB_VERSION_TEXT "\(.*\)"$/\1/p' "$ORB_SOURCE_DIR/common/Version.h")
build() { bash "$ORB_SOURCE_DIR/installer/build-setup.sh" --from "$TMP/from" --out "$TMP/$1" --target "$target" "${@:2}" >/dev/null; }
build old --version 0.9.0
build new
old_setup=$TMP/old/OrbmenuSetup-0.9.0.exe new_setup=$TMP/new/OrbmenuSetup-$version.exe

user_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orbmenu'
# value KEY NAME: a registry value's data ("" for the default value), empty when there is none.
value() {
  local sel=(/v "$2") name=$2
  [ -n "$2" ] || { sel=(/ve); name='(Default)'; }
  run reg query "$1" "${sel[@]}" 2>/dev/null | tr -d '\r' |
    awk -v n="$name" '$1==n {sub(/^ *[^ ]+ +REG_[A-Z_]+ +/, ""); print; exit}'
}
# state: what the setup may touch, in the prefix's files and registry, as text to compare.
state() {
  (cd "$prefix/drive_c" && find users/*/AppData/Local/Programs users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu \
    Program\ Files* -iname '*orbmenu*' 2>/dev/null | sort || true)
  for key in 'HKCU\Software\Classes\.obm' 'HKCU\Software\Classes\Orbmenu.Project' "$user_key" \
             'HKLM\Software\Classes\.obm' 'HKLM\Software\Classes\Orbmenu.Project' "${user_key/HKCU/HKLM}"; do
    run reg query "$key" /s 2>/dev/null | tr -d '\r' | grep -v '^reg:' || true
  done
}
# uninstall DIR_WIN [HKLM|HKCU]: the silent uninstaller goes on in a copy of itself; waits for its entry to go.
uninstall() {
  run "$1\\Uninstall.exe" /S || fail "the uninstaller exited with $?"
  for _ in $(seq 60); do [ -z "$(value "${user_key/HKCU/$2}" DisplayName)" ] && return 0; sleep 0.5; done
  fail "the uninstaller left its Apps & features entry"
}

run reg delete 'HKCU\Software\OBM' /f >/dev/null 2>&1 || true
before=$(state)

# 1. An older version, the user's settings, a file of theirs in the program's folder.
run "$old_setup" /S || fail "the old setup exited with $?"
[ "$(value "$user_key" DisplayVersion)" = 0.9.0 ] || fail "the old version is not listed: $(state)"
inst_win=$(value "$user_key" InstallLocation)
inst=$(run winepath -u "$inst_win" | tr -d '\r')
inst=${inst%/}
[[ $inst_win == *\\AppData\\Local\\Programs\\Orbmenu ]] || fail "installed in $inst_win, not under LOCALAPPDATA\\Programs"
run reg add 'HKCU\Software\OBM\Options' /v LastSaved /d C:\\mine.obm /f >/dev/null
settings() { run reg query 'HKCU\Software\OBM' /s 2>&1 | tr -d '\r'; }
[ "$(value 'HKCU\Software\OBM\Options' LastSaved)" = 'C:\mine.obm' ] || fail "the settings were not written: $(settings)"
printf 'mine' >"$inst/notes.txt"

# 2. The upgrade: same folder, new files and version, the settings and the user's file kept.
run "$new_setup" /S || fail "the setup exited with $?"
[ "$(value "$user_key" DisplayVersion)" = "$version" ] || fail "the upgrade lists $(value "$user_key" DisplayVersion)"
[ "$(value "$user_key" InstallLocation)" = "$inst_win" ] || fail "the upgrade went elsewhere"
for f in Orbmenu.exe Orbstart.exe help.chm orbmenu-cli.exe; do cmp -s "$TMP/from/$f" "$inst/$f" || fail "$f was not installed"; done
[ -f "$inst/Uninstall.exe" ] || fail "no uninstaller"
[ "$(value 'HKCU\Software\OBM\Options' LastSaved)" = 'C:\mine.obm' ] || fail "the upgrade lost the settings: $(settings)"
[ "$(cat "$inst/notes.txt")" = mine ] || fail "the upgrade lost the user's file"
[ "$(value "$user_key" Publisher)" = "Orbmenu Software" ] || fail "publisher: $(value "$user_key" Publisher)"
[ "$(value "$user_key" QuietUninstallString)" = "\"$inst_win\\Uninstall.exe\" /S" ] || fail "no silent uninstall: $(state)"
[ "$(( $(value "$user_key" EstimatedSize) ))" -gt 0 ] || fail "no size in Apps & features"
ls "$prefix"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Orbmenu.lnk >/dev/null ||
  fail "no Start-menu entry"
[ "$(value 'HKCU\Software\Classes\.obm' '')" = Orbmenu.Project ] || fail ".obm is not associated: $(state)"
[ "$(value 'HKCU\Software\Classes\Orbmenu.Project\shell\open\command' '')" = "\"$inst_win\\Orbmenu.exe\" \"%1\"" ] ||
  fail "open command: $(state)"

# 3. The uninstall leaves the settings and the user's file, and the prefix as it was without them.
uninstall "$inst_win" HKCU
[ "$(value 'HKCU\Software\OBM\Options' LastSaved)" = 'C:\mine.obm' ] || fail "the uninstall removed the settings"
[ "$(cat "$inst/notes.txt")" = mine ] || fail "the uninstall removed the user's file"
rm "$inst/notes.txt" && rmdir "$inst"
[ "$(state)" = "$before" ] || fail "left after uninstalling: $(diff <(echo "$before") <(state))"

# 4. For all users: under Program Files, registered under HKLM, and gone again.
run "$new_setup" /S /ALLUSERS || fail "the setup for all users exited with $?"
machine_win=$(value "${user_key/HKCU/HKLM}" InstallLocation)
[[ $machine_win == *\\Program\ Files*\\Orbmenu ]] || fail "installed for all users in '$machine_win': $(state)"
[ "$(value 'HKLM\Software\Classes\.obm' '')" = Orbmenu.Project ] || fail ".obm is not associated for all users"
[ -z "$(value "$user_key" DisplayName)" ] || fail "the install for all users wrote the user's entry"
# A double-click on a project: the shell opens it through its type in the installed editor. (Wine 8's shell
# reads file types from HKLM\Software\Classes only, so this runs on the install for all users.)
project_win=$(demo_root "$TMP/cd")
( run start /unix "$TMP/cd/demo.obm" ) & start_pid=$!
box=$(wt msgbox 30000) || fail "no message after the start-up load"
[ "$box" = "Loading Complete.|Project successfully loaded." ] || fail "the start-up load said: $box"
title="Orbmenu v2.0 - ($project_win)"
wt wait "$title" 10000 >/dev/null || fail "the editor does not show the project"
wt close "$title" >/dev/null
wt gone "$title" 10000 || fail "the editor did not close"
run taskkill /f /im Orbmenu.exe >/dev/null 2>&1 || true

uninstall "$machine_win" HKLM
[ "$(state)" = "$before" ] || fail "left after uninstalling for all users: $(diff <(echo "$before") <(state))"
echo "setup: installed, opened a project by its type, upgraded with settings kept, uninstalled cleanly"
