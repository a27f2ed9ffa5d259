#!/usr/bin/env bash
# Builds the Debian packages pintabo and pintabo-data into dist/ and checks
# them with lintian: any error or warning fails (an override in debian/
# carries its reason on the line above it).
#   build-package.sh [JOBS]
# dpkg-buildpackage builds inside the source tree (debian/tmp, the CMake
# folder) and writes its results beside it, so it runs on a copy of the
# tree in a private temporary folder: the checkout and its parent stay as
# they were, and two builds at once never meet. The copy holds what git
# shows (committed, changed and new files), never build outputs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=${1:-2}
dist="$top/dist"

version=$(dpkg-parsechangelog -l "$top/debian/changelog" -S Version)
work=$(mktemp -d "${TMPDIR:-/tmp}/pintabo-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
src="$work/pintabo-$version"
mkdir "$src"
(
  cd "$top"
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar --null -T - -cf -
) | tar -C "$src" -xf -

echo "Building the packages of pintabo $version in $work"
(
  cd "$src"
  DEB_BUILD_OPTIONS="nocheck noautodbgsym parallel=$jobs" dpkg-buildpackage -us -uc -b
)

mkdir -p "$dist"
rm -f "$dist"/pintabo_* "$dist"/pintabo-data_*
mv "$work"/*.deb "$work"/*.buildinfo "$work"/*.changes "$dist"/

echo
echo "lintian:"
lintian --fail-on error,warning --display-info --show-overrides "$dist"/pintabo_"${version}"_*.changes
echo "lintian: no errors, no warnings"
for deb in "$dist"/*.deb; do
  echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, installed $(dpkg-deb -f "$deb" Installed-Size) KiB"
done
