#!/usr/bin/env bash
# How long molvera's commands take on the terminal, against `molvera --version`, on the release
# build with no display. hyperfine runs every command line in ROUNDS short rounds (default 10) of
# 5 runs each after warming up, so that all of them see the same machine state (this machine is
# shared); the times of all rounds are pooled. Goals: each calculation and the formula answer in
# under 50 ms and within 1.5 times --version. --pdf, which starts a QGuiApplication and draws the
# sheet with fonts, is timed beside them.
#
#   bash bench/commandline/run.sh [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
rounds=${1:-10}

(cd "$root" && cmake --preset release >/dev/null && cmake --build --preset release --target molvera >/dev/null)
molvera=$root/build-release/ui/molvera

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export LANGUAGE=en LC_ALL=C.UTF-8 XDG_RUNTIME_DIR=$scratch
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

echo "machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores"
commands=(
    -n "version" "$molvera --version"
    -n "formula" "$molvera formula CuSO4·5H2O"
    -n "molar" "$molvera molar --molarity 50mM --volume 250mL --formula NaCl"
    -n "percent json" "$molvera percent --type w/v --percent 0.9 --amount 100 --stock '20 % w/v' --json"
    -n "hydrate" "$molvera hydrate --formula CuSO4·5H2O --percent 15 --volume 100 --waters 2"
    -n "molar pdf" "$molvera molar --molarity 0.5 --volume 1 --formula H2SO4 --pdf $scratch/sheet.pdf"
)
for ((round = 0; round < rounds; round++)); do
    hyperfine --shell=none --warmup 2 --runs 5 --style none \
        --export-json "$scratch/round$round.json" "${commands[@]}" >"$scratch/hyperfine.log" 2>&1 ||
        { cat "$scratch/hyperfine.log"; exit 1; }
done

python3 - "$scratch"/round*.json <<'PYTHON'
import json, statistics, sys
times, cpu = {}, {}
for path in sys.argv[1:]:
    for result in json.load(open(path))["results"]:
        times.setdefault(result["command"], []).extend(result["times"])
        cpu.setdefault(result["command"], []).append(result["user"] + result["system"])
reference = statistics.median(times["version"])
reference_cpu = statistics.mean(cpu["version"])
print(f"{len(times['version'])} runs each; wall-clock median and its ratio, processor time and its ratio")
for command, runs in times.items():
    median, ratio = statistics.median(runs) * 1000, statistics.median(runs) / reference
    processor = statistics.mean(cpu[command])
    goal = ""
    if command not in ("version", "molar pdf"):
        goal = "ok" if median < 50 and ratio <= 1.5 else "MISSED (goal < 50 ms, <= x1.50)"
    print(f"{command:14} {median:6.1f} ms  x{ratio:.2f}   cpu {processor * 1000:5.1f} ms  "
          f"x{processor / reference_cpu:.2f}   {goal}")
PYTHON
