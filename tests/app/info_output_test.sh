#!/usr/bin/env bash
# Where `wannianli --info` writes its lines: into a full device or a closed standard output it fails with
# status 1 and one line saying why; into a pipe whose reader stops early (`| head -1`) it ends quietly with
# status 0, the reader having taken what it wanted.
#   info_output_test.sh WANNIANLI full-device|closed-output|reader-stops
set -uo pipefail
program=$1 case=$2
err=$(mktemp)
trap 'rm -f "$err"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

case $case in
full-device)
  "$program" --info 1901-01-01 2050-12-31 >/dev/full 2>"$err"
  status=$? expect='wannianli: cannot write to standard output: No space left on device' ;;
closed-output)
  "$program" --info 2015-10-01 >&- 2>"$err"
  status=$? expect='wannianli: cannot write to standard output: standard output is closed' ;;
reader-stops)
  first=$("$program" --info 1901-01-01 2050-12-31 2>"$err" | head -n 1)
  status=${PIPESTATUS[0]} expect=
  [[ $first == date$'\t'* ]] || fail "the reader got: $first" ;;
*) echo "unknown case $case" >&2; exit 2 ;;
esac
cat "$err"
if [ -n "$expect" ]; then
  [ "$status" = 1 ] || fail "exit status $status, not 1"
  [ "$(cat "$err")" = "$expect" ] || fail "expected the one line: $expect"
else
  [ "$status" = 0 ] || fail "exit status $status, not 0"
  [ ! -s "$err" ] || fail "a message for a reader that stopped early"
fi
echo "ok: $case"
