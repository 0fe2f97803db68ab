#!/usr/bin/env bash
# Runs a test program on a virtual X server of its own through Qt's xcb
# platform, where windows, pictures and pointers are real X resources.
# Skips (exit 77) where Xvfb is not installed. MORVANE_XVFB_DISPLAY picks
# the display number; otherwise Xvfb takes the first free one.
set -euo pipefail

if ! command -v Xvfb >/dev/null; then
  echo "needs Xvfb; skipped"
  exit 77
fi

work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

if [ -n "${MORVANE_XVFB_DISPLAY:-}" ]; then
  Xvfb "$MORVANE_XVFB_DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  display=$MORVANE_XVFB_DISPLAY
else
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  display=:$(head -n1 "$work/display")
fi
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start on $display; skipped"; exit 77; }
  sleep 0.05
done

DISPLAY="$display" QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0 XDG_RUNTIME_DIR="$work" "$@"
