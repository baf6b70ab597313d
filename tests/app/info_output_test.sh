#!/usr/bin/env bash
# Where `wannianli --info` writes its lines: into a full device or a closed standard output it fails with
# status 1 and one line saying why; into a pipe whose reader stops early (`| head -1`) it ends quietly with
# status 0, the reader having taken what it wanted. The notes' commands likewise: --export-notes into a full
# device (through a link, which stays) and a summary line into one.
#   info_output_test.sh WANNIANLI full-device|closed-output|reader-stops|export-full-device|summary-full-device
set -uo pipefail
program=$1 case=$2
dir=$(mktemp -d)
err=$dir/err
trap 'rm -rf "$dir"' EXIT
export WANNIANLI_DATA_DIR=$dir/data
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
export-full-device)
  ln -s /dev/full "$dir/notes.ics"
  "$program" --export-notes "$dir/notes.ics" 2>"$err"
  status=$? expect="wannianli: --export-notes: cannot write $dir/notes.ics: No space left on device"
  [ -L "$dir/notes.ics" ] || fail "the link was replaced" ;;
summary-full-device)
  "$program" --forget-holidays 2015 >/dev/full 2>"$err"
  status=$? expect='wannianli: cannot write to standard output: No space left on device' ;;
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
