#!/usr/bin/env bash
# `wannianli --info` on a yiji.db that another program holds locked, and on one that disappears in the middle
# of a long range. The program runs from a folder of its own beside a copy of the real yiji.db.
#   info_almanac_test.sh WANNIANLI YIJI_DB locked|gone
set -uo pipefail
program=$1 db=$2 case=$3
dir=$(mktemp -d)
holder=
cleanup() {
  exec 3>&-  # the writer's input ends: it rolls back and exits
  [ -n "$holder" ] && wait "$holder"
  rm -rf "$dir"
}
trap cleanup EXIT
cp "$program" "$dir/wannianli"
cp "$db" "$dir/yiji.db"
fail() { echo "FAIL: $*"; exit 1; }

case $case in
locked)
  # A writer in the middle of its commit: an exclusive lock, held for longer than --info waits.
  mkfifo "$dir/in" "$dir/held"
  sqlite3 -batch "$dir/yiji.db" <"$dir/in" >"$dir/held" &
  holder=$!
  exec 3>"$dir/in"
  printf '.bail on\nbegin exclusive;\ndelete from yijitable;\nselect 1;\n' >&3
  read -r line <"$dir/held" || fail "the writer did not get its lock"
  start=$(date +%s%N)
  "$dir/wannianli" --info 2015-10-01 2015-10-03 >"$dir/out" 2>"$dir/err"
  status=$?
  elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
  cat "$dir/err"
  [ "$status" = 1 ] || fail "exit status $status, not 1"
  [ ! -s "$dir/out" ] || fail "output on a busy database: $(head -c 200 "$dir/out")"
  [ "$(wc -l <"$dir/err")" = 1 ] || fail "not one error line"
  grep -q 'SQLITE_BUSY\[5\]: database is locked (another program holds it locked; gave up after 5 s)' "$dir/err" ||
    fail "the message does not say the database is busy"
  [ "$elapsed_ms" -ge 4000 ] && [ "$elapsed_ms" -le 9000 ] || fail "waited ${elapsed_ms} ms, not about 5 s"
  ;;
gone)
  # The reader takes 2000 lines, then removes yiji.db and reads the rest.
  "$dir/wannianli" --info 1901-01-01 2050-12-31 2>"$dir/err" |
    { for _ in $(seq 2000); do IFS= read -r line; printf '%s\n' "$line"; done; rm "$dir/yiji.db"; cat; } >"$dir/out"
  status=${PIPESTATUS[0]}
  cat "$dir/err"
  [ "$status" = 0 ] || fail "exit status $status"
  [ "$(wc -l <"$dir/out")" = 54788 ] || fail "$(wc -l <"$dir/out") lines, not 54788"
  [ "$(wc -l <"$dir/err")" = 1 ] || fail "not one line on standard error"
  from=$(sed -n 's/.* are empty from \([0-9-]*\) on$/\1/p' "$dir/err")
  [ -n "$from" ] || fail "no date in the message"
  # Every line from that date has empty almanac columns; the year before it has yi words.
  awk -F'\t' -v from="$from" 'NR > 1 && $1 >= from && ($13 $14 $15 $16 $17) != "" { bad = $1 }
       NR > 1 && $1 < from && $15 != "" { before++ }
       END { if (bad != "") { print "almanac columns on " bad; exit 1 } if (before < 1999) { print before; exit 1 } }' \
    "$dir/out" || fail "columns around $from"
  ;;
esac
echo "ok: $case"
