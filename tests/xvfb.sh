# Sourced: starts a virtual X server for a test or a benchmark.
#
#   start_xvfb WORK_DIR [DISPLAY]
#
# Xvfb takes DISPLAY (":N") if given, else the first free one, with a
# 1024x768 screen of 24 bits. Returns once the server is up, with its pid
# in xvfb_pid and its display in xvfb_display; returns 1 if it never came
# up (another server on that display, say). The caller kills it.
start_xvfb() {
  local work="$1" display="${2:-}"
  if [ -n "$display" ]; then
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
  else
    # The server picks a free display and writes its number on descriptor 3.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    display=:$(head -n1 "$work/display")
  fi
  xvfb_display=$display
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && return 0
    kill -0 "$xvfb_pid" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}
