#!/usr/bin/env bash
# The real program with hostile files beside it, in a copy of its folder: a festival picture name in yiji.db
# that leaves the skin folder or names a FIFO, and a window size in main.xml beyond the limit. Each snapshot
# must finish promptly, drawn, with a message naming the cause.
#   hostile_files_test.sh WANNIANLI picture-outside|picture-fifo|window-size
set -euo pipefail
program=$1
case=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
bin=$(dirname "$program")
cp "$program" "$dir/wannianli"
cp -r "$bin/skin" "$dir/skin"
cp "$bin/yiji.db" "$dir/yiji.db"

picture() { sqlite3 "$dir/yiji.db" "update festable2015 set picpath='$1' where datetime='20150219'"; }
case $case in
  picture-outside)
    picture '../../../../etc/passwd'
    expect='the file name "../../../../etc/passwd" leaves the skin folder' ;;
  picture-fifo)
    mkfifo "$dir/skin/fest_fifo.png"
    picture 'fest_fifo.png'
    expect='fest_fifo.png (not a regular file)' ;;
  window-size)
    sed -i 's/<Window size="336,494"/<Window size="40000,400"/' "$dir/skin/main.xml"
    expect='main.xml:4: <Window> ignores the attribute size="40000,400"' ;;
  *) echo "unknown case $case" >&2; exit 2 ;;
esac

status=0
err=$(timeout -k 5 30 "$dir/wannianli" --today 2015-02-19 --snapshot "$dir/out.png" 2>&1) || status=$?
echo "$err"
[ "$status" = 0 ] || { echo "exit status $status" >&2; exit 1; }
[ -s "$dir/out.png" ] || { echo "no snapshot" >&2; exit 1; }
[[ $err == *"$expect"* ]] || { echo "expected: $expect" >&2; exit 1; }
[[ $err != *"cannot write"* ]] || { echo "the snapshot file is blamed" >&2; exit 1; }
