#!/usr/bin/env bash
# Makes the README's picture, docs/morvane.png, from the real program: the
# input window with a name typed in, and the sheet its prediction opens,
# side by side, as openbox shows them on a virtual X server. Run it again
# whenever the windows change.
#
#   docs/screenshot.sh [MORVANE]     default: build/app/morvane
#
# Needs Xvfb, openbox, xdotool, x11-utils and imagemagick (the test command
# installs them all).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
app="${1:-$here/build/app/morvane}"
out="$here/docs/morvane.png"
work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Polls a command until it succeeds, for up to $1 tenths of a second.
within() {
  local tenths="$1"
  shift
  for ((t = 0; t < tenths; t++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
within 50 test -s "$work/display"
export DISPLAY=":$(cat "$work/display")"
within 50 xwininfo -root
xsetroot -solid '#e9e4dc'
openbox --sm-disable --startup "touch $work/openbox-ready" >/dev/null 2>&1 &
pids+=($!)
within 100 test -e "$work/openbox-ready"

LANG=C.UTF-8 QT_QPA_PLATFORM=xcb "$app" >"$work/app.log" 2>&1 &
pids+=($!)
within 100 xdotool search --onlyvisible --name '^Morvane$'
form1=$(xdotool search --onlyvisible --name '^Morvane$' | tail -1)
sleep 1  # the icon is set a moment after the first paint
xdotool windowfocus --sync "$form1"
# The name box is the last stop of the tab order.
xdotool key --delay 60 shift+Tab
xdotool type --delay 60 'สมหญิง ใจดี'
sleep 0.5

# A window with its frame, cut out of the screen.
shot() {
  local frame
  frame=$(xwininfo -id "$1" -frame | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print w "x" h "+" x "+" y}')
  import -window root -crop "$frame" +repage "$2"
}
# openbox frames the window in a parent of its own.
shot "$(xwininfo -id "$form1" -children | awk '/Parent window id/{print $4}')" "$work/form1.png"

xdotool key --delay 60 Return
within 100 xdotool search --onlyvisible --name 'ตรวจสอบก่อนพิมพ์'
form2=$(xdotool search --onlyvisible --name 'ตรวจสอบก่อนพิมพ์' | tail -1)
sleep 0.5
xdotool mousemove 0 0
shot "$form2" "$work/form2.png"

convert -background '#e9e4dc' -bordercolor '#e9e4dc' "$work/form1.png" "$work/form2.png" -border 16 \
  -gravity center +append -border 8 -strip "$out"
echo "wrote $out"
