#!/usr/bin/env bash
# Screenshots of every panel and dialog of the game, in every language, at
# three screen sizes:
#   scripts/panel-screenshots.sh OUT_DIR [BUILD_DIR]
# BUILD_DIR (default: build) holds tools/panelshots/panelshots and data/.
# Each size gets its own Xvfb and a fresh settings folder; the pictures go to
# OUT_DIR/<width>x<height>/<language>/<panel>.png. Keep OUT_DIR out of the
# repository, or at least out of git.
set -u

if [ $# -lt 1 ]; then
  echo "usage: $0 OUT_DIR [BUILD_DIR]" >&2
  exit 2
fi
out=$1
build=${2:-build}
shots="$build/tools/panelshots/panelshots"
data="$build/data"
sizes=(${PANELSHOT_SIZES:-1024x768 1280x800 1920x1080})

if [ ! -x "$shots" ] || [ ! -f "$data/interface.pak" ]; then
  echo "no $shots or no archives in $data: build first (cmake --build $build)" >&2
  exit 1
fi
mkdir -p "$out" || exit 1

status=0
for size in "${sizes[@]}"; do
  config=$(mktemp -d /tmp/pintabo-shots-config.XXXXXX)
  echo "shooting at $size ..." >&2
  if ! PINTABO_SCREEN=$size XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$config" SDL_AUDIODRIVER=dummy \
      bash "$(dirname "$0")/with-display.sh" "$shots" "$data" "$out/$size"; then
    echo "panelshots failed at $size" >&2
    status=1
  fi
  rm -rf "$config"
done
exit $status
