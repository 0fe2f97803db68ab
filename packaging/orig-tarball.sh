#!/usr/bin/env bash
# Writes the upstream tarball the Debian source package is built from,
# ../morvane_<version>.orig.tar.xz beside the checkout: the committed tree
# at HEAD (or at the commit given), without debian/.
#
#   packaging/orig-tarball.sh [COMMIT]
#   dpkg-buildpackage -S -us -uc      # then the source package
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
version=$(dpkg-parsechangelog -l "$here/debian/changelog" -SVersion)
upstream=${version%-*}
tarball="$(dirname "$here")/morvane_${upstream}.orig.tar.xz"
git -C "$here" archive --format=tar --prefix="morvane-${upstream}/" "${1:-HEAD}" -- . ':(exclude)debian' |
  xz -6 >"$tarball"
echo "wrote $tarball"
