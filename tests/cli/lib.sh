# Shared helpers of the command-line test scripts: a temporary folder, and running orbmenu-cli with its
# output kept for checks.
set -euo pipefail
cli=${ORB_CLI:?ORB_CLI must name orbmenu-cli}
src=${ORB_SOURCE_DIR:?ORB_SOURCE_DIR must name the source tree}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# run EXPECTED_STATUS CMD...: runs with stdout in $dir/out, stderr in $dir/err.
run() {
  local want=$1 status=0
  shift
  "$@" >"$dir/out" 2>"$dir/err" || status=$?
  [ "$status" = "$want" ] || { cat "$dir/out" "$dir/err" >&2; fail "$*: exit $status, want $want"; }
}
# has TEXT FILE: FILE ($dir/out or $dir/err by name) holds TEXT.
has() { grep -qF -- "$1" "$dir/$2" || { cat "$dir/$2" >&2; fail "missing in $2: $1"; }; }
