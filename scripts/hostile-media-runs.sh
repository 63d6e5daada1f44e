#!/usr/bin/env bash
# The hostile media suite run many times, outside ctest and its 300 s limit, for each case's failure rate:
#   scripts/hostile-media-runs.sh [BUILD_DIR] [RUNS]     (defaults: build/wintest, 10)
# BUILD_DIR is a Windows test build that ctest runs under Wine (scripts/test.sh makes one). The test's own
# environment is taken from ctest, so the script runs exactly what ctest would, only more often.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/wintest}
runs=${2:-10}
test=e2e.player_hostile_media_test
# Listing the tests also lists the Wine test programs' cases, which needs a display.
env_lines=$(cd "$build" && xvfb-run -a -s "-nolisten tcp" ctest --show-only=json-v1 -R "^$test\$" | python3 -c '
import json, sys
for t in json.load(sys.stdin)["tests"]:
    for p in t.get("properties", []):
        if p["name"] == "ENVIRONMENT":
            print("\n".join(p["value"]))
    print("SCRIPT " + t["command"][-1])')
script=$(sed -n 's/^SCRIPT //p' <<<"$env_lines")
mapfile -t vars < <(grep -v '^SCRIPT ' <<<"$env_lines")
[ -n "$script" ] || { echo "$test is not in $build" >&2; exit 1; }
echo "$test, $runs runs of each case"
env "${vars[@]}" ORB_HOSTILE_RUNS="$runs" \
  xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$script"
