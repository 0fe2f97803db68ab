#!/usr/bin/env bash
# Sets up a Debian 12 machine for Morvane, builds it, then runs it or its tests.
#
#   ./build.sh run    install what is missing, build, open the program
#   ./build.sh test   install what is missing, build, run every test headless
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build="${MORVANE_BUILD_DIR:-$here/build}"
what="${1:-run}"

# What building and running need, then what only the tests need.
runtime_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6printsupport6 libgl-dev
  fonts-thai-tlwg libthai0 libthai-data
)
test_packages=(
  xvfb xauth poppler-utils cups cups-bsd printer-driver-cups-pdf
)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  cmake -S "$here" -B "$build" -G Ninja "$@"
  cmake --build "$build" --parallel "$(nproc)"
}

case "$what" in
  run)
    install_missing "${runtime_packages[@]}"
    configure_and_build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
      exit 1
    fi
    exec "$build/app/morvane"
    ;;
  test)
    install_missing "${runtime_packages[@]}" "${test_packages[@]}"
    configure_and_build
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
