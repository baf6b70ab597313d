#!/usr/bin/env bash
# Dragging by the hit test needs a window manager: openbox on a private Xvfb. The window follows a drag
# that starts on the caption band's background and stays put for one that starts on the "go" button; a
# double click on the band arrives as the caption double click.
#   drag_test.sh APP SKIN_ROOT
app=$1
skins=$2
source "$(dirname "$0")/xvfb_lib.sh"
command -v openbox >/dev/null || { echo "SKIP: openbox is not installed"; exit 77; }
command -v xprop >/dev/null || { echo "SKIP: xprop is not installed"; exit 77; }

start_xvfb
HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_until 20 wm_ready

# drag FROM_X FROM_Y DX DY: press, move in steps, release.
drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  sleep 0.3
  for step in 1 2 3 4; do
    xdotool mousemove $(($1 + $3 * step / 4)) $(($2 + $4 * step / 4))
    sleep 0.1
  done
  sleep 0.2
  xdotool mouseup 1
}

start_app 40 30
wait_until 10 status_is x 40
wait_until 10 status_is y 30
x0=40
y0=30

# On the band's background (left of the button): the whole window moves with the pointer.
drag $((x0 + 30)) $((y0 + 20)) 120 90
wait_until 10 status_is x $((x0 + 120))
wait_until 10 status_is y $((y0 + 90))
x1=$(status x)
y1=$(status y)
# It was moved, not repainted elsewhere: the swatch is now at its new place on the screen.
wait_until 10 pixel_is $((x1 + 50)) $((y1 + 80)) CC2222

# On the button: no move. A click on "go" afterwards proves the drag's events were all handled.
drag $((x1 + 155)) $((y1 + 20)) 100 80
xdotool mousemove $((x1 + 155)) $((y1 + 20)) click 1
wait_until 10 status_is clicks 1
if [ "$(status x)" != "$x1" ] || [ "$(status y)" != "$y1" ]; then
  echo "FAIL: a drag on the button moved the window to $(status x),$(status y)" >&2
  exit 1
fi

# A double click on the band's background reaches the window as the caption double click, and moves nothing.
# Each press is held a moment, as a hand does: the window manager takes over a press only once SDL has
# asked it to, and a press released before that request arrives leaves it waiting for another.
xdotool mousemove $((x1 + 30)) $((y1 + 20)) mousedown 1 sleep 0.15 mouseup 1 sleep 0.1 mousedown 1 sleep 0.15 mouseup 1
wait_until 10 status_is dbl 1
[ "$(status x)" = "$x1" ] && [ "$(status y)" = "$y1" ] || { echo "FAIL: a double click moved the window" >&2; exit 1; }

quit_app
echo "PASS"
