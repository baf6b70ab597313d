#!/usr/bin/env bash
# The real program in a real window, on its own Xvfb display (no fixed display number).
#   real_window_test.sh PATH/TO/wannianli next-month
#     after clock ticks compares the screen with the program's --snapshot (all but the clock) and checks
#     that a tick changed only the clock; clicks "next month" with xdotool, checks that the screenshot
#     changed where the grid is and not in the weekday row, then closes the widget with its close button
#     and expects exit status 0;
#   real_window_test.sh PATH/TO/wannianli wm-close
#     under a window manager (openbox), closes the widget with Alt+F4 and expects exit status 0 and nothing
#     on standard error; with no session bus, the widget must not have started dbus-launch (a dbus-launch
#     first on PATH that leaves a mark stands in for it);
#   real_window_test.sh PATH/TO/wannianli first-click
#     under openbox, another window (xclock) takes the focus, then one click on "next month" must change
#     the grid: the click that activates the widget acts too;
#   real_window_test.sh PATH/TO/wannianli caption-click
#     under openbox, with the focus elsewhere, an instant press and release on the header's bare background
#     (the caption) must not leave the window following the pointer;
#   real_window_test.sh PATH/TO/wannianli second-start
#     under openbox, with another program's window active on top, a second start ends with status 0 at
#     once, leaves one widget, and that widget is then the top and active window; --info meanwhile runs;
#   real_window_test.sh PATH/TO/wannianli reopen
#     under openbox, the widget moved with xdotool and shrunk, closed, and started again reopens there,
#     shrunk;
#   real_window_test.sh PATH/TO/wannianli xft-dpi-192
#     the X resource Xft.dpi is 192 (a desktop at 200 %): the window opens at 672 x 988, matches the
#     snapshot at --scale 2 after clock ticks, and next month and the close button work at their scaled
#     spots, as in next-month.
# The runtime and settings folders are the test's own (XDG_RUNTIME_DIR, XDG_CONFIG_HOME).
set -euo pipefail
program=$1
mode=${2:-next-month}
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
app_pid=""
other_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$other_pid" ] && kill "$other_pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "real window test: $*" >&2; exit 1; }

# Xvfb picks a free display and writes its number to fd 3.
exec 3>"$work/display"
screen=800x600x24
server_args=()
# -noreset: the resource set below stays on the root window after the client that set it has gone.
[ "$mode" = xft-dpi-192 ] && screen=1600x1200x24 server_args=(-noreset)
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp "${server_args[@]}" >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

# s: device pixels per logical pixel of the widget (its skin's spots below are logical).
s=1
if [ "$mode" = xft-dpi-192 ]; then
  # What xrdb -merge would leave on the root window; the widget reads it as it starts.
  xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	192"
  s=2
fi

if [ "$mode" != next-month ] && [ "$mode" != xft-dpi-192 ]; then
  openbox --sm-disable >/dev/null 2>&1 &
  wm_pid=$!
  sleep 1
fi

export SDL_NO_SIGNAL_HANDLERS=1 WANNIANLI_NO_POWEROFF=1
mkdir -m 700 "$work/runtime" "$work/config"
if [ "$mode" = wm-close ]; then
  mkdir "$work/bin"
  printf '#!/bin/sh\ntouch "%s/dbus-launch-ran"\nexit 1\n' "$work" >"$work/bin/dbus-launch"
  chmod +x "$work/bin/dbus-launch"
  export PATH=$work/bin:$PATH
  unset DBUS_SESSION_BUS_ADDRESS
fi
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config

# The shown window, by its X11 class (a search may also meet windows SDL makes and drops while it starts).
find_window() { xdotool search --onlyvisible --class '^wannianli$' 2>/dev/null | tail -n1 || true; }
start_widget() {
  timeout -k 5 60 "$program" --today 2015-02-19 2>"$work/stderr" &
  app_pid=$!
  window=""
  for _ in $(seq 100); do
    window=$(find_window)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "no wannianli window appeared"
}
start_widget
# What window managers and task bars show: the title 万年历, the class the desktop entry names.
xprop -id "$window" _NET_WM_NAME | grep -q '= "万年历"$' || fail "the title is not 万年历: $(xprop -id "$window" _NET_WM_NAME)"
xprop -id "$window" WM_CLASS | grep -q '= "wannianli", "wannianli"$' || fail "WM_CLASS: $(xprop -id "$window" WM_CLASS)"
# The window is shown once it has its size.
finish() {
  local status=0
  wait "$app_pid" || status=$?
  app_pid=""
  [ "$status" = 0 ] || fail "exit status $status after $1"
}
if [ "$mode" = wm-close ]; then
  # The window manager may still be taking the window in: ask again until the program has gone.
  for _ in $(seq 10); do
    sleep 1
    window=$(find_window)
    [ -n "$window" ] || break
    xdotool windowactivate --sync "$window" 2>/dev/null && xdotool key alt+F4 || true
    kill -0 "$app_pid" 2>/dev/null || break
  done
  finish "Alt+F4"
  [ ! -s "$work/stderr" ] || fail "closing printed: $(cat "$work/stderr")"
  [ ! -e "$work/dbus-launch-ran" ] || fail "the widget started dbus-launch to make itself a session bus"
  echo "real window test: closed by the window manager with status 0, nothing printed, no bus started"
  exit 0
fi

# Clicks a spot of the window (client coordinates) once the pointer has rested on it.
click_at() {
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.3
  xdotool click 1
}
# The top window and the active one, as the window manager says.
top_window() { xprop -root _NET_CLIENT_LIST_STACKING | awk '{print $NF}'; }
active_window() { xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}'; }
hex() { printf '0x%x' "$1"; }

if [ "$mode" = second-start ]; then
  # Another program's window, active and on top of the widget.
  xcalc -geometry +0+0 >/dev/null 2>&1 &
  other_pid=$!
  other=""
  for _ in $(seq 50); do
    other=$(xdotool search --onlyvisible --class '^xcalc$' 2>/dev/null | tail -n1 || true)
    [ -n "$other" ] && break
    sleep 0.1
  done
  [ -n "$other" ] || fail "xcalc did not appear"
  xdotool windowactivate --sync "$other"
  [ "$(active_window)" = "$(hex "$other")" ] && [ "$(top_window)" = "$(hex "$other")" ] ||
    fail "xcalc is not the active top window before the second start"
  # Options that never open a widget are not held up by the running one.
  timeout 10 "$program" --info 2015-10-01 >/dev/null || fail "--info failed while the widget runs"
  second_status=0
  timeout 10 "$program" --today 2015-02-19 || second_status=$?
  [ "$second_status" = 0 ] || fail "the second start ended with status $second_status"
  raised=no
  for _ in $(seq 50); do
    if [ "$(active_window)" = "$(hex "$window")" ] && [ "$(top_window)" = "$(hex "$window")" ]; then
      raised=yes
      break
    fi
    sleep 0.1
  done
  [ "$raised" = yes ] || fail "the widget was not brought to the front (active $(active_window), top $(top_window))"
  widgets=$(xdotool search --onlyvisible --class '^wannianli$' | wc -l)
  [ "$widgets" = 1 ] || fail "$widgets widget windows after the second start"
  click_at 318 14
  finish "btn_close"
  echo "real window test: the second start ended with status 0 and raised the first"
  exit 0
fi

if [ "$mode" = reopen ]; then
  settings=$XDG_CONFIG_HOME/wannianli/settings.ini
  xdotool windowmove --sync "$window" 100 150
  click_at 294 14  # "btn_suoxiao" (282..306 x 2..26): shrink to the header
  for _ in $(seq 50); do
    grep -q '^x=100$' "$settings" 2>/dev/null && grep -q '^form=shrunk$' "$settings" && break
    sleep 0.1
  done
  grep -q '^y=150$' "$settings" || fail "the place was not saved: $(cat "$settings" 2>&1)"
  click_at 318 14
  finish "btn_close"
  start_widget
  eval "$(xdotool getwindowgeometry --shell "$window")"  # X Y WIDTH HEIGHT
  [ "$X,$Y,$HEIGHT" = "100,150,128" ] || fail "reopened at $X,$Y with height $HEIGHT, not 100,150 shrunk (128)"
  click_at 318 14
  finish "btn_close"
  echo "real window test: reopened shrunk at 100,150 where it was left"
  exit 0
fi

eval "$(xdotool getwindowgeometry --shell "$window")"  # X Y WIDTH HEIGHT
[ "$WIDTH" = $((336 * s)) ] && [ "$HEIGHT" = $((494 * s)) ] ||
  fail "window is ${WIDTH}x${HEIGHT}, not $((336 * s))x$((494 * s))"

shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"; }
# Changed pixels between two shots inside a window rectangle (w x h + x + y).
changed() {
  compare -metric AE -crop "$3" "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true
}

# Another window is activated: the widget's next click is the one that activates it.
focus_elsewhere() {
  if [ -z "$other_pid" ]; then
    xclock -geometry 100x100+680+480 >/dev/null 2>&1 &
    other_pid=$!
  fi
  local other=""
  for _ in $(seq 100); do
    other=$(xdotool search --onlyvisible --name '^xclock$' 2>/dev/null | tail -n1 || true)
    [ -n "$other" ] && xdotool windowfocus --sync "$other" 2>/dev/null && break
    sleep 0.1
  done
  # (xclock asks for no keyboard input, so the window manager would not give it the focus: it is set directly.)
  [ -n "$other" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" != "$window" ] || fail "the widget kept the focus"
}

if [ "$mode" = caption-click ]; then
  sleep 1
  focus_elsewhere
  # An instant press and release on the header's bare background (between the clock and the buttons).
  xdotool mousemove --window "$window" 160 14 click 1
  sleep 0.5
  xdotool mousemove 520 420
  sleep 0.5
  xdotool mousemove 560 440
  sleep 0.5
  x_before=$X
  y_before=$Y
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$X" = "$x_before" ] && [ "$Y" = "$y_before" ] ||
    fail "the window followed the pointer after a quick click on its caption ($x_before,$y_before -> $X,$Y)"
  xdotool mousemove --window "$window" 318 14 click 1
  finish "btn_close"
  echo "real window test: a quick click on the caption left the window in place"
  exit 0
fi

# The pointer rests outside the window, so that no tooltip shows in either shot.
xdotool mousemove 1 1
sleep 1
[ "$mode" = first-click ] && focus_elsewhere
shot "$work/before.png"

# After clock ticks, each repainting and presenting only the clock's label: the screen is the program's
# own snapshot of the same day everywhere but in the clock (its time differs), and a tick later only the
# clock has changed. A part presented torn or left stale would show here.
if [ "$mode" = next-month ] || [ "$mode" = xft-dpi-192 ]; then
  clock="$((10 * s)),$((4 * s)) $((74 * s - 1)),$((24 * s - 1))"  # "now_time" at 10,4,74,24
  "$program" --today 2015-02-19 --scale "$s" --snapshot "$work/snap.png" 2>/dev/null || fail "--snapshot failed"
  sleep 1.5
  shot "$work/ticked.png"
  for f in snap ticked before; do
    convert "$work/$f.png" -alpha off -fill black -draw "rectangle $clock" "$work/$f-noclock.png"
  done
  stale=$(compare -metric AE "$work/snap-noclock.png" "$work/ticked-noclock.png" null: 2>&1 | cut -d' ' -f1 || true)
  [ "$stale" = 0 ] || fail "after clock ticks the screen differs from the snapshot in $stale pixels outside the clock"
  [ "$(compare -metric AE "$work/before-noclock.png" "$work/ticked-noclock.png" null: 2>&1 | cut -d' ' -f1 || true)" = 0 ] ||
    fail "a clock tick changed the screen outside the clock"
  ticked=$(changed "$work/before.png" "$work/ticked.png" "$((64 * s))x$((20 * s))+$((10 * s))+$((4 * s))")
  [ "${ticked%.*}" -gt 0 ] || fail "the clock did not tick on the screen"
fi
# "btn_next_month" sits at 212..236 x 136..160.
xdotool mousemove --window "$window" $((224 * s)) $((148 * s)) click 1 mousemove 1 1
grid_changed=0
for _ in $(seq 50); do
  sleep 0.1
  shot "$work/after.png"
  grid_changed=$(changed "$work/before.png" "$work/after.png" "$((331 * s))x$((295 * s))+$((2 * s))+$((192 * s))")
  [ "${grid_changed%.*}" -gt $((2000 * s * s)) ] && break
done
[ "${grid_changed%.*}" -gt $((2000 * s * s)) ] ||
  fail "the grid did not change after one click on next month ($grid_changed pixels)"
# The date labels changed too, the weekday row did not.
[ "$(changed "$work/before.png" "$work/after.png" "$((336 * s))x$((24 * s))+0+$((165 * s))")" = 0 ] ||
  fail "the weekday row changed"

# "btn_close" (306..330 x 2..26) ends the program with status 0.
xdotool mousemove --window "$window" $((318 * s)) $((14 * s)) click 1
finish "btn_close"
echo "real window test: ${WIDTH}x${HEIGHT}, grid changed in $grid_changed pixels; closed with status 0"
