# Shared by the real-window tests: a private Xvfb, the test window, screenshots and pixel checks.
# Everything started here is stopped by process id on exit. Sourced, not run.
set -euo pipefail

for tool in Xvfb xdotool xwd convert; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# wait_until SECONDS COMMAND...: polls COMMAND every 0.1 s; fails with a message when it never holds.
wait_until() {
  local tries=$(($1 * 10))
  shift
  for ((i = 0; i < tries; i++)); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  echo "FAIL: gave up waiting for: $*" >&2
  [ -f "$work/status" ] && echo "last status: $(cat "$work/status")" >&2
  return 1
}

# A display of our own: -displayfd picks a free number, so parallel runs never collide.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
  wait_until 20 test -s "$work/display"
  export DISPLAY=":$(head -n1 "$work/display")"
}

# start_app X Y: the test window at screen point X,Y, bounded in time whatever happens.
start_app() {
  timeout -k 5 90 "$app" "$skins" "$work/status" "$1" "$2" 2>"$work/app.log" &
  app_pid=$!
  pids+=("$app_pid")
  wait_until 30 status_at_least paints 1
}

# status FIELD: a number from the window's status line.
status() { sed -n "s/.*\b$1=\(-\?[0-9]\+\).*/\1/p" "$work/status" 2>/dev/null; }
status_at_least() { local v; v=$(status "$1"); [ -n "$v" ] && [ "$v" -ge "$2" ]; }
status_is() { local v; v=$(status "$1"); [ "$v" = "$2" ]; }

# pixel X Y: the screen's colour at X,Y as RRGGBB.
pixel() {
  xwd -root -silent >"$work/shot.xwd"
  convert "$work/shot.xwd" "$work/shot.png"
  convert "$work/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6 | tr a-f A-F
}
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }

# Ends the window through its own quit button and checks the program's exit code.
quit_app() {
  local x y
  x=$(status x)
  y=$(status y)
  xdotool mousemove $((x + 150)) $((y + 85)) click 1
  local code=0
  wait "$app_pid" || code=$?
  if [ "$code" -ne 0 ]; then
    echo "FAIL: the window program exited with $code" >&2
    cat "$work/app.log" >&2
    exit 1
  fi
}
