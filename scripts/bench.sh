#!/usr/bin/env bash
# Builds the benchmarks in Release and runs each of them (bench/*_bench.cpp); figures go to stdout.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
benches=()
for src in bench/*_bench.cpp; do benches+=("$(basename "$src" .cpp)"); done
cmake --build build/bench -j "$(nproc)" --target "${benches[@]}"
status=0
for bench in "${benches[@]}"; do
  echo "=== $bench"
  "build/bench/bench/$bench" || status=1
done
exit $status
