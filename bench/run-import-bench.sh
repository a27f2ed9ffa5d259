#!/usr/bin/env bash
# Draws a 12-megapixel photo-like picture (tools/testimages), saves it as
# PNG and as JPEG (ImageMagick), and times pintabo-import on both: the
# pipeline step by step (import_bench), then the whole command, archives
# written, with farm-bench when it is installed.
#   bench/run-import-bench.sh [build folder]
set -eu

build=${1:-build}
work=$(mktemp -d /tmp/pintabo-import-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

"$build/tools/testimages/testimage" photo 4000 3000 "$work/photo.png"
convert "$work/photo.png" -quality 92 "$work/photo.jpg"
for image in "$work/photo.jpg" "$work/photo.png"; do
  "$build/bench/import_bench" "$image" 3
done
if command -v farm-bench >/dev/null; then
  echo "the whole command on the JPEG, both variants written:"
  XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
    farm-bench -n 5 -- "$build/pintabo-import" "$work/photo.jpg"
fi
