#!/usr/bin/env bash
# build-setup.sh [--from DIR] [--out DIR] [--version X.Y.Z] [--target x86|amd64] [--site URL]
#                [--pkcs12 CERT.pfx [--password-file FILE] [--timestamp URL]]
# Builds from the Windows programs in DIR (default dist/windows) the setup OrbmenuSetup-VERSION.exe, the
# portable zip Orbmenu-VERSION.zip with the same files, and a winget manifest under winget/, all in --out
# (default the same folder). The version and publisher come from common/Version.h. File dates are
# SOURCE_DATE_EPOCH (default: the last commit's date), so one commit gives the same bytes each time. With
# --pkcs12 the programs, the uninstaller and the setup are signed through osslsigncode.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
from=$top/dist/windows out= version= target=x86 site=https://orbmenu.example.com
pkcs12= password_file= timestamp=
die() { echo "build-setup: $*" >&2; exit 1; }
while [ $# -gt 0 ]; do
  [ $# -ge 2 ] || die "$1 needs a value"
  case $1 in
    --from) from=$2 ;; --out) out=$2 ;; --version) version=$2 ;; --target) target=$2 ;; --site) site=$2 ;;
    --pkcs12) pkcs12=$2 ;; --password-file) password_file=$2 ;; --timestamp) timestamp=$2 ;;
    *) die "unknown option $1" ;;
  esac
  shift 2
done
out=${out:-$from}
header() { sed -n "s/^#define $1 \"\(.*\)\"$/\1/p" "$top/common/Version.h"; }
version=${version:-$(header ORB_VERSION_TEXT)}
publisher=$(header ORB_COMPANY_NAME)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || die "the version '$version' is not X.Y.Z"
case $target in x86 | amd64) ;; *) die "--target is x86 or amd64, not $target" ;; esac
[ -z "$timestamp$password_file" ] || [ -n "$pkcs12" ] || die "--timestamp and --password-file need --pkcs12"
[ -z "$pkcs12" ] || [ -r "$pkcs12" ] || die "the certificate $pkcs12 cannot be read"
[ -z "$password_file" ] || [ -r "$password_file" ] || die "the password file $password_file cannot be read"
command -v makensis >/dev/null || die "makensis is missing (Debian's nsis package; bash scripts/setup.sh)"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$top" log -1 --format=%ct 2>/dev/null || echo 0)}

# What the setup and the zip hold, in this order.
files=(Orbmenu.exe Orbstart.exe help.chm orbmenu-cli.exe)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/files"
for f in "${files[@]}"; do
  [ -f "$from/$f" ] || die "$from/$f is missing: build the Windows programs first (scripts/build.sh)"
  cp "$from/$f" "$stage/files/$f"
done

if [ -n "$pkcs12" ]; then
  {
    echo 'set -euo pipefail'
    printf 'osslsigncode sign -pkcs12 %q -h sha256' "$pkcs12"
    [ -z "$password_file" ] || printf ' -readpass %q' "$password_file"
    [ -z "$timestamp" ] || printf ' -ts %q' "$timestamp"
    echo ' -in "$1" -out "$1.signed" >/dev/null'
    echo 'mv "$1.signed" "$1"'
  } >"$stage/sign.sh"
  for f in "${files[@]}"; do
    [[ $f != *.exe ]] || bash "$stage/sign.sh" "$stage/files/$f" || die "could not sign $f"
  done
fi
chmod 644 "$stage/files/"*
touch -d "@$SOURCE_DATE_EPOCH" "$stage/files/"*

{
  echo '!macro OrbInstallFiles'
  for f in "${files[@]}"; do echo "  File \"/oname=$f\" \"$stage/files/$f\""; done
  echo '!macroend'
  echo '!macro OrbRemoveFiles'
  for f in "${files[@]}"; do echo "  Delete \"\$INSTDIR\\$f\""; done
  echo '!macroend'
} >"$stage/files.nsh"

mkdir -p "$out"
setup=OrbmenuSetup-$version.exe zip=Orbmenu-$version.zip
defines=(-DVERSION="$version" -DPUBLISHER="$publisher" -DTARGET="$target-unicode" -DSTAGE="$stage"
         -DOUTFILE="$stage/$setup")
[ -z "$pkcs12" ] || defines+=(-DSIGN=1)
makensis -V2 -NOCD "${defines[@]}" "$top/installer/Orbmenu.nsi" >"$stage/makensis.log" 2>&1 ||
  { cat "$stage/makensis.log" >&2; die "makensis failed"; }
(cd "$stage/files" && TZ=UTC zip -X -D -q "$stage/$zip" "${files[@]}")

# The winget manifest, multi-file form: version, installer and default locale.
id=$(tr -d ' ' <<<"$publisher").Orbmenu
man=$stage/winget/manifests/$(tr 'A-Z' 'a-z' <<<"${id:0:1}")/${id//.//}/$version
mkdir -p "$man"
sha=$(sha256sum "$stage/$setup" | cut -d' ' -f1 | tr 'a-f' 'A-F')
cat >"$man/$id.yaml" <<YAML
PackageIdentifier: $id
PackageVersion: $version
DefaultLocale: en-US
ManifestType: version
ManifestVersion: 1.6.0
YAML
cat >"$man/$id.installer.yaml" <<YAML
PackageIdentifier: $id
PackageVersion: $version
InstallerType: nullsoft
Scope: user
InstallModes:
  - interactive
  - silent
UpgradeBehavior: install
FileExtensions:
  - obm
Commands:
  - orbmenu-cli
Installers:
  - Architecture: $target
    InstallerUrl: $site/download/$setup
    InstallerSha256: $sha
ManifestType: installer
ManifestVersion: 1.6.0
YAML
cat >"$man/$id.locale.en-US.yaml" <<YAML
PackageIdentifier: $id
PackageVersion: $version
PackageLocale: en-US
Publisher: $publisher
PackageName: Orbmenu
PackageUrl: $site/
License: Proprietary
ShortDescription: Makes autorun CDs for Windows, with a simple autorun or an interactive menu.
ManifestType: defaultLocale
ManifestVersion: 1.6.0
YAML

# Into place only when all is built; each file replaced whole.
for f in "$setup" "$zip"; do
  cp "$stage/$f" "$out/.$f.tmp" && mv -f "$out/.$f.tmp" "$out/$f"
done
rm -rf "$out/winget.tmp" && cp -r "$stage/winget" "$out/winget.tmp" && rm -rf "$out/winget" && mv "$out/winget.tmp" "$out/winget"
echo "setup:    $out/$setup"
echo "zip:      $out/$zip"
echo "winget:   $out/winget/${man#"$stage/winget/"}"
