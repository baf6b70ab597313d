#!/usr/bin/env bash
# CPU time (user + system) of `wannianli --info 1901-01-01 2050-12-31` beside a lunar-javascript script that
# prints the same 17 columns (tools/lunar-reference/info_columns.js, the library pinned in that folder's
# package-lock.json), in one run: three rounds, each program once per round, the median of each reported.
#   bench/almanac/info_side_by_side.sh [BUILD_DIR]     default build/; needs node and npm (npm ci once)
set -euo pipefail
cd "$(dirname "$0")/../.."
program=${1:-build}/bin/wannianli
[ -x "$program" ] || { echo "no $program: build first (cmake --build build)" >&2; exit 1; }
[ -d tools/lunar-reference/node_modules ] || (cd tools/lunar-reference && npm ci --silent)
times=$(mktemp)
trap 'rm -f "$times"' EXIT
days=54787

# Seconds of CPU that "$@" takes, its output thrown away.
cpu() {
  /usr/bin/time -o "$times" -f '%U %S' "$@" >/dev/null
  awk '{ printf "%.3f\n", $1 + $2 }' "$times"
}
median() { sort -n | sed -n 2p; }

ours=() theirs=()
for round in 1 2 3; do
  ours+=("$(cpu "$program" --info 1901-01-01 2050-12-31)")
  theirs+=("$(cpu node tools/lunar-reference/info_columns.js 1901-01-01 2050-12-31)")
done
a=$(printf '%s\n' "${ours[@]}" | median)
b=$(printf '%s\n' "${theirs[@]}" | median)
awk -v a="$a" -v b="$b" -v n="$days" 'BEGIN {
  printf "wannianli --info 1901-01-01 2050-12-31: %.3f s CPU, %.2f us per day\n", a, a * 1e6 / n
  printf "lunar-javascript, same columns:        %.3f s CPU, %.2f us per day\n", b, b * 1e6 / n
  printf "wannianli is %.1fx faster\n", b / a
}'
