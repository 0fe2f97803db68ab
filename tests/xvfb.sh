# Sourced: starts a virtual X server for a test or a benchmark.
#
#   start_xvfb [DISPLAY]
#
# Makes a work directory, $work; when the script exits, the server is
# killed and the directory removed. Xvfb takes DISPLAY (":N") if given,
# else the first free one, with a 1024x768 screen of 24 bits. Returns once
# the server is up, with its display in xvfb_display; if it never comes up
# (another server on that display, say), the script is skipped (exit 77).
# With -noreset: by default the server resets when its last client leaves,
# and drops a client that connects during the reset, so one process after
# another on the same server would sometimes fail to connect.
start_xvfb() {
  local display="${1:-}"
  work=$(mktemp -d)
  xvfb_pid=
  trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
  if [ -n "$display" ]; then
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
  else
    # The server picks a free display and writes its number on descriptor 3.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    display=:$(head -n1 "$work/display")
  fi
  xvfb_display=$display
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && return 0
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
  done
  echo "Xvfb did not start; skipped"
  exit 77
}
