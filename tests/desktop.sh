#!/usr/bin/env bash
# The program on real display servers, driven with the mouse and keys the
# way a user drives it.
#
#   desktop.sh x11 <morvane>      on Xvfb, with no window manager and under
#                                 openbox, at scale 1, 1.5 and 2: a drag made
#                                 of 2, 4 or 8 unpaced pointer steps moves the
#                                 result window exactly as far as the pointer;
#                                 a command's hover colour goes when the
#                                 pointer leaves the window
#   desktop.sh wayland <morvane>  under weston at scale 1 and 2: the desktop
#                                 shows through the same pixels as the X11
#                                 shape cuts away, a press there reaches the
#                                 desktop, and a drag on the sheet moves it;
#                                 maximized from Qt's title bar, a message
#                                 box, the input window and the About window
#                                 stay as they are and the program works on
#
# Exits 77 (skipped) when a tool it needs is missing or cannot start.
# MORVANE_XVFB_DISPLAY picks the X display (else Xvfb takes a free one),
# MORVANE_WAYLAND_SOCKET the name of weston's socket;
# MORVANE_TEST_SHOTS keeps the screenshots in that folder.
set -euo pipefail
mode="$1"
app="$2"

skip() {
  echo "$*; skipped"
  exit 77
}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
for tool in Xvfb xdotool xwininfo xprop xsetroot import convert compare awk; do
  command -v "$tool" >/dev/null || skip "needs $tool"
done
case "$mode" in
  x11) command -v openbox >/dev/null || skip "needs openbox" ;;
  wayland) command -v weston >/dev/null || skip "needs weston" ;;
  *)
    echo "usage: $0 x11|wayland <morvane>" >&2
    exit 2
    ;;
esac

work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
shots="${MORVANE_TEST_SHOTS:-$work}"
mkdir -p "$shots"
started=()
cleanup() {
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    kill "${started[i]}" 2>/dev/null || true
    wait "${started[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

# Stops the last process started (the program or a window manager).
stop_last() {
  local pid="${started[-1]}"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  unset 'started[-1]'
}

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

# --- The X server: a cyan root, which nothing in the windows is. -----------
cut='#00FFFF'
if [ -n "${MORVANE_XVFB_DISPLAY:-}" ]; then
  export DISPLAY="$MORVANE_XVFB_DISPLAY"
  Xvfb "$DISPLAY" -screen 0 1600x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
else
  Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
  within 50 test -s "$work/display" || skip "Xvfb did not start"
  export DISPLAY=":$(cat "$work/display")"
fi
started+=($!)
within 50 xwininfo -root || skip "Xvfb did not start"
sleep 0.2
kill -0 "${started[0]}" 2>/dev/null || skip "Xvfb could not take $DISPLAY"
xsetroot -solid "$cut"

# The newest shown window whose name matches, waiting up to 10 s for one.
# xdotool walks the window tree and fails outright when a window goes away
# during the walk, as a dialog closing does: such a search is made again.
newest() {
  local found
  for ((t = 0; t < 100; t++)); do
    if found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1) && [ -n "$found" ]; then
      echo "$found"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Starts the program on the X server at a scale and waits for its window.
start_x11() {
  # A print goes to no spooler: "พิมพ์" asks whether to save a PDF instead.
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$1" CUPS_SERVER="$work/no-spooler" "$app" >"$work/app.log" 2>&1 &
  started+=($!)
  newest '^Morvane$' >/dev/null || fail "no input window at scale $1: $(cat "$work/app.log")"
}

# Predicts from the keyboard: the day list has the focus, three tabs reach
# "ทำนาย". Prints the result window's id.
predict_x11() {
  local form1
  form1=$(newest '^Morvane$')
  within 50 xdotool windowfocus --sync "$form1"
  xdotool key --delay 50 Tab Tab Tab space
  newest 'ตรวจสอบก่อนพิมพ์' || fail "no result window"
}

# Waits until a window stops moving; leaves its place in X and Y.
settled() {
  local last=
  for ((t = 0; t < 30; t++)); do
    sleep 0.1
    eval "$(xdotool getwindowgeometry --shell "$1")"
    [ "$X,$Y" = "$last" ] && return 0
    last="$X,$Y"
  done
}

# One drag as a hurried hand makes it: press on the sheet at logical
# (40, 200), then `steps` moves of (dx, dy) device pixels with no pause
# between them, then release. The window must move by steps * (dx, dy).
drag_x11() {
  local window="$1" scale="$2" steps="$3" dx="$4" dy="$5"
  settled "$window"
  local x0="$X" y0="$Y"
  local moves=(mousemove "$(awk "BEGIN{print int($x0 + 40 * $scale)}")" "$(awk "BEGIN{print int($y0 + 200 * $scale)}")"
    sleep 0.3 mousedown 1)
  for ((s = 0; s < steps; s++)); do moves+=(mousemove_relative -- "$dx" "$dy"); done
  xdotool "${moves[@]}" mouseup 1
  settled "$window"
  local mx=$((X - x0)) my=$((Y - y0)) ex=$((steps * dx)) ey=$((steps * dy))
  echo "  $steps steps of $dx,$dy: the window moved $mx,$my"
  if [ $((mx - ex)) -gt 1 ] || [ $((ex - mx)) -gt 1 ] || [ $((my - ey)) -gt 1 ] || [ $((ey - my)) -gt 1 ]; then
    fail "expected $ex,$ey"
  fi
}

# How many pixels of a colour a rectangle of the screen shows (x y w h).
pixels_of() {
  import -window root "$work/pixels.png"
  convert "$work/pixels.png" -crop "$3x$4+$1+$2" +repage -fill black +opaque "$5" -fill white -opaque "$5" \
    -format '%[fx:round(w*h*mean)]' info:
}

# The pointer rests on "พิมพ์" and then leaves the window in one jump: the
# command turns green, then back to red.
hover_x11() {
  local window="$1" scale="$2"
  settled "$window"
  # "พิมพ์" lies at (160, 400), 73 x 33, in the window.
  local x y w h
  x=$(awk "BEGIN{print int($X + 160 * $scale)}") y=$(awk "BEGIN{print int($Y + 400 * $scale)}")
  w=$(awk "BEGIN{print int(73 * $scale)}") h=$(awk "BEGIN{print int(33 * $scale)}")
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) sleep 0.2 mousemove_relative 1 1
  green() { [ "$(pixels_of "$x" "$y" "$w" "$h" '#00FF00')" -gt 20 ]; }
  within 20 green || fail "the print command did not turn green under the pointer"
  xdotool mousemove 1 1
  red() { [ "$(pixels_of "$x" "$y" "$w" "$h" '#00FF00')" -eq 0 ] && [ "$(pixels_of "$x" "$y" "$w" "$h" '#FF0000')" -gt 20 ]; }
  within 20 red || fail "the print command stayed green after the pointer left the window"
  xdotool mousemove 800 600
  echo "  the print command turned green under the pointer and red once it left the window"
}

# A window's icon, in several sizes (which ones depends on the scale).
has_icon() { [ "$(xprop -id "$1" _NET_WM_ICON | grep -c 'Icon (')" -ge 4 ]; }

# Every window the program opens carries its icon: the sheet, the question
# "พิมพ์" asks with no printer, the save dialog behind it, the About window.
# Under a window manager, which hands each new window the keyboard.
icons_x11() {
  local sheet="$1" form1="$2" window
  has_icon "$sheet" || fail "the sheet has no icon"
  xdotool windowactivate --sync "$sheet" key ctrl+p
  window=$(newest '^Morvane$') || fail "no question from พิมพ์"
  has_icon "$window" || fail "the question of พิมพ์ has no icon"
  xdotool key Return
  window=$(newest 'PDF') || fail "no save dialog"
  has_icon "$window" || fail "the save dialog has no icon"
  xdotool key Escape
  sleep 0.5
  xdotool windowactivate --sync "$sheet" key Escape
  newest '^Morvane$' >/dev/null || fail "the input window did not come back"
  xdotool windowactivate --sync "$form1" key --delay 100 F10 Return
  window=$(newest 'เกี่ยวกับ') || fail "no About window"
  has_icon "$window" || fail "the About window has no icon"
  xdotool key Escape
  echo "  the sheet, the question, the save dialog and the About window carry the icon"
}

if [ "$mode" = x11 ]; then
  for wm in none openbox; do
    if [ "$wm" = openbox ]; then
      # openbox names itself on the root window before it manages windows:
      # a window mapped in between can stay unmapped for good. It runs the
      # startup command once it is ready.
      openbox --sm-disable --startup "touch $work/openbox-ready" >/dev/null 2>&1 &
      started+=($!)
      within 100 test -e "$work/openbox-ready" || fail "openbox did not start"
    fi
    for scale in 1 1.5 2; do
      echo "window manager: $wm, scale $scale"
      start_x11 "$scale"
      form1=$(newest '^Morvane$')
      # Set just after the window's first paint.
      within 50 has_icon "$form1" || fail "the input window has no icon"
      result=$(predict_x11)
      for steps in 2 4 8; do
        drag_x11 "$result" "$scale" "$steps" 25 15
        drag_x11 "$result" "$scale" "$steps" -25 -15
      done
      hover_x11 "$result" "$scale"
      import -window root "$shots/x11-$wm-$scale.png"
      [ "$wm" = openbox ] && icons_x11 "$result" "$form1"
      stop_last
    done
    [ "$wm" = openbox ] && stop_last
  done
  echo "every drag followed the pointer"
  exit 0
fi

# --- Wayland -----------------------------------------------------------------

# The window's pixels as black where the desktop shows through, white
# elsewhere; prints how many are black.
mask_of() {
  convert "$1" -fill white +opaque "$cut" -fill black -opaque "$cut" "$2"
  convert "$2" -format '%[fx:round(w*h*(1-mean))]' info:
}

cat >"$work/weston.ini" <<EOF
[core]
idle-time=0
[shell]
background-color=0xff00ffff
panel-position=none
locking=false
animation=none
startup-animation=none
close-animation=none
focus-animation=none
[input-method]
path=
EOF

# Screenshots of the program's windows on weston, with the pointer aside.
shot() {
  xdotool mousemove 1599 1199
  sleep 0.3
  import -window root "$work/$1.png"
}
convert -size 1600x1200 "xc:$cut" "$work/desktop.png"

# The largest patch of the screen that changed from one screenshot to
# another (a window that came up): prints its width, height, x and y.
changed() {
  convert "$work/$1.png" "$work/$2.png" -compose difference -composite -separate -evaluate-sequence max \
    -threshold 0 -define connected-components:verbose=true -define connected-components:area-threshold=50 \
    -connected-components 8 null: |
    awk 'NR > 1 && $NF == "gray(255)" && $4 > best { best = $4; box = $2 } END { print box }' | tr 'x+' '  '
}

running() { kill -0 "${started[-1]}" 2>/dev/null && ! grep -q 'Protocol error' "$work/app.log"; }

# Qt's title bar on Wayland offers maximize to every window, fixed in size
# or not: the window that came up since the screenshot $2 is maximized with
# it, and must stay as it was, the program running. Leaves the window's
# place in mw, mh, mx, my.
maximize() {
  local what="$1" scale="$3"
  shot "$what"
  read -r mw mh mx my < <(changed "$2" "$what")
  [ -n "${mw:-}" ] || fail "no $what window on Wayland"
  # The maximize button of Qt's title bar: 40 logical pixels in from the
  # right, 15 down.
  xdotool mousemove $((mx + mw - 40 * scale)) $((my + 15 * scale)) click 1
  sleep 1
  # Over its buttons the window draws itself anew, as a hand moving on
  # would make it.
  xdotool mousemove $((mx + mw * 3 / 4)) $((my + mh - 20 * scale)) sleep 0.5 mousemove $((mx + mw / 2)) $((my + mh / 2))
  sleep 0.5
  running || fail "maximizing the $what window ended the program: $(tail -3 "$work/app.log")"
  shot "$what-maximized"
  local after
  after=$(changed "$2" "$what-maximized")
  [ "$after" = "$mw $mh $mx $my" ] || fail "maximized, the $what window went from $mw $mh $mx $my to $after"
  echo "  maximized, the $what window stays ${mw}x$mh at $mx,$my and the program runs on"
}

for scale in 1 2; do
  echo "scale $scale"
  # The X11 shape first: what the window system cuts away there.
  start_x11 "$scale"
  result=$(predict_x11)
  settled "$result"
  eval "$(xdotool getwindowgeometry --shell "$result")"
  import -window root "$work/x11.png"
  stop_last
  convert "$work/x11.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/x11-window.png"
  cut_x11=$(mask_of "$work/x11-window.png" "$work/x11-mask.png")
  # Where the visible sheet begins inside the window.
  read -r ox oy < <(convert "$work/x11-mask.png" -trim -format '%X %Y\n' info: | tr -d '+')
  echo "  X11 shape: ${WIDTH}x${HEIGHT}, $cut_x11 pixels cut away"
  [ "$cut_x11" -eq $((35455 * scale * scale)) ] || fail "the X11 shape cuts $cut_x11 pixels"

  socket="${MORVANE_WAYLAND_SOCKET:-wayland-morvane-test-$$}"
  weston --backend=x11-backend.so --use-pixman --width=1600 --height=1200 --socket="$socket" \
    --config="$work/weston.ini" >"$work/weston.log" 2>&1 &
  started+=($!)
  within 100 test -S "$XDG_RUNTIME_DIR/$socket" || skip "weston did not start: $(tail -3 "$work/weston.log")"
  # A print goes to no spooler: "พิมพ์" asks whether to save a PDF instead.
  WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_SCALE_FACTOR="$scale" CUPS_SERVER="$work/no-spooler" \
    "$app" >"$work/app.log" 2>&1 &
  started+=($!)
  # weston places the window itself and gives it the keyboard once it is
  # up: wait until something covers the desktop.
  xdotool mousemove 1599 1199
  shown() {
    import -window root "$work/wayland.png"
    [ "$(convert "$work/wayland.png" -fill black -opaque "$cut" -format '%[fx:mean>0.01]' info:)" = 1 ]
  }
  within 150 shown || fail "no input window on Wayland: $(cat "$work/app.log")"
  sleep 0.5
  xdotool key --delay 50 Tab Tab Tab space

  # Finds the sheet on the screen: leaves its window's place in wx, wy.
  find_sheet() {
    import -window root "$work/wayland.png"
    local geometry
    geometry=$(convert "$work/wayland.png" -trim -format '%w %h %X %Y\n' info: | tr -d '+')
    read -r bw bh bx by <<<"$geometry"
    wx=$((bx - ox)) wy=$((by - oy))
    convert "$work/wayland.png" -crop "${WIDTH}x${HEIGHT}+${wx}+${wy}" +repage "$work/wayland-window.png"
    cut_wayland=$(mask_of "$work/wayland-window.png" "$work/wayland-mask.png")
    differ=$(compare -metric AE "$work/x11-mask.png" "$work/wayland-mask.png" null: 2>&1 || true)
    [ "$differ" = 0 ]
  }
  within 100 find_sheet || true
  cp "$work/wayland.png" "$shots/wayland-$scale.png"
  cp "$work/x11.png" "$shots/x11-$scale.png"
  echo "  Wayland: $cut_wayland pixels show the desktop, $differ differ from the X11 shape"
  [ "$differ" = 0 ] || fail "the sheet on Wayland is not cut as on X11"

  # A press in the cut-away top-left corner reaches the desktop: dragging
  # from there moves nothing. A drag on the sheet moves it: the compositor
  # moves the window once the program has asked it to, a moment after the
  # press, so the pointer pauses there as briefly as a hand would.
  x0=$wx y0=$wy
  for where in corner sheet; do
    if [ "$where" = corner ]; then at=(2 2); else at=(40 200); fi
    xdotool mousemove $((x0 + at[0] * scale)) $((y0 + at[1] * scale)) sleep 0.3 mousedown 1 sleep 0.1 \
      mousemove_relative -- 25 15 mousemove_relative -- 25 15 mousemove_relative -- 25 15 \
      mousemove_relative -- 25 15 mouseup 1 sleep 0.5 mousemove 1599 1199
    sleep 0.5
    within 20 find_sheet || fail "the sheet is gone after a drag from the $where"
    echo "  a drag from the $where by 100,60 moved the sheet $((wx - x0)),$((wy - y0))"
    if [ "$where" = corner ]; then
      [ "$wx,$wy" = "$x0,$y0" ] || fail "a press outside the outline reached the sheet"
    else
      [ "$wx,$wy" = "$((x0 + 100)),$((y0 + 60))" ] || fail "the drag did not move the sheet with the pointer"
    fi
  done

  # The message box, the input window and the About window are maximized
  # in turn; then the program still predicts.
  shot sheet
  xdotool key ctrl+p
  sleep 1
  maximize "message box" sheet "$scale"
  xdotool key Escape
  sleep 0.5
  xdotool key Escape
  sleep 1
  maximize input desktop "$scale"
  read -r fw fh fx fy <<<"$mw $mh $mx $my"
  xdotool key --delay 100 F10 Return
  sleep 1
  maximize About input "$scale"
  xdotool mousemove $((mx + mw / 2)) $((my + mh / 2)) click 1
  sleep 1
  # "ทำนาย": at (176, 284) in the client area, under Qt's title bar (30
  # logical pixels, and 3 at the side) and the menu bar.
  menubar=$((fh / scale - 33 - 334))
  xdotool mousemove $((fx + (3 + 176) * scale)) $((fy + (30 + menubar + 284) * scale)) click 1
  within 100 find_sheet || fail "no sheet after maximizing the windows: $(tail -3 "$work/app.log")"
  echo "  and the program still predicts"
  stop_last
  stop_last
done
echo "the sheet is cut alike on Wayland and X11"
