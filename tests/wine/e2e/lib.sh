# Shared helpers of the end-to-end scripts: run Windows programs under the build's Wine wrapper.
set -euo pipefail
run() { "$ORB_WINE_RUN" "$@"; }
wintool() { "$ORB_WINE_RUN" "$ORB_WINTOOL" "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
mkdir -p "$ORB_ARTIFACTS"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
# screenshot NAME: saves the whole display as an artifact PNG and prints its path.
screenshot() { local f="$ORB_ARTIFACTS/$1.png"; import -display "$DISPLAY" -window root "$f"; echo "$f"; }
