#!/usr/bin/env bash
# Runs print_stall.py on a virtual X server of its own under a session bus,
# as a desktop has them. Exits 77 (skipped) where a tool is missing.
set -euo pipefail
program="$1"
for tool in Xvfb xdotool dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "needs $tool; skipped"; exit 77; }
done
# The system's own Python, which has pyatspi; not one first on PATH.
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "needs python3-pyatspi; skipped"; exit 77; }

. "$(dirname "$0")/xvfb.sh"
start_xvfb "${MORVANE_XVFB_DISPLAY:-}"
DISPLAY="$xvfb_display" XDG_RUNTIME_DIR="$work" \
  dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/print_stall.py" "$program" "$work"
