#!/usr/bin/env bash
# Builds the reagent book's benchmark in Release in its own build directory and runs it: a
# keystroke of the search over 10,000 bottles, an import of 10,000 bottles, opening a book of
# none, 10,000 and 100,000 bottles, making a new one. Extra arguments go to bench_book, e.g.
# --benchmark_filter=Search.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-bench-book"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMOLVERA_BUILD_TESTS=OFF -DMOLVERA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target bench_book >/dev/null
echo "machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores"
exec "$build/bench/book/bench_book" "$@"
