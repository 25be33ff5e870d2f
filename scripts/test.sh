#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
#  1. every unit and widget test (offscreen, and under Xvfb where a real X server matters),
#     with a CUPS-PDF queue of the tests' own as the default printer (scripts/printer.sh) and a
#     PostgreSQL server of their own for the lab book (scripts/testdatabase.sh);
#  2. what a screen reader sees and does, through a private AT-SPI bus;
#  3. the Debian packages, built from a copy of the tree and checked unpacked;
#  4. the whole tree again, built with clang under AddressSanitizer, UndefinedBehaviorSanitizer
#     and LeakSanitizer: every test program of stage 1 (the monkey, a random user, among them),
#     and bounded libFuzzer runs.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
"$root/scripts/setup.sh"
source "$root/scripts/printer.sh"
source "$root/scripts/testdatabase.sh"
trap 'stop_test_database; stop_test_printer' EXIT
start_test_printer
start_test_database
# With the printer and the lab book's server promised, a printing or lab-book test that finds
# none fails instead of skipping.
export MOLVERA_REQUIRE_PRINTER=1 MOLVERA_REQUIRE_LAB_BOOK=1

run_tests() {
    xvfb-run -a -s "-screen 0 1280x800x24" ctest --preset "$1" -j "$jobs"
}

# The dev preset: assertions on, so that a Q_ASSERT is a test too, and any warning an error.
cmake --preset dev
cmake --build --preset dev -j "$jobs"
run_tests dev

bash "$root/scripts/test-accessibility.sh" "$root/build"

bash "$root/scripts/test-packages.sh" "$root/build"

cmake --preset asan
cmake --build --preset asan -j "$jobs"
run_tests asan
