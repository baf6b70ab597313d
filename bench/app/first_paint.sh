#!/usr/bin/env bash
# Start -> first painted window under Xvfb, median of N runs, side by side with `zenity --calendar`.
#   bench/app/first_paint.sh [PATH/TO/wannianli] [N] [PATH/TO/other/wannianli]
# (defaults: build/bin/wannianli, 10). A second build (the previous main's, say) joins the alternation and
# gets a row and a ratio of its own.
# Each run starts the program from nothing on a private Xvfb (-displayfd) and polls the server every
# 0.5 ms (first_paint_probe.c): "mapped" is when its window is viewable, "painted" when that window shows
# more than one colour. The two programs alternate so that a busy moment of the machine hits both.
# Needs Xvfb, a C compiler with libx11-dev, zenity (scripts/setup).
set -euo pipefail
cd "$(dirname "$0")/../.."
program=$(realpath "${1:-build/bin/wannianli}")
runs=${2:-10}
other=""
[ -n "${3:-}" ] && other=$(realpath "$3")
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cc -O2 -o "$work/probe" bench/app/first_paint_probe.c -lX11
source bench/app/xvfb_session.sh
start_xvfb_session

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
: >"$work/wannianli"
: >"$work/zenity"
names=(wannianli zenity)
[ -n "$other" ] && names=(wannianli other zenity) && : >"$work/other"
for _ in $(seq "$runs"); do
  "$work/probe" "$program" >>"$work/wannianli" || echo "first_paint: a run of $program saw no painted window" >&2
  if [ -n "$other" ]; then
    "$work/probe" "$other" >>"$work/other" || echo "first_paint: a run of $other saw no painted window" >&2
  fi
  "$work/probe" zenity --calendar >>"$work/zenity" 2>/dev/null || true
done
for name in "${names[@]}"; do
  printf '%-10s mapped %6.1f ms   painted %6.1f ms   (median of %d; every run: %s)\n' "$name" \
    "$(cut -d' ' -f1 "$work/$name" | median)" "$(cut -d' ' -f2 "$work/$name" | median)" "$runs" \
    "$(cut -d' ' -f2 "$work/$name" | tr '\n' ' ')"
done
w=$(cut -d' ' -f2 "$work/wannianli" | median)
z=$(cut -d' ' -f2 "$work/zenity" | median)
awk -v w="$w" -v z="$z" 'BEGIN {printf "wannianli / zenity: %.2f\n", w / z}'
if [ -n "$other" ]; then
  o=$(cut -d' ' -f2 "$work/other" | median)
  awk -v w="$w" -v o="$o" -v z="$z" 'BEGIN {printf "other / zenity: %.2f   wannianli / other: %.2f\n", o / z, w / o}'
fi
