#!/usr/bin/env bash
# orbmenu-cli sign and the signing options of make-cd, make-simple and make-iso, with a CA and a code-signing
# certificate made here: what is signed verifies against that CA, a tampered copy does not, and every
# failure leaves the unsigned program as it was.
. "$(dirname "$0")/lib.sh"
verifies() { osslsigncode verify -CAfile "$dir/ca.pem" -in "$1" >"$dir/verify" 2>&1; }
no_leftovers() { ! ls -a "$1" | grep -q orbsign || fail "temporary signing folder left in $1"; }

bash "$src/tests/support/test-certificate.sh" "$dir"
printf 'wrong\n' >"$dir/wrong"
unsigned=$src/tests/data/signing/unsigned-tiny.exe

# Signing in place; the name holds blanks and shell characters, which only a shell string would trip on.
prog="$dir/my \$(touch pwned) 'player'.exe"
cp "$unsigned" "$prog"
(cd "$dir" && run 0 "$cli" sign "$prog" --pkcs12 "$dir/signer.pfx" --password-file "$dir/password")
[ ! -e "$dir/pwned" ] || fail "the file name went through a shell"
has "signed by CN=Orb Test Publisher, O=Orb Tests" out
verifies "$prog" || { cat "$dir/verify"; fail "the signed program does not verify against the test CA"; }
grep -q "Subject: /CN=Orb Test Publisher/O=Orb Tests" "$dir/verify" || fail "osslsigncode sees another signer"
no_leftovers "$dir"

# A tampered copy fails verification.
cp "$prog" "$dir/tampered.exe"
printf '\x90' | dd of="$dir/tampered.exe" bs=1 seek=$((0x200)) conv=notrunc 2>/dev/null
verifies "$dir/tampered.exe" && fail "a tampered program still verifies"

# Signing again replaces the signature rather than failing or nesting a second one.
run 0 "$cli" sign "$prog" --pkcs12 "$dir/signer.pfx" --password-file "$dir/password"
verifies "$prog" || fail "a re-signed program does not verify"
[ "$(grep -c 'Signature Index' "$dir/verify")" = 1 ] || fail "re-signing nested a second signature"

# A time stamp from a time-stamp server (here one on loopback, answering with openssl).
python3 "$src/tests/support/timestamp-server.py" "$dir/tsa.cnf" >"$dir/tsa.port" 2>"$dir/tsa.err" & tsa=$!
trap 'kill $tsa 2>/dev/null || true; rm -rf "$dir"' EXIT
for _ in $(seq 50); do [ -s "$dir/tsa.port" ] && break; sleep 0.1; done
run 0 "$cli" sign "$prog" --pkcs12 "$dir/signer.pfx" --password-file "$dir/password" \
  --timestamp "http://127.0.0.1:$(cat "$dir/tsa.port")/"
osslsigncode verify -CAfile "$dir/ca.pem" -TSA-CAfile "$dir/ca.pem" -in "$prog" >"$dir/verify" 2>&1 ||
  { cat "$dir/verify" "$dir/tsa.err"; fail "the time-stamped program does not verify"; }
grep -q "Timestamp Server Signature verification: ok" "$dir/verify" || fail "no time stamp in the signature"
kill $tsa

# Failures: the program stays byte for byte as it was, and nothing is left beside it.
check_unchanged() { cmp -s "$unsigned" "$dir/p.exe" || fail "$1 changed the program"; no_leftovers "$dir"; }
cp "$unsigned" "$dir/p.exe"
run 1 "$cli" sign "$dir/p.exe" --pkcs12 "$dir/signer.pfx" --password-file "$dir/wrong"
has "could not sign $dir/p.exe" err
has "Wrong password" err
check_unchanged "a wrong password"
run 1 "$cli" sign "$dir/p.exe" --pkcs12 "$dir/signer.pfx"
check_unchanged "a missing password"
run 1 "$cli" sign "$dir/p.exe" --pkcs12 "$dir/none.pfx"
has "the certificate $dir/none.pfx cannot be read" err
run 1 "$cli" sign "$dir/p.exe" --pkcs12 "$dir/signer.pfx" --password-file "$dir/none"
has "the password file $dir/none cannot be read" err
# A time-stamp server that refuses (a closed loopback port) fails the signing too.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
run 1 "$cli" sign "$dir/p.exe" --pkcs12 "$dir/signer.pfx" --password-file "$dir/password" \
  --timestamp "http://127.0.0.1:$port/"
has "RFC 3161 timestamping failed" err
check_unchanged "an unreachable time-stamp server"
printf 'MZ not a program' >"$dir/text.exe"
run 1 "$cli" sign "$dir/text.exe" --pkcs12 "$dir/signer.pfx" --password-file "$dir/password"
[ "$(cat "$dir/text.exe")" = "MZ not a program" ] || fail "a file that is no program was changed"
run 1 "$cli" sign "$dir/missing.exe" --pkcs12 "$dir/signer.pfx" --password-file "$dir/password"
has "$dir/missing.exe: no such file" err
ORBMENU_OSSLSIGNCODE=$dir/no-such-tool run 1 "$cli" sign "$dir/p.exe" --pkcs12 "$dir/signer.pfx"
has "signing needs osslsigncode" err
check_unchanged "a missing signing tool"
run 2 "$cli" sign "$dir/p.exe"
has "--pkcs12 CERT.pfx is required" err

# A tool that claims success without signing is not believed.
printf '#!/bin/sh\nwhile [ "$1" != -out ]; do shift; done; cp "%s" "$2"\n' "$unsigned" >"$dir/liar"
chmod +x "$dir/liar"
ORBMENU_OSSLSIGNCODE=$dir/liar run 1 "$cli" sign "$dir/p.exe" --pkcs12 "$dir/signer.pfx"
has "holds no signature" err
check_unchanged "a tool that signed nothing"

# The password reaches the tool as a file, never on its command line.
printf '#!/bin/sh\necho "$@" >"%s"\nexit 1\n' "$dir/argv" >"$dir/spy"
chmod +x "$dir/spy"
ORBMENU_OSSLSIGNCODE=$dir/spy run 1 "$cli" sign "$dir/p.exe" --pkcs12 "$dir/signer.pfx" --password-file "$dir/password"
grep -q -- "-readpass $dir/password" "$dir/argv" || fail "the password file was not handed over: $(cat "$dir/argv")"
grep -q "pass word" "$dir/argv" && fail "the password was on the command line"
grep -q -- "-h sha256" "$dir/argv" || fail "not signed with SHA-256: $(cat "$dir/argv")"

# make-cd signs the player in the CD root: the demo CD verifies against the test CA.
cd_root=$dir/demo-cd
cp -r "$src/examples/demo" "$cd_root"
run 0 "$cli" make-cd "$cd_root/demo.obm" --root "$cd_root" --player "$unsigned" --no-runtime \
  --pkcs12 "$dir/signer.pfx" --password-file "$dir/password"
has "All autorun files have been generated" err
has "Orbstart.exe signed by CN=Orb Test Publisher, O=Orb Tests" err
verifies "$cd_root/Orbstart.exe" || fail "the demo CD's player does not verify against the test CA"
no_leftovers "$cd_root"
run 0 "$cli" check --from-root "$cd_root"
has "note: $cd_root/Orbstart.exe: the player is signed by CN=Orb Test Publisher, O=Orb Tests" out

# A failed signing is the last word: no success message, the copied player unsigned, the CD files written.
rm "$cd_root/menu.cfg"
run 1 "$cli" make-cd "$cd_root/demo.obm" --root "$cd_root" --player "$unsigned" --no-runtime \
  --pkcs12 "$dir/signer.pfx" --password-file "$dir/wrong"
grep -q "All autorun files" "$dir/err" && fail "success reported although signing failed"
has "the player in the root stays unsigned" err
cmp -s "$unsigned" "$cd_root/Orbstart.exe" || fail "the player in the root is not the unsigned copy"
[ -e "$cd_root/menu.cfg" ] || fail "the CD files were not written"
run 0 "$cli" check --from-root "$cd_root"
has "note: $cd_root/Orbstart.exe: the player is not signed" out
# Options that cannot work stop before anything is written.
rm "$cd_root/menu.cfg"
run 1 "$cli" make-cd "$cd_root/demo.obm" --root "$cd_root" --player "$unsigned" --pkcs12 "$dir/none.pfx"
[ ! -e "$cd_root/menu.cfg" ] || fail "files written although the certificate was missing"
run 1 "$cli" make-cd "$cd_root/demo.obm" --root "$cd_root" --player "$unsigned" --timestamp http://127.0.0.1/
has "--timestamp needs --pkcs12" err

# make-simple signs its player the same way.
mkdir "$dir/simple"
run 0 "$cli" make-simple --root "$dir/simple" --player "$unsigned" --no-runtime --pkcs12 "$dir/signer.pfx" \
  --password-file "$dir/password"
verifies "$dir/simple/Orbstart.exe" || fail "make-simple's player does not verify"
# make-iso signs the player before imaging: the image's player verifies; a failed signing writes no image.
from_image() { osirrox -indev "$1" -extract /ORBSTART.EXE "$2" >/dev/null 2>&1 ||
  osirrox -indev "$1" -extract /Orbstart.exe "$2" >/dev/null 2>&1 || fail "no player in $1"; }
run 0 "$cli" make-iso "$cd_root/demo.obm" -o "$dir/demo.iso" --root "$cd_root" --player "$unsigned" --no-runtime \
  --pkcs12 "$dir/signer.pfx" --password-file "$dir/password"
from_image "$dir/demo.iso" "$dir/from-image.exe"
verifies "$dir/from-image.exe" || fail "the image's player does not verify against the test CA"
run 1 "$cli" make-iso "$cd_root/demo.obm" -o "$dir/bad.iso" --root "$cd_root" --player "$unsigned" --no-runtime \
  --pkcs12 "$dir/signer.pfx" --password-file "$dir/wrong"
[ ! -e "$dir/bad.iso" ] || fail "an image was written although signing failed"
cp "$unsigned" "$dir/simple/Orbstart.exe"
run 0 "$cli" make-iso --from-root "$dir/simple" -o "$dir/simple.iso" --pkcs12 "$dir/signer.pfx" \
  --password-file "$dir/password"
from_image "$dir/simple.iso" "$dir/simple-image.exe"
verifies "$dir/simple-image.exe" || fail "the image of an existing root holds an unsigned player"
cp "$unsigned" "$dir/simple/Orbstart.exe"
run 1 "$cli" make-iso --from-root "$dir/simple" -o "$dir/bad.iso" --pkcs12 "$dir/signer.pfx"
[ ! -e "$dir/bad.iso" ] || fail "an image of an existing root was written although signing failed"
cmp -s "$unsigned" "$dir/simple/Orbstart.exe" || fail "a failed signing changed the root's player"

# --sign-command: the user's own command signs (here a wrapper round osslsigncode) and our reader checks it.
printf '#!/bin/sh\nosslsigncode sign -h sha256 -pkcs12 "%s" -readpass "%s" -in "$1" -out "$1.signed" && mv "$1.signed" "$1"\n' \
  "$dir/signer.pfx" "$dir/password" >"$dir/my signer"
chmod +x "$dir/my signer"
run 0 "$cli" make-cd "$cd_root/demo.obm" --root "$cd_root" --player "$unsigned" --no-runtime \
  --sign-command "'$dir/my signer' \"%1\""
has "Orbstart.exe signed by CN=Orb Test Publisher, O=Orb Tests" err
verifies "$cd_root/Orbstart.exe" || fail "the player signed by --sign-command does not verify"
no_leftovers "$cd_root"
# A command that fails shows its output and writes no image; one that signs nothing is not believed.
run 1 "$cli" make-iso "$cd_root/demo.obm" -o "$dir/bad.iso" --root "$cd_root" --player "$unsigned" --no-runtime \
  --sign-command 'echo "no token inserted" >&2; exit 4'
has "$cd_root/Orbstart.exe was not signed: the signing command ended with exit code 4." err
has "no token inserted" err
[ ! -e "$dir/bad.iso" ] || fail "an image was written although the signing command failed"
cmp -s "$unsigned" "$cd_root/Orbstart.exe" || fail "a failed signing command changed the root's player"
cp "$unsigned" "$dir/p.exe"
run 1 "$cli" sign "$dir/p.exe" --sign-command 'true %1'
has "but the file holds no signature" err
check_unchanged "a signing command that signed nothing"
run 1 "$cli" sign "$dir/p.exe" --sign-command 'true' --pkcs12 "$dir/signer.pfx"
has "--sign-command and --pkcs12 are two ways to sign" err

echo "signing: verified, tampering caught, failures leave the program unsigned"
