#!/usr/bin/env bash
# Draws a 12-megapixel photo-like picture (tools/testimages), saves it as
# PNG and as JPEG (ImageMagick), and times pintabo-import on both: the
# pipeline step by step (import_bench), then the whole command, archives
# written, five times (GNU time's wall, processor and peak memory when
# /usr/bin/time is there, else bash's own time).
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
echo "the whole command on the JPEG, both variants written (5 runs):"
for run in 1 2 3 4 5; do
  rm -rf "$work/data"
  if [ -x /usr/bin/time ]; then
    XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
      /usr/bin/time -f "%e s wall, %U s user + %S s system, %M KiB peak" "$build/pintabo-import" "$work/photo.jpg" >/dev/null
  else
    TIMEFORMAT="%R s wall, %U s user + %S s system"
    time XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" "$build/pintabo-import" "$work/photo.jpg" >/dev/null
  fi
done
