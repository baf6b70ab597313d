#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: the desktop entry and the AppStream metainfo pass their
# validators, the files are where GNUInstallDirs puts them, and the installed program — with nothing beside
# it — finds its almanac and skin in ../share/wannianli and its iCalendar module in its private library
# folder.
#   install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
id=io.github.wannianli.Wannianli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/usr" >"$work/install.log" || { cat "$work/install.log" >&2; fail "cmake --install failed"; }
prefix=$work/usr
for file in bin/wannianli share/wannianli/yiji.db share/wannianli/skin/main.xml share/wannianli/skin/wannianli.png \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/man/man1/wannianli.1.gz \
  share/icons/hicolor/scalable/apps/$id.svg share/doc/wannianli/copyright share/doc/wannianli/changelog.gz; do
  [ -s "$prefix/$file" ] || fail "$file is missing"
done
for size in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ "$(identify -format %wx%h "$png")" = "${size}x${size}" ] || fail "$png is not ${size}x${size}"
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"

info=$("$prefix/bin/wannianli" --info 2015-09-27)
[[ $info == *$'\t中秋节\t'*$'\trest' ]] || fail "the installed --info has no almanac columns: $info"
"$prefix/bin/wannianli" --today 2015-02-19 --snapshot "$work/snapshot.png" || fail "the installed --snapshot failed"
[ "$(identify -format %wx%h "$work/snapshot.png")" = 336x494 ] || fail "the snapshot is not 336x494"
[ "$("$prefix/bin/wannianli" --version)" = "wannianli $version" ] || fail "--version"
# libical (and ICU through it) is loaded only by the iCalendar commands, from the private library folder.
needed=$(readelf -d "$prefix/bin/wannianli")
[[ $needed != *libical* && $needed != *libicu* ]] || fail "the program links libical or ICU itself"
WANNIANLI_DATA_DIR=$work/data "$prefix/bin/wannianli" --export-notes "$work/notes.ics" >/dev/null ||
  fail "the installed --export-notes failed"
[ "$(head -n 1 "$work/notes.ics")" = $'BEGIN:VCALENDAR\r' ] || fail "--export-notes wrote no calendar"
echo "install test: installed into a temporary prefix; validators pass; the installed program runs"
