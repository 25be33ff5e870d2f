#!/usr/bin/env bash
# The monkey's long soak: 100,000 actions of the random user in US English and again in German
# (decimal comma), on the dev build (optimised, assertions on; the sanitizer build is the test
# command's bounded run), with the tests' own CUPS-PDF queue as the default printer. Prints each
# run's figures: actions per second, peak memory, and anything found (with the shortest sequence
# that reproduces it).
#   scripts/soak.sh [actions]      MOLVERA_MONKEY_SEED=n picks another seed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
actions=${1:-100000}
seed=${MOLVERA_MONKEY_SEED:-20261208}

source "$root/scripts/printer.sh"
start_test_printer
trap stop_test_printer EXIT

cmake --preset dev >/dev/null
cmake --build --preset dev --target molvera-monkey

status=0
for locale in en_US de_DE; do
    echo "== $locale, $actions actions, seed $seed"
    /usr/bin/time -f "peak memory of the monkey's processes: %M KB, wall time %e s" \
        env QT_QPA_PLATFORM=offscreen QTEST_DISABLE_STACK_DUMP=1 MOLVERA_MONKEY_SEED="$seed" \
        "$root/build/tests/monkey/molvera-monkey" --actions "$actions" --locale "$locale" \
        || status=1
done
exit $status
