#!/usr/bin/env bash
# The Debian package as a user gets it: the source package and the binary
# built with dpkg-buildpackage in a copy of the tree, checked with lintian,
# blhc and hardening-check, installed, its autopkgtest run (the installed
# program on a virtual X server), then removed again.
#
#   tests/package_install.sh SOURCE-TREE WORK-DIR
#
# Building and checking need no root. Installing needs root or sudo and is
# skipped without them, or when a morvane package is already installed.
set -euo pipefail
src=$(cd "$1" && pwd)
work=$2

rm -rf "$work"
mkdir -p "$work/morvane"
work=$(cd "$work" && pwd)
# The tree as it stands (uncommitted changes too), without version control
# or build folders; dpkg-buildpackage writes its results beside the copy.
tar -C "$src" --exclude=./.git --exclude='./build*' --exclude='./obj-*' -cf - . |
  tar -C "$work/morvane" -xf -

# The source package, from an upstream tarball of the same tree.
version=$(dpkg-parsechangelog -l "$work/morvane/debian/changelog" -SVersion)
tar -C "$work" --exclude=morvane/debian -cJf "$work/morvane_${version%-*}.orig.tar.xz" morvane
(cd "$work" && dpkg-source --build morvane >"$work/source.log" 2>&1) || {
  cat "$work/source.log"
  exit 1
}

# The test suite has just run on the same sources: build the program only.
echo "Building the package (log: $work/build.log)"
if ! (cd "$work/morvane" &&
  DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" \
    dpkg-buildpackage -us -uc -b --post-clean -Pnocheck -J"$(nproc)") >"$work/build.log" 2>&1; then
  tail -n 40 "$work/build.log"
  echo "dpkg-buildpackage failed"
  exit 1
fi
dsc=$(ls "$work"/morvane_*.dsc)
changes=$(ls "$work"/morvane_*.changes)
deb=$(ls "$work"/morvane_*.deb)

echo "lintian --pedantic -I $(basename "$dsc") $(basename "$changes")"
lintian --pedantic --display-info --fail-on error,warning "$dsc" "$changes"

# Every compile and link line carries dpkg-buildflags' hardening flags,
# and the program has what they give. Fortify is blhc's to check: the only
# fortifiable calls in the program are memcpy and memmove of run-time sizes,
# which stay unchecked whatever the flags, so hardening-check says "no".
# Bookworm's flags do not ask for control-flow protection.
blhc "$work/build.log"
dpkg-deb -x "$deb" "$work/unpacked"
binary=$work/unpacked/usr/games/morvane
hardening-check --nofortify --nocfprotection "$binary"
if readelf -d "$binary" | grep -E 'RPATH|RUNPATH'; then
  echo "the installed program carries a library search path"
  exit 1
fi
# The print module, loaded on the first print from beside the program's prefix.
module=$(ls "$work"/unpacked/usr/lib/*/morvane/libmorvane-print.so 2>/dev/null || true)
[ -n "$module" ] || { echo "the print module is not in the package"; exit 1; }
hardening-check --nofortify --nocfprotection "$module"

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if sudo -n true 2>/dev/null; then
    sudo=(sudo -n)
  else
    echo "not root and no sudo: the package was built and checked, not installed"
    exit 0
  fi
fi
if dpkg-query -W -f='${Status}' morvane 2>/dev/null | grep -q 'install ok installed'; then
  echo "a morvane package is already installed here; leaving it alone; not installed"
  exit 0
fi

# autopkgtest installs the package with its dependencies and runs
# debian/tests on this machine; the package goes again whatever happens.
trap '"${sudo[@]}" apt-get purge -y -qq morvane >/dev/null 2>&1 || true' EXIT
if ! "${sudo[@]}" autopkgtest --output-dir="$work/autopkgtest" "$deb" "$work/morvane/" -- null \
  >"$work/autopkgtest.log" 2>&1; then
  tail -n 60 "$work/autopkgtest.log"
  echo "autopkgtest failed"
  exit 1
fi
cat "$work/autopkgtest/summary"
