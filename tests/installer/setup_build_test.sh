#!/usr/bin/env bash
# installer/build-setup.sh from stand-in programs, no Wine needed: the same inputs give the same setup, zip
# and manifest bytes; the setup holds the files, the uninstaller and no plug-in; the zip holds the same
# files; the manifest names the setup's hash; a signed build signs the programs, the uninstaller and the
# setup, time-stamped when asked; a missing program or a wrong password stops the build with nothing written.
set -euo pipefail
src=${ORB_SOURCE_DIR:?ORB_SOURCE_DIR must name the source tree}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
build() { SOURCE_DATE_EPOCH=1700000000 bash "$src/installer/build-setup.sh" --from "$dir/from" "$@"; }
version=$(sed -n 's/^#define ORB_VERSION_TEXT "\(.*\)"$/\1/p' "$src/common/Version.h")
setup=OrbmenuSetup-$version.exe zip=Orbmenu-$version.zip
mkdir "$dir/from"
for f in Orbmenu.exe Orbstart.exe orbmenu-cli.exe; do cp "$src/tests/data/signing/unsigned-tiny.exe" "$dir/from/$f"; done
printf 'help' >"$dir/from/help.chm"
# listing FILE: the names an archive holds, sorted.
listing() { 7zz l -slt "$1" | sed -n 's/^Path = //p' | tail -n +2 | sort | tr '\n' ' '; }

# Two builds, each in its own staging folder, give the same bytes.
build --out "$dir/a" >"$dir/out"
build --out "$dir/b" >/dev/null
diff -r "$dir/a" "$dir/b" >/dev/null || fail "two builds differ: $(diff -rq "$dir/a" "$dir/b")"
grep -q "setup:    $dir/a/$setup" "$dir/out" || fail "the build does not say where the setup is: $(cat "$dir/out")"
[ "$(listing "$dir/a/$setup")" = "Orbmenu.exe Orbstart.exe Uninstall.exe help.chm orbmenu-cli.exe " ] ||
  fail "the setup holds: $(listing "$dir/a/$setup")"
[ "$(listing "$dir/a/$zip")" = "Orbmenu.exe Orbstart.exe help.chm orbmenu-cli.exe " ] ||
  fail "the zip holds: $(listing "$dir/a/$zip")"
mkdir "$dir/unzipped" && (cd "$dir/unzipped" && 7zz x -y "$dir/a/$zip" >/dev/null)
for f in Orbmenu.exe Orbstart.exe help.chm orbmenu-cli.exe; do
  cmp -s "$dir/from/$f" "$dir/unzipped/$f" || fail "the zip's $f is not the program's"
done

# The winget manifest: three files in the repository's layout, the installer's hash that of the setup.
man=$dir/a/winget/manifests/o/OrbmenuSoftware/Orbmenu/$version
installer=$man/OrbmenuSoftware.Orbmenu.installer.yaml
[ -f "$man/OrbmenuSoftware.Orbmenu.yaml" ] && [ -f "$man/OrbmenuSoftware.Orbmenu.locale.en-US.yaml" ] ||
  fail "manifest files: $(ls -R "$dir/a/winget")"
sha=$(sha256sum "$dir/a/$setup" | cut -d' ' -f1 | tr 'a-f' 'A-F')
for line in "InstallerSha256: $sha" "InstallerType: nullsoft" "Scope: user" "  - obm" "  - orbmenu-cli" "PackageVersion: $version" \
            "InstallerUrl: https://orbmenu.example.com/download/$setup"; do
  grep -qxF -- "${line#  }" <(sed 's/^ *//' "$installer") || fail "the installer manifest lacks '$line': $(cat "$installer")"
done


# Signed and time-stamped (by a time-stamp server on loopback): every program, the uninstaller inside the
# setup, and the setup verify against the test CA.
mkdir "$dir/cert"
bash "$src/tests/support/test-certificate.sh" "$dir/cert" >/dev/null 2>&1
python3 "$src/tests/support/timestamp-server.py" "$dir/cert/tsa.cnf" >"$dir/tsa.port" 2>"$dir/tsa.err" & tsa=$!
trap 'kill $tsa 2>/dev/null || true; rm -rf "$dir"' EXIT
for _ in $(seq 50); do [ -s "$dir/tsa.port" ] && break; sleep 0.1; done
build --out "$dir/signed" --pkcs12 "$dir/cert/signer.pfx" --password-file "$dir/cert/password" \
  --timestamp "http://127.0.0.1:$(cat "$dir/tsa.port")/" >/dev/null
kill $tsa
mkdir "$dir/x" && (cd "$dir/x" && 7zz x -y "$dir/signed/$setup" >/dev/null)
for f in "$dir/signed/$setup" "$dir/x/Orbmenu.exe" "$dir/x/Orbstart.exe" "$dir/x/orbmenu-cli.exe" \
         "$dir/x/Uninstall.exe"; do
  osslsigncode verify -CAfile "$dir/cert/ca.pem" -TSA-CAfile "$dir/cert/ca.pem" -in "$f" >"$dir/verify" 2>&1 ||
    { cat "$dir/verify"; fail "$(basename "$f") does not verify against the test CA"; }
  grep -q "Timestamp Server Signature verification: ok" "$dir/verify" || fail "$(basename "$f") has no time stamp"
done
cmp -s "$src/tests/data/signing/unsigned-tiny.exe" "$dir/from/Orbmenu.exe" || fail "signing changed the programs it was given"

# Failures stop the build and write nothing.
printf 'wrong\n' >"$dir/wrong"
build --out "$dir/bad" --pkcs12 "$dir/cert/signer.pfx" --password-file "$dir/wrong" >/dev/null 2>"$dir/err" &&
  fail "a wrong password built a setup"
grep -q "could not sign Orbmenu.exe" "$dir/err" || fail "wrong password said: $(cat "$dir/err")"
rm "$dir/from/help.chm"
build --out "$dir/bad" >/dev/null 2>"$dir/err" && fail "a build without help.chm succeeded"
grep -qF "$dir/from/help.chm is missing" "$dir/err" || fail "a missing file said: $(cat "$dir/err")"
[ ! -e "$dir/bad" ] || fail "a failed build left $(ls "$dir/bad")"
echo "setup build: reproducible, complete, signed when asked"
