#!/usr/bin/env bash
# Builds the print benchmark in Release in its own build directory and runs it on the default
# printer (the test queue of scripts/printer.sh, removed again at the end): PRESSES presses of
# Print per page after the page's example (default 20). Prints, per page, the median and maximum
# time from the press to the click returning (the job is with the spooler by then) and from the
# press to the printed PDF; the PDFs it made are removed. Then as many saves per page with Save as
# PDF: from Save pressed in the save dialog to the complete file.
#
#   scripts/bench-print.sh [PRESSES]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-bench-print"
presses=${1:-20}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMOLVERA_BUILD_TESTS=OFF -DMOLVERA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target bench_print bench_savepdf >/dev/null

source "$root/scripts/printer.sh"
start_test_printer
trap stop_test_printer EXIT

export XDG_RUNTIME_DIR="$build/xdg-runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

echo "machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores"
"$build/bench/print/bench_print" "$presses"
"$build/bench/print/bench_savepdf" "$presses"
