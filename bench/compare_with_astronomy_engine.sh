#!/usr/bin/env bash
# Runs the year almanac (Berlin, 2024) with Vespera and with the npm package
# astronomy-engine in one invocation and prints both medians and their ratio.
#
#   bench/compare_with_astronomy_engine.sh [--check-targets] [runs]
#
# astronomy-engine is installed into a temporary folder that is removed at the
# end; nothing from npm lands in the repository. Vespera is built as Release in
# build-compare/ (engine and benchmarks only). With --check-targets the script
# also fails when Vespera needs 15 ms or more, or is less than 20 times faster.
set -euo pipefail

readonly AE_VERSION=2.1.19
readonly TARGET_MS=15
readonly TARGET_RATIO=20
readonly CLOCK_TOLERANCE_MIN=5

check_targets=0
runs=20
for arg in "$@"; do
    case "$arg" in
    --check-targets) check_targets=1 ;;
    *[!0-9]* | '' ) echo "usage: $0 [--check-targets] [runs]" >&2; exit 2 ;;
    *) runs=$arg ;;
    esac
done
if [ "$runs" -lt 1 ] || [ "$runs" -gt 1000 ]; then
    echo "runs must be from 1 to 1000" >&2
    exit 2
fi

repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
. scripts/packages.sh
ensure_packages g++ make cmake libbenchmark-dev
# Some Node.js builds bring npm along; Debian's own nodejs has it as a package.
command -v node >/dev/null || ensure_packages nodejs
command -v npm >/dev/null || ensure_packages npm

git_status_before=$(git status --porcelain --untracked-files=all 2>/dev/null || true)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

echo "== astronomy-engine $AE_VERSION into $tmp"
npm install --no-save --no-package-lock --no-audit --no-fund --loglevel=error \
    --prefix "$tmp" "astronomy-engine@$AE_VERSION" >"$tmp/npm.log" 2>&1 ||
    { cat "$tmp/npm.log" >&2; echo "npm install failed" >&2; exit 1; }

echo "== Vespera (Release) in build-compare"
cmake -S . -B build-compare -DCMAKE_BUILD_TYPE=Release -DVESPERA_BUILD_UI=OFF \
    -DVESPERA_BUILD_TESTS=OFF -DVESPERA_BUILD_BENCH=ON >"$tmp/cmake.log" 2>&1 ||
    { cat "$tmp/cmake.log" >&2; exit 1; }
cmake --build build-compare --target vespera_year_almanac -j2 >>"$tmp/cmake.log" 2>&1 ||
    { cat "$tmp/cmake.log" >&2; exit 1; }

echo "== load before the runs: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "== $runs timed runs each, after one warm-up run"
./build-compare/bench/vespera_year_almanac "$runs" >"$tmp/vespera.txt"
node bench/compare_astronomy_engine.mjs "$tmp" "$runs" >"$tmp/astronomy_engine.txt"

value() { sed -n "s/^$2=//p" "$1" | head -n1; }
vespera_ms=$(value "$tmp/vespera.txt" vespera_ms)
ae_ms=$(value "$tmp/astronomy_engine.txt" astronomy_engine_ms)
vespera_days=$(value "$tmp/vespera.txt" vespera_days)
ae_days=$(value "$tmp/astronomy_engine.txt" astronomy_engine_days)
if [ -z "$vespera_ms" ] || [ -z "$ae_ms" ]; then
    echo "a side printed no median" >&2
    exit 1
fi
if [ "$vespera_days" != 366 ] || [ "$ae_days" != 366 ]; then
    echo "both sides must visit the 366 days of 2024 (Vespera $vespera_days, astronomy-engine $ae_days)" >&2
    exit 1
fi

cat <<TEXT

Year almanac, Berlin (13.2975 E, 52.5222 N, height 0, CET/CEST), 2024, 366 days
  Vespera:          the year's tables (Feiertage_Einlesen: holidays, school holidays,
                    clock changes, four seasons, 15 full and 15 new moons), then per day
                    AufgangSonne, UntergangSonne, DaemmerungAnfang, DaemmerungEnde,
                    Tageslaenge, Kulmination_Sonne, AufgangMond, UntergangMond,
                    MondPhase, MondEntfernung (finished German texts)
  astronomy-engine: Seasons, 15 full and 15 new moons (SearchMoonPhase), then per day
                    from local midnight with a one-day limit: SearchRiseSet Sun +1/-1,
                    SearchAltitude Sun -6 deg +1/-1, SearchHourAngle Sun 0,
                    SearchRiseSet Moon +1/-1, day length (subtraction),
                    Illumination Moon + MoonPhase (waxing), GeoMoon at 12:01 UT
                    (times as objects; no holidays, no text formatting)

Sample day 21 June 2024 (local time):
TEXT

# Both sides must agree on the sample day, or they did not compute the same thing.
mismatch=0
printf '  %-16s %-20s %-20s %s\n' row Vespera astronomy-engine difference
while IFS= read -r line; do
    key=${line#sample }
    key=${key%%=*}
    ours=${line#*=}
    theirs=$(sed -n "s/^sample $key=//p" "$tmp/astronomy_engine.txt" | head -n1)
    diff_text=""
    if [[ "$ours" =~ ^[0-9]{2}:[0-9]{2}$ && "$theirs" =~ ^[0-9]{2}:[0-9]{2}$ ]]; then
        minutes=$(( (10#${ours:0:2} * 60 + 10#${ours:3:2}) - (10#${theirs:0:2} * 60 + 10#${theirs:3:2}) ))
        diff_text="${minutes#-} min"
        if [ "${minutes#-}" -gt "$CLOCK_TOLERANCE_MIN" ]; then
            diff_text="$diff_text  (more than $CLOCK_TOLERANCE_MIN min)"
            mismatch=1
        fi
    elif [[ "$ours" =~ ^[0-9]+$ && "$theirs" =~ ^[0-9]+$ ]]; then
        diff_text="$(( ours > theirs ? ours - theirs : theirs - ours )) km"
    elif [ -z "$theirs" ]; then
        diff_text="missing on the astronomy-engine side"
        mismatch=1
    fi
    printf '  %-16s %-20s %-20s %s\n' "$key" "$ours" "$theirs" "$diff_text"
done < <(grep '^sample ' "$tmp/vespera.txt")

ratio=$(awk -v a="$ae_ms" -v v="$vespera_ms" 'BEGIN { if (v <= 0) exit 1; printf "%.1f", a / v }')
cat <<TEXT

Median of $runs runs (after one warm-up run):
  vespera_ms=$vespera_ms
  astronomy_engine_ms=$ae_ms  (astronomy-engine $AE_VERSION, Node.js $(node --version))
  ratio=$ratio  (astronomy-engine / Vespera)
TEXT

status=0
if [ "$mismatch" -ne 0 ]; then
    echo "the two sides disagree on the sample day" >&2
    status=1
fi
git_status_after=$(git status --porcelain --untracked-files=all 2>/dev/null || true)
if [ "$git_status_before" != "$git_status_after" ]; then
    echo "the run changed the working tree:" >&2
    git status --short >&2
    status=1
fi
if [ "$check_targets" -eq 1 ]; then
    if ! awk -v v="$vespera_ms" -v t="$TARGET_MS" 'BEGIN { exit !(v < t) }'; then
        echo "target missed: Vespera needs $vespera_ms ms, less than $TARGET_MS ms wanted" >&2
        status=1
    fi
    if ! awk -v r="$ratio" -v t="$TARGET_RATIO" 'BEGIN { exit !(r >= t) }'; then
        echo "target missed: ratio $ratio, at least $TARGET_RATIO wanted" >&2
        status=1
    fi
fi
exit "$status"
