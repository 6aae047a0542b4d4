#!/usr/bin/env bash
# The planets 2000-2050 by Vespera and by the npm package astronomy-engine
# (installed into a temporary folder that is removed at the end): rise,
# culmination and set at six places with |latitude| <= 60, elongation, and
# the conjunctions and oppositions; median and largest differences.
#
#   bench/compare_planets_with_astronomy_engine.sh
set -euo pipefail

readonly AE_VERSION=2.1.19

repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
. scripts/packages.sh
ensure_packages g++ make cmake libbenchmark-dev
command -v node >/dev/null || ensure_packages nodejs
command -v npm >/dev/null || ensure_packages npm

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
cmake --build build-compare --target vespera_planet_accuracy -j2 >>"$tmp/cmake.log" 2>&1 ||
    { cat "$tmp/cmake.log" >&2; exit 1; }

echo "== reference values"
node bench/compare_planets_astronomy_engine.mjs "$tmp" >"$tmp/reference.csv"
echo "   $(grep -c '^D' "$tmp/reference.csv") planet-days, $(grep -c '^E' "$tmp/reference.csv") conjunctions and oppositions"
./build-compare/bench/vespera_planet_accuracy <"$tmp/reference.csv"
