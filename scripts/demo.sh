#!/usr/bin/env bash
# The main job: install what is missing, build both configurations into dist/, and build the bundled
# example's CD root into out/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
echo "dist/windows: $(ls dist/windows | tr '\n' ' ')"
