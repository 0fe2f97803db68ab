#!/usr/bin/env bash
# Start-up and prediction as a user waits for them, on a virtual X server
# with no window manager and under a session bus, as on a desktop.
#
#   benchmarks/startup.sh [--rounds N] [--bin BUILD_DIR] [--compare OTHER_BUILD_DIR]
#                         [--display :N] [--keep DIR]
#
# BUILD_DIR is build/ unless given; --compare measures the Morvane of a
# second build too, in the same rounds (before and after a change). The
# virtual X server takes display :N (or $MORVANE_BENCH_DISPLAY), else the
# first free one. --keep copies every round's figures into DIR, one file
# per program.
#
# Each round starts three programs in turn, the order rotating from round to
# round: a bare window of the input window's size, the same window with one
# Thai label, and Morvane (and the compared build's Morvane). The probe
# times each from exec to the first paint of its window; in Morvane it then
# clicks "ทำนาย" and times the result window from the click to its first
# paint. Prints the machine and the medians. Exits 77 when Xvfb,
# dbus-run-session or the probe is missing.
set -euo pipefail

rounds=31
bin=
keep=
compare=
display="${MORVANE_BENCH_DISPLAY:-}"  # else Xvfb picks a free one
while [ $# -gt 0 ]; do
  case "$1" in
    --rounds) rounds="$2"; shift 2 ;;
    --bin) bin="$2"; shift 2 ;;
    --display) display="$2"; shift 2 ;;
    --keep) keep="$2"; shift 2 ;;
    --compare) compare="$2"; shift 2 ;;
    --inner) shift; break ;;
    *) echo "usage: $0 [--rounds N] [--bin BUILD_DIR] [--compare OTHER_BUILD_DIR] [--display :N] [--keep DIR]" >&2; exit 2 ;;
  esac
done

# The centre of "ทำนาย" from the input window's left and bottom edges
# (its client area is 334 pixels high; the button is 120..233 x 264..305).
click=176,-50

if [ "${1:-}" != "" ]; then
  # Inside the session bus: the rounds themselves.
  bin="$1" rounds="$2" out="$3" compare="${4:-}"
  probe="$bin/benchmarks/morvane_paint_probe"
  measure() {  # name, then the probe's arguments
    local name="$1"; shift
    local line
    if ! line=$("$probe" "$@" 2>"$out/err"); then
      echo "$name: $(cat "$out/err")" >&2
      return 1
    fi
    echo "$line" >>"$out/$name"
    echo "$line"
  }
  # One run to warm the disk cache and to learn the window's size.
  line=$(measure warmup --click "$click" -- "$bin/app/morvane")
  size=$(sed -n 's/.*size=\([0-9x]*\).*/\1/p' <<<"$line")
  programs=3
  if [ -n "$compare" ]; then
    programs=4
    measure warmup --click "$click" -- "$compare/app/morvane" >/dev/null
  fi
  for ((r = 0; r < rounds; r++)); do
    for ((k = 0; k < programs; k++)); do
      slot=$(((r + k) % programs))
      # The two builds trade places every other cycle of rotations, so that
      # each runs straight after the other as often.
      if [ "$programs" = 4 ] && [ $((r / programs % 2)) = 1 ] && [ "$slot" -ge 2 ]; then
        slot=$((5 - slot))
      fi
      case $slot in
        0) measure bare -- "$bin/benchmarks/morvane_floor_bare" "$size" >/dev/null ;;
        1) measure thai -- "$bin/benchmarks/morvane_floor_thai" "$size" >/dev/null ;;
        2) measure morvane --click "$click" -- "$bin/app/morvane" >/dev/null ;;
        3) measure compared --click "$click" -- "$compare/app/morvane" >/dev/null ;;
      esac
    done
  done
  exit 0
fi

here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${bin:-$here/../build}" && pwd)
[ -z "$compare" ] || compare=$(cd "$compare" && pwd)
for need in Xvfb dbus-run-session; do
  command -v "$need" >/dev/null || { echo "needs $need; skipped"; exit 77; }
done
[ -x "$bin/benchmarks/morvane_paint_probe" ] || { echo "no probe in $bin (xcb-damage, xcb-xtest missing?); skipped"; exit 77; }

. "$here/../tests/xvfb.sh"
start_xvfb "$display"
export DISPLAY="$xvfb_display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$work/out"

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
dbus-run-session -- "$0" --inner "$bin" "$rounds" "$work/out" "$compare"
load_after=$(cut -d' ' -f1-3 /proc/loadavg)
[ -z "$keep" ] || { mkdir -p "$keep" && cp "$work"/out/{bare,thai,morvane} "$keep"/ && cp "$work"/out/compared "$keep"/ 2>/dev/null; } || true

median() {  # file, field
  sed -n "s/^\(.* \)\{0,1\}$2=\([0-9.]*\).*/\2/p" "$1" | sort -n | awk '{v[NR] = $1} END {
    if (NR % 2) printf "%.1f", v[(NR + 1) / 2]; else printf "%.1f", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
echo "machine: $(nproc) cores, $cpu; Qt $qt; load average $load_before before, $load_after after"
echo "$rounds rounds, medians in ms from exec (the click: from the button's release)."
echo "cpu: CPU time the program had used at its first paint; wait: time it had waited for a core."
printf '%-28s %8s %8s %8s %8s\n' program map paint cpu wait
names="bare thai morvane"
[ -z "$compare" ] || names="$names compared"
for p in $names; do
  label=$p
  case $p in
    bare) label="bare window" ;;
    thai) label="window with one Thai label" ;;
    morvane) label="Morvane's input window" ;;
    compared) label="the same, compared build" ;;
  esac
  printf '%-28s %8s %8s %8s %8s\n' "$label" "$(median "$work/out/$p" map)" "$(median "$work/out/$p" paint)" \
    "$(median "$work/out/$p" cpu)" "$(median "$work/out/$p" wait)"
done
for f in paint cpu; do
  m=$(median "$work/out/morvane" $f)
  echo "$f, Morvane / bare window: $(ratio "$m" "$(median "$work/out/bare" $f)");" \
    "Morvane / window with one Thai label: $(ratio "$m" "$(median "$work/out/thai" $f)")"
done
for p in $names; do
  case $p in
    morvane) label="Morvane" ;;
    compared) label="compared build" ;;
    *) continue ;;
  esac
  if [ "$p" = compared ]; then
    for f in paint cpu; do
      echo "$f, compared build / window with one Thai label:" \
        "$(ratio "$(median "$work/out/compared" $f)" "$(median "$work/out/thai" $f)")"
    done
  fi
  echo "$label, click on ทำนาย to the result window: mapped $(median "$work/out/$p" click_map)," \
    "first paint $(median "$work/out/$p" click_paint), CPU $(median "$work/out/$p" click_cpu)"
done
if [ -n "$compare" ]; then
  # Round by round the two builds ran under much the same load; the median
  # of their differences is steadier than the difference of their medians.
  differences=
  for f in paint cpu click_paint click_cpu; do
    d=$(paste -d' ' "$work/out/morvane" "$work/out/compared" | awk -v f="$f" '{
      n = 0
      for (i = 1; i <= NF; i++) if (index($i, f "=") == 1) v[++n] = substr($i, length(f) + 2)
      if (n == 2) print v[1] - v[2] }' | sort -n | awk '{v[NR] = $1} END {
      if (NR % 2) printf "%+.1f", v[(NR + 1) / 2]; else printf "%+.1f", (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
    differences="$differences $f $d,"
  done
  echo "Morvane minus the compared build, median of the round-by-round differences:${differences%,}"
fi
