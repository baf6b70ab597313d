#!/usr/bin/env bash
# The demo on a real SDL window: it opens centred with its drawn title band and image button, text typed
# with xdotool (two lines) reaches its multi-line field, and its close button ends the program cleanly.
#   demo_test.sh UI_DEMO
app=$1
source "$(dirname "$0")/xvfb_lib.sh"

start_xvfb
timeout -k 5 90 "$app" >"$work/typed" 2>"$work/app.log" &
app_pid=$!
pids+=("$app_pid")
# Only once shown: the hidden window exists earlier, at its first size, before it is sized and centred.
window_geometry() { xdotool search --onlyvisible --name 'wannianli UI demo' getwindowgeometry >"$work/geometry" 2>/dev/null; }
wait_until 30 window_geometry
# 560 x 420 centred on 640 x 480.
grep -q 'Position: 40,30' "$work/geometry" || { echo "FAIL: not centred: $(cat "$work/geometry")" >&2; exit 1; }
# The images drawn at build time reach the screen: the title band's gradient (its third row) and the
# image button's face in its normal state.
wait_until 10 pixel_is 300 32 9A2A22
[ "$(pixel 58 194)" = E6ECF4 ] || { echo "FAIL: the image button shows $(pixel 58 194)" >&2; exit 1; }

# Into the multi-line field, everything selected and typed over; ui-demo prints the field's text at the end.
xdotool mousemove 340 350 click 1
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 20 "abc"
xdotool key Return
xdotool type --delay 20 "def"
sleep 0.3

xdotool mousemove 577 50 click 1
code=0
wait "$app_pid" || code=$?
[ "$code" -eq 0 ] || { echo "FAIL: ui-demo exited with $code" >&2; cat "$work/app.log" >&2; exit 1; }
[ ! -s "$work/app.log" ] || { echo "FAIL: ui-demo complained:" >&2; cat "$work/app.log" >&2; exit 1; }
[ "$(cat "$work/typed")" = $'abc\ndef' ] || { echo "FAIL: the field holds '$(cat "$work/typed")'" >&2; exit 1; }
echo "PASS"
