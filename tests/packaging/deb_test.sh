#!/usr/bin/env bash
# The Debian package, unpacked into a temporary root with dpkg-deb -x: its program runs from there with
# the almanac, skin and iCalendar module of the package. Skipped (status 77) when scripts/package-deb has
# not built it.
#   deb_test.sh PATH/TO/wannianli_VERSION_amd64.deb VERSION
set -euo pipefail
deb=$1
version=$2
if [ ! -f "$deb" ]; then
  echo "deb test: skipped: $deb has not been built (scripts/package-deb builds it)"
  exit 77
fi
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "deb test: $*" >&2; exit 1; }

depends=$(dpkg-deb --field "$deb" Depends)
for library in libx11-6 libxi6 libcairo2 libpango libsqlite3 libpugixml libical fonts-wqy-microhei; do
  [[ $depends == *$library* ]] || fail "Depends lacks $library: $depends"
done
# SDL is linked in, X11 only: Debian's libSDL2 would bring its audio and Wayland libraries back.
[[ $depends != *libsdl2* ]] || fail "Depends names libsdl2: $depends"
dpkg-deb -x "$deb" "$root"
program=$root/usr/bin/wannianli
[ "$("$program" --version)" = "wannianli $version" ] || fail "the package holds another version: $("$program" --version)"
info=$("$program" --info 2015-09-27)
[[ $info == *$'\t中秋节\t'*$'\trest' ]] || fail "--info has no almanac columns: $info"
"$program" --today 2015-02-19 --snapshot "$root/snapshot.png" || fail "--snapshot failed"
[ "$(identify -format %wx%h "$root/snapshot.png")" = 336x494 ] || fail "the snapshot is not 336x494"
WANNIANLI_DATA_DIR=$root/data "$program" --export-notes "$root/notes.ics" >/dev/null || fail "--export-notes failed"
[ "$(head -n 1 "$root/notes.ics")" = $'BEGIN:VCALENDAR\r' ] || fail "--export-notes wrote no calendar"
echo "deb test: $deb unpacked; its program's --info, --snapshot and --export-notes work from $root"
