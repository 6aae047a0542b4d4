#!/usr/bin/env bash
# vespera-cli against the command-line calendar gcal, whole processes side by
# side in one hyperfine run:
#   vespera-cli liste feiertage 2025   against   gcal -n -u --cc-holidays=DE_BY 2025
#   vespera-cli sonne 2025 --ort Berlin
# gcal and hyperfine serve the comparison only; neither is a dependency of
# Vespera (Debian: apt-get install gcal hyperfine).
#
#   bench/compare_with_gcal.sh [RUNS]                  default 300 runs each
#   bench/compare_with_gcal.sh --check-targets [RUNS]  fail when a target is missed
set -euo pipefail
cd "$(dirname "$0")/.."

check=0
if [ "${1:-}" = "--check-targets" ]; then
    check=1
    shift
fi
runs="${1:-300}"
for tool in gcal hyperfine python3; do
    command -v "$tool" >/dev/null || { echo "$tool fehlt (apt-get install $tool)" >&2; exit 2; }
done

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DVESPERA_BUILD_UI=OFF -DVESPERA_BUILD_TESTS=OFF \
    -DVESPERA_BUILD_BENCH=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target vespera-cli >/dev/null
cli="$PWD/build-release/vespera-cli"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
hyperfine --shell=none --warmup 30 --runs "$runs" --export-json "$scratch/runs.json" \
    'gcal -n -u --cc-holidays=DE_BY 2025' \
    "$cli liste feiertage 2025" \
    "$cli sonne 2025 --ort Berlin" >"$scratch/hyperfine.txt" 2>&1

echo "Last: $(cut -d' ' -f1-3 /proc/loadavg)"
python3 - "$scratch/runs.json" "$check" "$cli" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
check = sys.argv[2] == "1"
shown = lambda command: command.replace(sys.argv[3], "vespera-cli")
ms = lambda seconds: seconds * 1000.0
gcal, holidays, sun = results
print(f"{'Befehl':45} {'Median':>9} {'Mittel':>9} {'Minimum':>9}")
for r in results:
    print(f"{shown(r['command']):45} {ms(r['median']):8.2f}  {ms(r['mean']):8.2f}  {ms(r['min']):8.2f}  ms")
ratio = holidays["median"] / gcal["median"]
print(f"liste feiertage / gcal (Median): {ratio:.2f} (Ziel: höchstens 1)")
print(f"sonne 2025 --ort Berlin (Median): {ms(sun['median']):.2f} ms (Ziel: unter 30 ms)")
missed = ratio > 1.0 or ms(sun["median"]) >= 30.0
sys.exit(1 if check and missed else 0)
PY
