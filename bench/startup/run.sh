#!/usr/bin/env bash
# Start-up time (launch to first painted frame) and peak resident memory of molvera against a
# bare Qt program (a QMainWindow with one QTabWidget), both run in turn, under Xvfb and on the
# offscreen platform. Prints the median of RUNS runs (default 25) of each: the wall-clock time
# from launch to the first painted frame, the processor time used (which a busy machine
# disturbs less) and the peak resident memory.
#
#   bash bench/startup/run.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="$root/build-bench-startup"
runs=${1:-25}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMOLVERA_BUILD_TESTS=OFF -DMOLVERA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target molvera startup_bare startup_launcher startup_probe >/dev/null

export XDG_RUNTIME_DIR="$build/xdg-runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# One series: alternates the two programs so that both see the same machine state.
series() {
    local platform=$1
    local bare_ms=() bare_cpu=() bare_rss=() mol_ms=() mol_cpu=() mol_rss=()
    # Warm the caches (fontconfig, shared libraries) once for each program.
    QT_QPA_PLATFORM=$platform "$build/bench/startup/startup_launcher" "$build/bench/startup/startup_probe.so" "$build/bench/startup/startup_bare" >/dev/null 2>&1
    QT_QPA_PLATFORM=$platform "$build/bench/startup/startup_launcher" "$build/bench/startup/startup_probe.so" "$build/ui/molvera" >/dev/null 2>&1
    for ((i = 0; i < runs; i++)); do
        read -r _ ms _ cpu _ rss < <(QT_QPA_PLATFORM=$platform "$build/bench/startup/startup_launcher" "$build/bench/startup/startup_probe.so" "$build/bench/startup/startup_bare" 2>/dev/null)
        bare_ms+=("$ms"); bare_cpu+=("$cpu"); bare_rss+=("$rss")
        read -r _ ms _ cpu _ rss < <(QT_QPA_PLATFORM=$platform "$build/bench/startup/startup_launcher" "$build/bench/startup/startup_probe.so" "$build/ui/molvera" 2>/dev/null)
        mol_ms+=("$ms"); mol_cpu+=("$cpu"); mol_rss+=("$rss")
    done
    median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
    local bm bc br mm mc mr
    bm=$(median "${bare_ms[@]}"); bc=$(median "${bare_cpu[@]}"); br=$(median "${bare_rss[@]}")
    mm=$(median "${mol_ms[@]}"); mc=$(median "${mol_cpu[@]}"); mr=$(median "${mol_rss[@]}")
    awk -v p="$platform" -v n="$runs" -v bm="$bm" -v bc="$bc" -v br="$br" -v mm="$mm" -v mc="$mc" -v mr="$mr" 'BEGIN {
        printf "%-9s %d runs, medians   bare: %6.1f ms to first paint, %6.1f ms cpu, %5.1f MiB   molvera: %6.1f ms, %6.1f ms cpu, %5.1f MiB\n", p, n, bm, bc, br/1024, mm, mc, mr/1024
        printf "%-9s time x%.2f (cpu x%.2f), goal <= 1.30;  memory %+.1f MiB, goal <= 15\n", p, mm/bm, mc/bc, (mr-br)/1024 }'
}
export -f series

echo "machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores"
series offscreen
# Under Xvfb the same series runs against one X server.
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "$(declare -f series); runs=$runs build=$build; series xcb"
