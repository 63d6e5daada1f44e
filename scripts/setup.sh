#!/usr/bin/env bash
# Installs what building and testing need on Debian 12 (as root); does nothing when all is there.
set -euo pipefail
packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest nlohmann-json3-dev python3
  g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 xvfb xauth xdotool imagemagick ffmpeg sox fp-utils jq
  xorriso genisoimage 7zip libcdio-utils osslsigncode openssl nsis zip
  locales  # the sources the pages test makes its German and Japanese locales from
  gstreamer1.0-plugins-good:i386 gstreamer1.0-plugins-bad:i386 gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-libav:i386 gstreamer1.0-plugins-ugly:i386
  # The x86_64 test build plays through 64-bit Wine: WMV needs these for amd64 too. Named with the
  # architecture, as the :i386 ones would otherwise pass the check below for them.
  gstreamer1.0-libav:amd64 gstreamer1.0-plugins-ugly:amd64
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "setup: installing ${missing[*]}"
if [ "$(id -u)" != 0 ]; then echo "setup: run as root to install packages" >&2; exit 1; fi
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
# A mirror in the middle of a sync fails the update now and then: try again, then go on with the lists
# that did arrive, which the install needs only for the packages it lacks.
for try in 1 2 3; do
  apt-get update -qq && break
  echo "setup: the package lists did not all arrive (try $try of 3)" >&2
  sleep 20
done
install=(apt-get install -y -qq --no-install-recommends -o Dpkg::Options::=--force-unsafe-io)
# Without one architecture's security list the two architectures' versions of a library differ, which
# multiarch refuses; the release's own versions are the same for both.
"${install[@]}" "${missing[@]}" >/dev/null || {
  echo "setup: installing the release's versions instead" >&2
  "${install[@]}" -t bookworm "${missing[@]}" >/dev/null
}
