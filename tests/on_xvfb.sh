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

. "$(dirname "$0")/xvfb.sh"
start_xvfb "${MORVANE_XVFB_DISPLAY:-}"

DISPLAY="$xvfb_display" QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0 XDG_RUNTIME_DIR="$work" "$@"
