#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, starts the
# installed program on a virtual screen and waits for its input window;
# then removes the package again. Needs root; skips (exit 77) otherwise.
set -euo pipefail
build="$1"

if [ "$(id -u)" -ne 0 ] || ! command -v Xvfb >/dev/null || ! command -v xwininfo >/dev/null; then
  echo "needs root, Xvfb and xwininfo; skipped"
  exit 77
fi
if dpkg-query -W -f='${Status}' morvane 2>/dev/null | grep -q 'install ok installed'; then
  echo "a morvane package is already installed here; leaving it alone; skipped"
  exit 77
fi

work=$(mktemp -d)
xvfb=
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  dpkg -r morvane >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
deb=$(ls "$work"/morvane_*.deb)
for need in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins fonts-thai-tlwg libthai0; do
  dpkg-deb -f "$deb" Depends | grep -q "$need" || { echo "Depends lacks $need"; exit 1; }
done
dpkg -i "$deb" >/dev/null || apt-get install -y -f -qq
test -x /usr/bin/morvane
test -f /usr/share/icons/hicolor/32x32/apps/morvane.png
# The print module, loaded on the first print, beside the program's prefix.
dpkg -L morvane | grep -q '/morvane/libmorvane-print\.so$' || { echo "the print module is not in the package"; exit 1; }
test -f /usr/share/applications/th.morvane.morvane.desktop
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net /usr/share/metainfo/th.morvane.morvane.metainfo.xml
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do xwininfo -display "$display" -root >/dev/null 2>&1 && break; sleep 0.1; done
# A real X server this time, whatever the other tests use.
DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work" /usr/bin/morvane >/dev/null 2>&1 &
app=$!
for _ in $(seq 100); do
  if xwininfo -display "$display" -root -tree | grep -q '"Morvane"'; then
    kill -0 "$app" && echo "the installed program shows its input window" && exit 0
  fi
  sleep 0.1
done
echo "no Morvane window appeared"
exit 1
