#!/usr/bin/env bash
# Sets up a Debian 12 machine for Morvane, builds it, then runs it or its tests.
#
#   ./build.sh run    install what is missing, build, open the program
#   ./build.sh test   install what is missing, build, run every test headless;
#                     build, check, install and remove the Debian package;
#                     then the tests again under AddressSanitizer and UBSan,
#                     and a minute of fuzzing
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
what="${1:-run}"
cd "$here"

# What building and running need, then what only the tests need.
runtime_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libqt6printsupport6 libgl-dev qt6-svg-dev
  libpango1.0-dev libcairo2-dev libcups2-dev libpng-dev
  fonts-tlwg-garuda-ttf fonts-tlwg-loma-ttf libthai0 libthai-data
)
test_packages=(
  xvfb xauth x11-utils x11-xserver-utils xdotool imagemagick openbox weston qt6-wayland
  poppler-utils cups cups-bsd cups-client printer-driver-cups-pdf
  clang libclang-rt-14-dev clang-format
  debhelper dpkg-dev lintian blhc devscripts autopkgtest desktop-file-utils appstream
  libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev dbus-daemon
  python3 python3-pyatspi at-spi2-core dbus-bin
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

# Configures and builds one of CMakePresets.json's presets.
configure_and_build() {
  cmake --preset "$1"
  cmake --build --preset "$1" --parallel "$(nproc)"
}

case "$what" in
  run)
    install_missing "${runtime_packages[@]}"
    configure_and_build dev
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
      exit 1
    fi
    exec "$here/build/app/morvane"
    ;;
  test)
    install_missing "${runtime_packages[@]}" "${test_packages[@]}"
    export QT_QPA_PLATFORM=offscreen

    # The house style: clang-format has nothing to change.
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --style=file --dry-run --Werror
    configure_and_build ci
    ctest --preset ci

    # The Debian package: built, checked by lintian, installed, its
    # autopkgtest run, removed.
    tests/package_install.sh "$here" "$here/build-deb"

    # The same tests under the sanitizers; any report fails the run.
    configure_and_build sanitizers
    ctest --preset sanitizers

    # A minute of libFuzzer over the engine, the assembly and the catalogue.
    configure_and_build fuzz
    build-fuzz/tests/fuzz/fuzz_reading -max_total_time="${MORVANE_FUZZ_SECONDS:-60}" -print_final_stats=1
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
