#!/usr/bin/env bash
# The user's store through the real program, with real files: holiday schedules imported from iCalendar
# (a published one and a made-up year yiji.db lacks), notes exported and imported, a bad file, an import
# killed in the middle of its transaction, a damaged store; a program without its iCalendar module. Every
# run has its own data folder.
#   user_data_test.sh WANNIANLI FIXTURE_CACHE holidays2025|holidays2027|notes|killed|damaged|no-module
set -uo pipefail
program=$1 cache=$2 case=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export WANNIANLI_DATA_DIR=$dir/data XDG_DATA_HOME=$dir/xdg HOME=$dir/home
store=$WANNIANLI_DATA_DIR/user.db
fail() { echo "FAIL: $*"; exit 1; }
holiday_column() { "$program" --info "$1" "$2" | tail -n +2 | cut -f1,17; }
# One line on standard output, status 0.
run_ok() {
  "$program" "$@" >"$dir/out" 2>"$dir/err" || fail "$* exited $?: $(cat "$dir/err")"
  cat "$dir/out"
  [ "$(wc -l <"$dir/out")" = 1 ] && [ ! -s "$dir/err" ] || fail "$*: not one summary line"
}

case $case in
holidays2025)
  # The published calendar of chinese-days 1.5.7 (never committed): fetched once, checked by its SHA-256.
  tarball=$cache/chinese-days-1.5.7.tgz
  sha256=87fac6624b9f58084c0c05dac7cac86711beef2c05a86284bff880e4fe92f6c0
  if ! echo "$sha256  $tarball" | sha256sum --check --status 2>/dev/null; then
    mkdir -p "$cache" && (cd "$cache" && npm pack --silent chinese-days@1.5.7 >/dev/null) ||
      fail "npm pack chinese-days@1.5.7 failed"
    echo "$sha256  $tarball" | sha256sum --check --status || { rm -f "$tarball"; fail "chinese-days-1.5.7.tgz: wrong SHA-256"; }
  fi
  tar -xzf "$tarball" -C "$dir" package/dist/years/2025.ics || fail "no dist/years/2025.ics in the package"
  holiday_column 2025-01-01 2025-12-31 >"$dir/builtin"
  grep -qP '\trest$' "$dir/builtin" || fail "yiji.db has no 2025 rest days to compare with"
  run_ok --import-holidays "$dir/package/dist/years/2025.ics"
  grep -q 'added 2025 (28 rest days, 5 worked days)' "$dir/out" || fail "unexpected summary"
  holiday_column 2025-01-01 2025-12-31 >"$dir/imported"
  diff "$dir/builtin" "$dir/imported" || fail "the imported 2025 schedule differs from yiji.db's"
  ;;
holidays2027)
  # A schedule for a year yiji.db lacks, as a calendar app would publish it.
  cat >"$dir/2027.ics" <<'ICS'
BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//test//2027//CN
BEGIN:VEVENT
UID:spring-2027
DTSTAMP:20261201T000000Z
DTSTART;VALUE=DATE:20270206
DTEND;VALUE=DATE:20270214
SUMMARY:春节(休)
END:VEVENT
BEGIN:VEVENT
UID:spring-work-2027
DTSTAMP:20261201T000000Z
DTSTART;VALUE=DATE:20270214
DTEND;VALUE=DATE:20270215
SUMMARY:春节(班)
END:VEVENT
BEGIN:VEVENT
UID:not-a-holiday
DTSTAMP:20261201T000000Z
DTSTART;VALUE=DATE:20270301
SUMMARY:植树节
END:VEVENT
END:VCALENDAR
ICS
  holiday_column 2027-02-01 2027-02-28 >"$dir/builtin"
  ! grep -qP '\t(rest|work)$' "$dir/builtin" || fail "yiji.db already has 2027"
  "$program" --snapshot "$dir/before.png" --today 2027-02-01 2>/dev/null || fail "snapshot failed"
  run_ok --import-holidays "$dir/2027.ics"
  grep -q 'added 2027 (8 rest days, 1 worked day); replaced no year; skipped 1' "$dir/out" || fail "unexpected summary"
  holiday_column 2027-02-05 2027-02-15 >"$dir/imported"
  printf '%s\n' 2027-02-05$'\t' 2027-02-06$'\trest' 2027-02-07$'\trest' 2027-02-08$'\trest' 2027-02-09$'\trest' \
    2027-02-10$'\trest' 2027-02-11$'\trest' 2027-02-12$'\trest' 2027-02-13$'\trest' 2027-02-14$'\twork' \
    2027-02-15$'\t' | diff - "$dir/imported" || fail "--info does not show the imported 2027 marks"
  mkdir -p "$cache/snapshots"
  "$program" --snapshot "$cache/snapshots/holidays_2027.png" --today 2027-02-01 2>/dev/null || fail "snapshot failed"
  # The grid (below the header, whose clock differs between the two) shows the marks.
  changed=$(compare -metric AE -extract 336x300+0+190 "$dir/before.png" "$cache/snapshots/holidays_2027.png" null: 2>&1)
  [ "${changed%% *}" -gt 500 ] 2>/dev/null || fail "the snapshot's grid shows no marks (${changed} pixels differ)"
  run_ok --forget-holidays 2027
  holiday_column 2027-02-01 2027-02-28 | diff "$dir/builtin" - || fail "--forget-holidays left marks"
  ;;
notes)
  cat >"$dir/in.ics" <<'ICS'
BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//test//notes//CN
BEGIN:VEVENT
UID:a@test
DTSTAMP:20250101T010203Z
DTSTART;VALUE=DATE:20250128
SUMMARY:除夕
DESCRIPTION:除夕\n回家吃年夜饭\, 带上红包
END:VEVENT
BEGIN:VEVENT
UID:b@test
DTSTAMP:20250101T010203Z
DTSTART:20250301T090000Z
SUMMARY:a meeting at nine
END:VEVENT
BEGIN:VTODO
UID:c@test
SUMMARY:a task
END:VTODO
END:VCALENDAR
ICS
  run_ok --import-notes "$dir/in.ics"
  grep -q 'read 3 entries; added 1 note, replaced 0, merged 0 into a day.s note, 0 unchanged; skipped 2' "$dir/out" ||
    fail "unexpected summary"
  run_ok --export-notes "$dir/first.ics"
  export WANNIANLI_DATA_DIR=$dir/empty
  run_ok --import-notes "$dir/first.ics"
  run_ok --export-notes "$dir/second.ics"
  cmp "$dir/first.ics" "$dir/second.ics" || fail "export, import into an empty store, export: the events differ"
  grep -q 'DESCRIPTION:除夕\\n回家吃年夜饭\\, 带上红包' "$dir/second.ics" || fail "the note's text did not come through"
  # A bad file: one line naming file and line, status 2, the store untouched.
  before=$(sha256sum "$WANNIANLI_DATA_DIR"/* | sort)
  sed 's/DTSTART;VALUE=DATE:20250128/DTSTART;VALUE=DATE:2025x128/' "$dir/first.ics" >"$dir/bad.ics"
  "$program" --import-notes "$dir/bad.ics" >"$dir/out" 2>"$dir/err"
  status=$?
  cat "$dir/err"
  [ "$status" = 2 ] || fail "status $status for a bad file"
  [ "$(wc -l <"$dir/err")" = 1 ] && [ ! -s "$dir/out" ] || fail "not one error line"
  grep -qE "^wannianli: $dir/bad.ics:[0-9]+: " "$dir/err" || fail "the error names no file and line"
  [ "$(sha256sum "$WANNIANLI_DATA_DIR"/* | sort)" = "$before" ] || fail "a bad file changed the store"
  ;;
killed)
  # An import of many notes, killed while its one transaction is being written: the store holds the old
  # notes or all the new ones, and passes SQLite's integrity check. Tried at several moments.
  run_ok --import-notes <(printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//CN\r\nBEGIN:VEVENT\r\nUID:old@t\r\nDTSTAMP:20250101T000000Z\r\nDTSTART;VALUE=DATE:19010101\r\nSUMMARY:old\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n') >/dev/null
  awk 'BEGIN {
    printf "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//CN\r\n"
    text = sprintf("%0400d", 0)
    for (i = 0; i < 12000; i++) {
      d = 20000101 + (i % 28) + 100 * (int(i / 28) % 12) + 10000 * int(i / 336)
      printf "BEGIN:VEVENT\r\nUID:n%d@t\r\nDTSTAMP:20250101T000000Z\r\nDTSTART;VALUE=DATE:%d\r\nSUMMARY:note %d %s\r\nEND:VEVENT\r\n", i, d, i, text
    }
    printf "END:VCALENDAR\r\n"
  }' >"$dir/many.ics"
  old=1 killed_mid=0
  for attempt in 1 2 3 4 5 6; do
    "$program" --import-notes "$dir/many.ics" >/dev/null 2>&1 &
    pid=$!
    # Kill once the transaction is writing (its pages reach the log), a little later at each attempt.
    for _ in $(seq 1 2000); do
      size=$(stat -c %s "$store-wal" 2>/dev/null || echo 0)
      [ "$size" -gt $((attempt * 1000000)) ] && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.005
    done
    kill -9 "$pid" 2>/dev/null && killed_mid=$((killed_mid + 1))
    wait "$pid" 2>/dev/null
    [ "$(sqlite3 "$store" 'pragma integrity_check')" = ok ] || fail "integrity check after a kill (attempt $attempt)"
    count=$(sqlite3 "$store" 'select count(*) from note')
    echo "attempt $attempt: $count notes after the kill"
    [ "$count" = "$old" ] || [ "$count" = 12001 ] || fail "$count notes: neither the old $old nor all the new"
    [ "$count" = "$old" ] && [ "$(sqlite3 "$store" 'select body from note')" = old ] || [ "$count" = 12001 ] ||
      fail "the old note changed"
    [ "$count" = 12001 ] && break
  done
  [ "$killed_mid" -gt 0 ] || fail "no import was killed in the middle"
  ;;
damaged)
  mkdir -p "$WANNIANLI_DATA_DIR"
  head -c 65536 /dev/urandom >"$store"
  cp "$store" "$dir/damaged"
  printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//CN\r\nBEGIN:VEVENT\r\nUID:x@t\r\nDTSTAMP:20250101T000000Z\r\nDTSTART;VALUE=DATE:20250505\r\nSUMMARY:fresh\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' >"$dir/one.ics"
  "$program" --import-notes "$dir/one.ics" >"$dir/out" 2>"$dir/err" || fail "import on a damaged store exited $?"
  cat "$dir/err" "$dir/out"
  [ "$(wc -l <"$dir/err")" = 1 ] && grep -q 'is damaged .*moved it aside as .*user.db.corrupt-' "$dir/err" ||
    fail "not one message saying where the damaged store went"
  aside=$(ls "$WANNIANLI_DATA_DIR"/user.db.corrupt-*)
  cmp "$aside" "$dir/damaged" || fail "the damaged store was changed"
  [ "$(sqlite3 "$store" 'pragma integrity_check')" = ok ] || fail "the fresh store is not sound"
  [ "$(sqlite3 "$store" 'select body from note')" = fresh ] || fail "the import did not reach the fresh store"
  ;;
no-module)
  # A copy of the program without its iCalendar module, neither beside it nor in its private library
  # folder: an iCalendar command says in one line where it looked, exits 1 and writes nothing.
  alone=$(realpath "$dir")/alone/bin
  mkdir -p "$alone"
  cp "$program" "$alone/"
  "$alone/wannianli" --export-notes "$dir/notes.ics" >"$dir/out" 2>"$dir/err"
  status=$?
  cat "$dir/err"
  [ "$status" = 1 ] || fail "status $status without the module"
  [ "$(wc -l <"$dir/err")" = 1 ] && [ ! -s "$dir/out" ] && [ ! -e "$dir/notes.ics" ] || fail "not one error line, or a file"
  grep -qF ": tried $alone/wannianli-ical.so (" "$dir/err" && grep -qF "; $alone/../lib" "$dir/err" ||
    fail "the error does not name both places"
  ;;
*) fail "unknown case $case" ;;
esac
echo "PASS: $case"
