#!/usr/bin/env bash
# The real program on its own Xvfb display: 记事本 opens the selected day's note window, text typed with
# xdotool (two lines: Return starts the second) reaches the note, and × saves it into the user's store (a folder of the test's own).
#   note_xvfb_test.sh PATH/TO/wannianli
set -euo pipefail
program=$1
work=$(mktemp -d)
xvfb_pid="" app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "note window test: $*" >&2; exit 1; }
for tool in Xvfb xdotool sqlite3; do command -v "$tool" >/dev/null || { echo "no $tool"; exit 77; }; done

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
export SDL_NO_SIGNAL_HANDLERS=1 WANNIANLI_NO_POWEROFF=1 WANNIANLI_DATA_DIR=$work/data
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"

timeout -k 5 60 "$program" --today 2015-02-19 &
app_pid=$!
# By exact name (xdotool's own pattern does not match a Chinese title).
find_window() {
  local id
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id"
  done | tail -n1
}
wait_window() {
  local w=""
  for _ in $(seq 100); do
    w=$(find_window "$1")
    [ -n "$w" ] && break
    sleep 0.1
  done
  echo "$w"
}
main=$(wait_window 万年历)
[ -n "$main" ] || fail "no widget window (万年历) appeared"
sleep 0.5
xdotool mousemove --window "$main" 222 14 click 1  # 记事本 in the header
note=$(wait_window 记事本)
[ -n "$note" ] || fail "记事本 opened no note window"
sleep 0.5
xdotool windowactivate --sync "$note" 2>/dev/null || xdotool windowfocus --sync "$note" 2>/dev/null || true
xdotool mousemove --window "$note" 160 170 click 1  # into the text field
xdotool type --delay 20 "hello xvfb"
xdotool key Return  # a second line
xdotool type --delay 20 "line two"
sleep 0.5
xdotool mousemove --window "$note" 300 18 click 1  # × saves and closes
for _ in $(seq 50); do [ -z "$(find_window 记事本)" ] && break; sleep 0.1; done
[ -z "$(find_window 记事本)" ] || fail "× did not close the note window"
text=$(sqlite3 "$work/data/user.db" "select body from note where date = '2015-02-19'" 2>&1) || true
[ "$text" = $'hello xvfb\nline two' ] || fail "the note holds '$text', not the two typed lines"
xdotool mousemove --window "$main" 318 14 click 1  # × of the main window
wait "$app_pid" || fail "exit status $? after closing"
app_pid=""
echo "note window test: typed text reached the note and was saved"
