#!/usr/bin/env bash
# The player as AutoPlay and SmartScreen see it: not packed, a version resource naming company and product,
# and a demo CD made with a test certificate whose player Windows finds signed (and an unsigned or tampered
# one not), which still plays.
. "$(dirname "$0")/lib.sh"
signcheck() { "$ORB_WINE_RUN" "$ORB_SIGNCHECK" "$@" | tr -d '\r'; }
cli=$ORB_NATIVE_BIN_DIR/cli/orbmenu-cli
[ -x "$cli" ] || fail "no native orbmenu-cli in ORB_NATIVE_BIN_DIR ($ORB_NATIVE_BIN_DIR)"
version_h=$ORB_SOURCE_DIR/common/Version.h
company=$(sed -n 's/^#define ORB_COMPANY_NAME "\(.*\)"$/\1/p' "$version_h")
product=$(sed -n 's/^#define ORB_PRODUCT_NAME "\(.*\)"$/\1/p' "$version_h")
[ -n "$company" ] && [ -n "$product" ] || fail "no company or product name in $version_h"

# Only the sections a MinGW linker writes, and the entry point inside .text: a packer renames or adds
# sections (UPX0, .aspack, ...) and starts in its own stub.
usual=" .text .data .rdata .bss .idata .CRT .tls .rsrc .reloc .pdata .xdata .edata .eh_fram .eh_frame "
unpacked() {
  local exe=$1 objdump=$2 name vma size start found=""
  start=$(( $($objdump -f "$exe" | sed -n 's/^start address 0x//p' | sed 's/^/0x/') ))
  while read -r name size vma; do
    [[ "$usual" == *" $name "* ]] || fail "$(basename "$exe") has an unusual section $name (packed?)"
    if [ "$name" = .text ] && [ $start -ge $((0x$vma)) ] && [ $start -lt $((0x$vma + 0x$size)) ]; then found=1; fi
  done < <($objdump -h "$exe" | awk '$1 ~ /^[0-9]+$/ { print $2, $3, $4 }')
  [ -n "$found" ] || fail "$(basename "$exe") does not start in its .text section"
  grep -qa 'UPX!' "$exe" && fail "$(basename "$exe") holds a UPX header"
  [ "$(signcheck version "$exe" CompanyName)" = "$company" ] || fail "$(basename "$exe") has no CompanyName $company"
  [ "$(signcheck version "$exe" ProductName)" = "$product" ] || fail "$(basename "$exe") has no ProductName $product"
}
unpacked "$ORB_PLAYER" "$ORB_OBJDUMP"
if [ -n "$ORB_SHIPPED_DIR" ]; then unpacked "$ORB_SHIPPED_DIR/Orbstart.exe" i686-w64-mingw32-objdump; fi

# The demo CD made with a test certificate: its player verifies against the test CA.
mkdir "$TMP/cert"
bash "$ORB_SOURCE_DIR/tests/support/test-certificate.sh" "$TMP/cert"
cd_root=$TMP/cd
cp -r "$ORB_SOURCE_DIR/examples/demo" "$cd_root"
"$cli" make-cd "$cd_root/demo.obm" --root "$cd_root" --player "$ORB_PLAYER" --no-runtime \
  --pkcs12 "$TMP/cert/signer.pfx" --password-file "$TMP/cert/password" 2>"$TMP/err" ||
  { cat "$TMP/err"; fail "make-cd with a certificate failed"; }
signed=$cd_root/$(basename "$ORB_PLAYER")
[ "$(basename "$ORB_PLAYER")" = Orbstart.exe ] || mv "$cd_root/Orbstart.exe" "$signed"
osslsigncode verify -CAfile "$TMP/cert/ca.pem" -in "$signed" >"$TMP/verify" 2>&1 ||
  { cat "$TMP/verify"; fail "the demo CD's player does not verify against the test CA"; }

# WinVerifyTrust: the signed player has a signature (under Wine its untrusted test chain may still pass),
# the unsigned one none, a tampered copy a bad digest.
TRUST_E_NOSIGNATURE=0x800B0100 TRUST_E_BAD_DIGEST=0x80096010
result=$(signcheck trust "$signed")
case $result in
  0x00000000 | 0x800B0109 | 0x800B010A) ;;  # trusted, or the test CA untrusted or unchained
  *) fail "WinVerifyTrust on the signed player: $result" ;;
esac
[ "$(signcheck signer "$signed")" = "Orb Test Publisher" ] || fail "Windows names another signer"
[ "$(signcheck trust "$ORB_PLAYER")" = $TRUST_E_NOSIGNATURE ] || fail "the unsigned player is not TRUST_E_NOSIGNATURE"
cp "$signed" "$TMP/tampered.exe"
printf '\x90' | dd of="$TMP/tampered.exe" bs=1 seek=$((0x600)) conv=notrunc 2>/dev/null
[ "$(signcheck trust "$TMP/tampered.exe")" = $TRUST_E_BAD_DIGEST ] || fail "a tampered player is not TRUST_E_BAD_DIGEST"
osslsigncode verify -CAfile "$TMP/cert/ca.pem" -in "$TMP/tampered.exe" >/dev/null 2>&1 && fail "a tampered player verifies"

# The signature changes nothing the player does: the signed demo CD still opens its menu.
( cd "$cd_root" && run "./$(basename "$signed")" ) & pid=$!
wintool wait "Orbmenu Demo" 30000 >/dev/null || { kill $pid; fail "the signed player showed no menu"; }
wintool close "Orbmenu Demo"
wait $pid || fail "the signed player exited with $?"
echo "player unpacked with company and product; signed demo CD verified, seen by WinVerifyTrust, and plays ($result)"
