#!/usr/bin/env bash
# Start-up time (launch to first painted frame) and peak resident memory of molvera against a
# bare Qt program (a QMainWindow with one QTabWidget), both run in turn, under Xvfb and on the
# offscreen platform. Prints the median of RUNS runs (default 25) of each.
#
#   bash bench/startup/run.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="$root/build-bench-startup"
runs=${1:-25}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMOLVERA_BUILD_TESTS=OFF -DMOLVERA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target molvera startup_bare startup_launcher >/dev/null

export XDG_RUNTIME_DIR="$build/xdg-runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# One series: alternates the two programs so that both see the same machine state.
series() {
    local platform=$1
    local bare_ms=() bare_rss=() mol_ms=() mol_rss=()
    # Warm the caches (fontconfig, shared libraries) once for each program.
    QT_QPA_PLATFORM=$platform "$build/bench/startup/startup_launcher" "$build/bench/startup/startup_bare" >/dev/null
    QT_QPA_PLATFORM=$platform "$build/bench/startup/startup_launcher" "$build/ui/molvera" >/dev/null
    for ((i = 0; i < runs; i++)); do
        read -r _ ms _ rss < <(QT_QPA_PLATFORM=$platform "$build/bench/startup/startup_launcher" "$build/bench/startup/startup_bare")
        bare_ms+=("$ms"); bare_rss+=("$rss")
        read -r _ ms _ rss < <(QT_QPA_PLATFORM=$platform "$build/bench/startup/startup_launcher" "$build/ui/molvera")
        mol_ms+=("$ms"); mol_rss+=("$rss")
    done
    median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
    local bm bmr mm mmr
    bm=$(median "${bare_ms[@]}"); bmr=$(median "${bare_rss[@]}")
    mm=$(median "${mol_ms[@]}"); mmr=$(median "${mol_rss[@]}")
    awk -v p="$platform" -v n="$runs" -v bm="$bm" -v br="$bmr" -v mm="$mm" -v mr="$mmr" 'BEGIN {
        printf "%-9s runs %d  bare %7.2f ms %6.1f MiB   molvera %7.2f ms %6.1f MiB   time x%.2f (goal <= 1.30)  memory %+.1f MiB (goal <= 15)\n",
            p, n, bm, br/1024, mm, mr/1024, mm/bm, (mr-br)/1024 }'
}
export -f series

echo "machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores"
series offscreen
# Under Xvfb the same series runs against one X server.
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "$(declare -f series); runs=$runs build=$build; series xcb"
