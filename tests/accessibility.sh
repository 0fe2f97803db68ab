#!/usr/bin/env bash
# The program as assistive technology sees it: on a virtual X server, with a
# session bus of its own and the accessibility bus behind it, the program
# started and accessibility.py asking it over AT-SPI.
#
#   accessibility.sh <morvane>
#
# Skips (exit 77) where Xvfb is missing or the accessibility bus cannot
# start (no D-Bus session, no at-spi2-core). MORVANE_XVFB_DISPLAY picks the
# display number; otherwise Xvfb takes the first free one.
set -euo pipefail
app="$1"
here=$(cd "$(dirname "$0")" && pwd)

if ! command -v Xvfb >/dev/null; then
  echo "needs Xvfb; skipped"
  exit 77
fi
if ! command -v dbus-run-session >/dev/null || ! command -v dbus-send >/dev/null; then
  echo "needs dbus-run-session and dbus-send to start a session bus; skipped"
  exit 77
fi

. "$here/xvfb.sh"
start_xvfb "${MORVANE_XVFB_DISPLAY:-}"
export DISPLAY="$xvfb_display" XDG_RUNTIME_DIR="$work"

# Inside the session: the accessibility bus first, so that the program finds
# it as it starts; a print goes to no spooler, so "พิมพ์" asks its question.
cat >"$work/session.sh" <<'EOF'
set -u
if ! dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; then
  echo "the accessibility bus did not start (at-spi2-core); skipped"
  exit 77
fi
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb CUPS_SERVER="$XDG_RUNTIME_DIR/no-spooler" \
  "$1" >"$XDG_RUNTIME_DIR/app.log" 2>&1 &
pid=$!
/usr/bin/python3 "$2"
rc=$?
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ "$rc" -eq 0 ] || cat "$XDG_RUNTIME_DIR/app.log" >&2
exit "$rc"
EOF
set +e
dbus-run-session -- bash "$work/session.sh" "$app" "$here/accessibility.py" 2> >(grep -v '^dbus-daemon' >&2)
rc=$?
set -e
exit "$rc"
