#!/usr/bin/env bash
# Installs what is missing, builds molvera and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOLVERA_BUILD_TESTS=OFF
cmake --build "$root/build" --target molvera
exec "$root/build/ui/molvera" "$@"
