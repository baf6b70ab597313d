# Sourced by the bench/app scripts: a private Xvfb (-displayfd, never a fixed display) and the widget's own
# runtime, settings and data folders under $work, so that every start is a first start and nothing of the
# user's is read or written. Sets DISPLAY and xvfb_pid; the caller's cleanup kills $xvfb_pid.
start_xvfb_session() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$work/display")"
  mkdir -m 700 "$work/runtime"
  mkdir -p "$work/config" "$work/data" "$work/home"
  export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data HOME=$work/home
  export WANNIANLI_NO_POWEROFF=1 NO_AT_BRIDGE=1
}
