#!/usr/bin/env bash
# How long molvera's commands take on the terminal, against `molvera --version`, on the release
# build with no display: hyperfine runs each command line RUNS times (default 50) after warming
# up, and the medians are compared. Goals: each calculation and the formula answer in under
# 50 ms and within 1.5 times --version. --pdf, which starts a QGuiApplication for its fonts, is
# timed beside them.
#
#   bash bench/commandline/run.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
runs=${1:-50}

(cd "$root" && cmake --preset release >/dev/null && cmake --build --preset release --target molvera >/dev/null)
molvera=$root/build-release/ui/molvera

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export LANGUAGE=en LC_ALL=C.UTF-8 XDG_RUNTIME_DIR=$scratch
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

echo "machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores"
hyperfine --shell=none --warmup 5 --runs "$runs" --style basic --export-json "$scratch/times.json" \
    -n "version" "$molvera --version" \
    -n "formula" "$molvera formula CuSO4·5H2O" \
    -n "molar" "$molvera molar --molarity 50mM --volume 250mL --formula NaCl" \
    -n "percent json" "$molvera percent --type w/v --percent 0.9 --amount 100 --stock '20 % w/v' --json" \
    -n "hydrate" "$molvera hydrate --formula CuSO4·5H2O --percent 15 --volume 100 --waters 2" \
    -n "molar pdf" "$molvera molar --molarity 0.5 --volume 1 --formula H2SO4 --pdf $scratch/sheet.pdf" \
    >"$scratch/hyperfine.log" || { cat "$scratch/hyperfine.log"; exit 1; }

python3 - "$scratch/times.json" <<'PYTHON'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
reference = results[0]["median"]
print(f"{'command':16} {'median':>9} {'mean':>9} {'stddev':>8}  vs --version")
for result in results:
    median, ratio = result["median"] * 1000, result["median"] / reference
    goal = ""
    if result["command"] not in ("version", "molar pdf"):
        goal = "ok" if median < 50 and ratio <= 1.5 else "MISSED (goal < 50 ms, <= x1.50)"
    print(f"{result['command']:16} {median:6.1f} ms {result['mean'] * 1000:6.1f} ms "
          f"{result['stddev'] * 1000:5.1f} ms  x{ratio:.2f} {goal}")
PYTHON
