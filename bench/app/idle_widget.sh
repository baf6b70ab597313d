#!/usr/bin/env bash
# The open, idle widget under Xvfb: CPU over a period, system calls while idle, and peak memory.
#   bench/app/idle_widget.sh [PATH/TO/wannianli] [SECONDS]     (defaults: build/bin/wannianli, 60)
# After a 3 s settle, reads /proc/PID/stat (utime + stime, clock ticks) and the sum of
# /proc/PID/task/*/schedstat (nanoseconds on a CPU, every thread) before and after SECONDS of idling and
# prints both as a share of one core. Then counts system calls for 10 s with strace (file-system calls
# apart), and prints VmHWM (peak resident memory) from /proc/PID/status.
# Needs Xvfb and strace (scripts/setup installs Xvfb; strace only for the call count).
set -euo pipefail
cd "$(dirname "$0")/../.."
program=$(realpath "${1:-build/bin/wannianli}")
seconds=${2:-60}
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

source bench/app/xvfb_session.sh
start_xvfb_session

"$program" 2>"$work/stderr" &
app_pid=$!
sleep 3
kill -0 "$app_pid" || { cat "$work/stderr" >&2; exit 1; }

ticks() { awk '{print $14 + $15}' "/proc/$app_pid/stat"; }
nanos() { cat /proc/"$app_pid"/task/*/schedstat | awk '{s += $1} END {print s}'; }
t0=$(ticks) n0=$(nanos)
sleep "$seconds"
t1=$(ticks) n1=$(nanos)
hz=$(getconf CLK_TCK)
awk -v t="$((t1 - t0))" -v hz="$hz" -v s="$seconds" \
  'BEGIN {printf "idle CPU over %d s, /proc/PID/stat:      %.3f %% of a core (%d ticks of 1/%d s)\n", s, 100 * t / hz / s, t, hz}'
awk -v n="$((n1 - n0))" -v s="$seconds" \
  'BEGIN {printf "idle CPU over %d s, task schedstat:      %.4f %% of a core (%.2f ms)\n", s, 100 * n / 1e9 / s, n / 1e6}'

if command -v strace >/dev/null 2>&1; then
  timeout -s INT 10 strace -f -c -o "$work/all" -p "$app_pid" 2>/dev/null || true
  timeout -s INT 10 strace -f -c -o "$work/file" -e trace=%file -p "$app_pid" 2>/dev/null || true
  total=$(awk '$NF == "total" {print $(NF-2)}' "$work/all")
  files=$(awk '$NF == "total" {print $(NF-2)}' "$work/file")
  echo "system calls in 10 s: ${total:-0} in all, ${files:-0} file-system calls"
  sed -n '3,12p' "$work/all" | awk '{print "   ", $0}'
fi
grep VmHWM "/proc/$app_pid/status"
