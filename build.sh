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
build="${MORVANE_BUILD_DIR:-$here/build}"
what="${1:-run}"

# What building and running need, then what only the tests need.
runtime_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
  fonts-tlwg-garuda-ttf fonts-tlwg-loma-ttf libthai0 libthai-data
)
test_packages=(
  xvfb xauth x11-utils poppler-utils cups cups-bsd cups-client printer-driver-cups-pdf
  clang libclang-rt-14-dev
  debhelper dpkg-dev lintian blhc devscripts autopkgtest desktop-file-utils appstream
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
  local dir="$1"
  shift
  cmake -S "$here" -B "$dir" -G Ninja "$@"
  cmake --build "$dir" --parallel "$(nproc)"
}

case "$what" in
  run)
    install_missing "${runtime_packages[@]}"
    configure_and_build "$build"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
      exit 1
    fi
    exec "$build/app/morvane"
    ;;
  test)
    install_missing "${runtime_packages[@]}" "${test_packages[@]}"
    export QT_QPA_PLATFORM=offscreen
    configure_and_build "$build"
    (cd "$build" && ctest --output-on-failure --parallel "$(nproc)")

    # The Debian package: built, checked by lintian, installed, its
    # autopkgtest run, removed.
    "$here/tests/package_install.sh" "$here" "$build-deb"

    # The same tests under the sanitizers; any report fails the run. The
    # spooler test and the validators add nothing there and are left out.
    configure_and_build "$build-asan" -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON
    (cd "$build-asan" &&
      ASAN_OPTIONS=detect_leaks=1 \
      LSAN_OPTIONS="suppressions=$here/tests/lsan.supp:print_suppressions=0" \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --output-on-failure --parallel "$(nproc)" -E 'tst_cups|desktop_entry|appstream_metainfo')

    # A minute of libFuzzer over the engine, the assembly and the catalogue.
    cmake -S "$here/tests/fuzz" -B "$build-fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++
    cmake --build "$build-fuzz"
    "$build-fuzz/fuzz_reading" -max_total_time="${MORVANE_FUZZ_SECONDS:-60}" -print_final_stats=1
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
