#!/usr/bin/env bash
# vespera-cli against the command-line calendar gcal, whole processes side by
# side in one run:
#   vespera-cli liste feiertage 2025   against   gcal -n -u --cc-holidays=DE_BY 2025
#   vespera-cli sonne 2025 --ort Berlin
# First hyperfine (medians and quartiles), then alternating pairs: gcal and
# vespera-cli right after each other, the ratio taken pair by pair, so that a
# busy machine slows both sides of a pair alike. The load average is printed
# before and after. gcal and hyperfine serve the comparison only; neither is
# a dependency of Vespera (Debian: apt-get install gcal hyperfine).
#
#   bench/compare_with_gcal.sh [RUNS [PAIRS]]          default 300 runs each, 200 pairs
#   bench/compare_with_gcal.sh --check-targets [RUNS [PAIRS]]  fail when a target is missed
# VESPERA_CLI_BEFORE=<another vespera-cli> measures that build beside this one
# (e.g. the commit before a change), in the same runs and pairs.
set -euo pipefail
cd "$(dirname "$0")/.."

check=0
if [ "${1:-}" = "--check-targets" ]; then
    check=1
    shift
fi
runs="${1:-300}"
pairs="${2:-200}"
for tool in gcal hyperfine python3; do
    command -v "$tool" >/dev/null || { echo "$tool fehlt (apt-get install $tool)" >&2; exit 2; }
done

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DVESPERA_BUILD_UI=OFF -DVESPERA_BUILD_TESTS=OFF \
    -DVESPERA_BUILD_BENCH=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target vespera-cli >/dev/null
cli="$PWD/build-release/vespera-cli"

before="${VESPERA_CLI_BEFORE:-}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
echo "Last vorher: $(cut -d' ' -f1-3 /proc/loadavg)"
commands=('gcal -n -u --cc-holidays=DE_BY 2025' "$cli liste feiertage 2025")
[ -n "$before" ] && commands+=("$before liste feiertage 2025")
commands+=("$cli sonne 2025 --ort Berlin")
hyperfine --shell=none --warmup 30 --runs "$runs" --export-json "$scratch/runs.json" "${commands[@]}" \
    >"$scratch/hyperfine.txt" 2>&1

status=0
python3 - "$scratch/runs.json" "$check" "$cli" "$pairs" "$before" <<'PY' || status=$?
import json, os, statistics, subprocess, sys, time
results = json.load(open(sys.argv[1]))["results"]
check, cli, pairs, before = sys.argv[2] == "1", sys.argv[3], int(sys.argv[4]), sys.argv[5]
def shown(command):
    command = command.replace(cli, "vespera-cli")
    return command.replace(before, "vespera-cli (vorher)") if before else command
ms = lambda seconds: seconds * 1000.0
def quartiles(values):
    q = statistics.quantiles(values, n=4)
    return q[0], statistics.median(values), q[2]
print(f"{'Befehl':45} {'Median':>8} {'Quartile':>17} {'Minimum':>8}")
for r in results:
    low, median, high = quartiles(r["times"])
    print(f"{shown(r['command']):45} {ms(median):7.3f}  {ms(low):7.3f}–{ms(high):7.3f}  {ms(r['min']):7.3f}  ms")
gcal, holidays, sun = results[0], results[1], results[-1]
ratio = holidays["median"] / gcal["median"]
print(f"liste feiertage / gcal (Mediane): {ratio:.3f}")

# Alternating pairs: each process timed from here, fork and exec included.
def timed(argv):
    start = time.perf_counter()
    subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    return time.perf_counter() - start
sides = [["gcal", "-n", "-u", "--cc-holidays=DE_BY", "2025"], [cli, "liste", "feiertage", "2025"]]
if before: sides.append([before, "liste", "feiertage", "2025"])
for side in sides:
    for _ in range(10): timed(side)
times = [[] for _ in sides]
for i in range(pairs):
    # Which side goes first alternates from pair to pair.
    order = range(len(sides)) if i % 2 == 0 else reversed(range(len(sides)))
    for k in order: times[k].append(timed(sides[k]))
def ratio_line(name, own):
    r = [a / g for a, g in zip(own, times[0])]
    low, median, high = quartiles(r)
    print(f"{name} / gcal je Paar: Median {median:.3f}, Quartile {low:.3f}–{high:.3f} ({pairs} Paare)")
    return median
print(f"Paare, Mediane: gcal {ms(statistics.median(times[0])):.3f} ms, vespera-cli {ms(statistics.median(times[1])):.3f} ms"
      + (f", vorher {ms(statistics.median(times[2])):.3f} ms" if before else ""))
pair_ratio = ratio_line("liste feiertage", times[1])
if before: ratio_line("vorher", times[2])
print(f"sonne 2025 --ort Berlin (Median): {ms(sun['median']):.2f} ms (Ziel: unter 30 ms)")
print("Ziel: liste feiertage / gcal je Paar höchstens 1")
missed = pair_ratio > 1.0 or ms(sun["median"]) >= 30.0
sys.exit(1 if check and missed else 0)
PY
echo "Last nachher: $(cut -d' ' -f1-3 /proc/loadavg)"
exit $status
