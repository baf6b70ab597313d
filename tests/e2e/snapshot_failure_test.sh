#!/usr/bin/env bash
# `wannianli --snapshot` into a file system that is full (a small tmpfs this test mounts; it needs root and
# skips, exit 77, without) and, at scale 2, under a file-size limit: status 1, one line naming the cause,
# the old file (or no file) left as it was, and no temporary file left beside it.
#   snapshot_failure_test.sh WANNIANLI full-disk|file-size-limit
set -uo pipefail
program=$1 case=$2
dir=$(mktemp -d)
mounted=
cleanup() {
  [ -n "$mounted" ] && umount "$mounted"
  rm -rf "$dir"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

case $case in
full-disk)
  mkdir "$dir/disk"
  mount -t tmpfs -o size=16k tmpfs "$dir/disk" 2>/dev/null || { echo "cannot mount a tmpfs (needs root)"; exit 77; }
  mounted=$dir/disk
  folder=$dir/disk
  echo old >"$folder/shot.png"
  "$program" --today 2015-02-19 --snapshot "$folder/shot.png" 2>"$dir/err"
  status=$?
  cause='No space left on device'
  [ "$(cat "$folder/shot.png")" = old ] || fail "the old file was not kept"
  ;;
file-size-limit)
  folder=$dir/out
  mkdir "$folder"
  # 16 KiB: the snapshot takes about 40 (at scale 2, which draws its own frame, about four times that).
  (ulimit -f 16 && exec "$program" --today 2015-02-19 --scale 2 --snapshot "$folder/shot.png") 2>"$dir/err"
  status=$?
  cause='File too large'
  [ ! -e "$folder/shot.png" ] || fail "a snapshot file was left"
  ;;
*) echo "unknown case $case" >&2; exit 2 ;;
esac
cat "$dir/err"
[ "$status" = 1 ] || fail "exit status $status, not 1"
[ "$(wc -l <"$dir/err")" = 1 ] || fail "not one line on standard error"
grep -qF "wannianli: cannot write $folder/shot.png: $cause" "$dir/err" || fail "the cause is not named"
left=$(ls -A "$folder" | grep -v '^shot\.png$')
[ -z "$left" ] || fail "left beside it: $left"
echo "ok: $case"
