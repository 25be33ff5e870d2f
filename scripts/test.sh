#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
#  1. every unit and widget test (offscreen, and under Xvfb where a real X server matters),
#     with a CUPS server and a PDF printer as the default printer;
#  2. the calculation core and hoverlet again, built with clang under AddressSanitizer and
#     UndefinedBehaviorSanitizer, and a bounded libFuzzer run over the core;
#  3. (run right after 1) the Debian packages, built from a copy of the tree and checked
#     unpacked, by test-packages.sh.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
"$root/scripts/setup.sh"
source "$root/scripts/printer.sh"
start_pdf_printer
# With the printer promised, a printing test that finds none fails instead of skipping.
export MOLVERA_REQUIRE_PRINTER=1

# The dev preset: assertions on, so that a Q_ASSERT is a test too, and any warning an error.
cmake -S "$root" --preset dev
cmake --build "$root/build" -j "$jobs"

export QTEST_DISABLE_STACK_DUMP=1
xvfb-run -a -s "-screen 0 1280x800x24" \
    ctest --test-dir "$root/build" --output-on-failure --timeout 300 -j "$jobs"

# What a screen reader sees and does, through a private AT-SPI bus of its own.
bash "$root/scripts/test-accessibility.sh" "$root/build"

bash "$root/scripts/test-packages.sh" "$root/build"

CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-sanitize" -G Ninja \
    -DCMAKE_BUILD_TYPE=Debug -DMOLVERA_SANITIZE=ON -DMOLVERA_FUZZ=ON
cmake --build "$root/build-sanitize" -j "$jobs" --target sanitize-checks
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
ctest --test-dir "$root/build-sanitize" --output-on-failure --timeout 300 -L 'calc|fuzz|leak'
