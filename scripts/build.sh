#!/usr/bin/env bash
# Builds both configurations and installs them: dist/linux (orbmenu-cli) and dist/windows (what users get).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
jobs=$(nproc)
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$top/dist/linux" >/dev/null
cmake --build build/native -j "$jobs"
cmake --install build/native >/dev/null
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-i686.cmake" \
  -DCMAKE_INSTALL_PREFIX="$top/dist/windows" -DORB_NATIVE_BIN_DIR="$top/build/native" >/dev/null
cmake --build build/windows -j "$jobs"
cmake --install build/windows >/dev/null
