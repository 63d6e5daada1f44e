#!/usr/bin/env bash
# The main job: install what is missing, build both configurations and the editor's setup into dist/, build
# the bundled example's CD root into out/demo-cd, check it, image it into out/demo.iso and show what the
# player reads. Its options sign the setup: --pkcs12 CERT.pfx [--password-file FILE] [--timestamp URL].
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
echo
echo "=== the setup, the zip and the winget manifest"
bash installer/build-setup.sh "$@"
echo "dist/windows: $(ls dist/windows | tr '\n' ' ')"

cd_root=out/demo-cd
rm -rf "$cd_root"
mkdir -p out
cp -r examples/demo "$cd_root"
rm -f "$cd_root/make-art.sh"
echo
echo "=== orbmenu-cli make-cd $cd_root/demo.obm --root $cd_root"
dist/linux/orbmenu-cli make-cd "$cd_root/demo.obm" --root "$cd_root"
echo
echo "=== orbmenu-cli inspect $cd_root (what Orbstart.exe reads from the CD root)"
dist/linux/orbmenu-cli inspect "$cd_root"
echo
echo "=== orbmenu-cli check --from-root $cd_root"
dist/linux/orbmenu-cli check --from-root "$cd_root"
echo
echo "=== orbmenu-cli make-iso --from-root $cd_root -o out/demo.iso"
dist/linux/orbmenu-cli make-iso --from-root "$cd_root" -o out/demo.iso
echo
echo "=== the menu in Orbstart.exe under Wine"
bash scripts/screenshot-demo.sh "$cd_root" out/example-menu.png out/example-extras.png
# ORB_UPDATE_DOCS_IMAGES=1 refreshes the README's pictures too.
[ "${ORB_UPDATE_DOCS_IMAGES:-}" != 1 ] ||
  cp out/example-menu.png out/example-extras.png docs/images/
echo
echo "The CD root is $cd_root and its disc image out/demo.iso: burn either, mount the image, or run"
echo "Orbstart.exe from the root."
