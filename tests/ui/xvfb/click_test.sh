#!/usr/bin/env bash
# A real SDL window under Xvfb: a click on "go" turns the red swatch green on the screen.
#   click_test.sh APP SKIN_ROOT
app=$1
skins=$2
source "$(dirname "$0")/xvfb_lib.sh"

start_xvfb
start_app 40 30
x=$(status x)
y=$(status y)
# The swatch spans 20..80 x 60..100 of the window.
wait_until 10 pixel_is $((x + 50)) $((y + 80)) CC2222
paints=$(status paints)

xdotool mousemove $((x + 155)) $((y + 20)) click 1
wait_until 10 status_is clicks 1
wait_until 10 status_at_least paints $((paints + 1))
wait_until 10 pixel_is $((x + 50)) $((y + 80)) 22AA22
# The band around the button is untouched.
[ "$(pixel $((x + 10)) $((y + 10)))" = 808080 ] || { echo "FAIL: caption band colour changed" >&2; exit 1; }

quit_app
echo "PASS"
