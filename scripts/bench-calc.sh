#!/usr/bin/env bash
# Builds the calculation benchmark in Release (no Qt needed) and runs it: median, mean and spread
# of five repetitions. Extra arguments go to bench_calc, e.g. --benchmark_filter=Molar.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMOLVERA_BUILD_BENCHMARKS=ON -DMOLVERA_BUILD_GUI=OFF -DMOLVERA_BUILD_TESTS=OFF
cmake --build "$root/build-bench" --target bench_calc
lscpu | grep 'Model name' || true
exec "$root/build-bench/bench/calc/bench_calc" \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
