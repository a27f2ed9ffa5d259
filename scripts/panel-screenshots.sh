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

log=$(mktemp /tmp/pintabo-shots-xvfb.XXXXXX)
fifo=$(mktemp -u /tmp/pintabo-shots-fd.XXXXXX)
config=""
xvfb_pid=""
stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  fi
}
cleanup() {
  stop_xvfb
  rm -f "$log" "$fifo"
  [ -n "$config" ] && rm -rf "$config"
}
trap cleanup EXIT

status=0
for size in "${sizes[@]}"; do
  # -noreset: SDL opens the display twice in a row, and a server that resets
  # when its last client leaves turns the second opening away meanwhile.
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset +extension GLX 3>"$fifo" >"$log" 2>&1 &
  xvfb_pid=$!
  n=""
  read -r -t 30 n <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$n" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "Xvfb at $size failed to start:" >&2
    cat "$log" >&2
    exit 1
  fi
  config=$(mktemp -d /tmp/pintabo-shots-config.XXXXXX)
  echo "shooting at $size ..." >&2
  if ! DISPLAY=":$n" XDG_CONFIG_HOME="$config" SDL_AUDIODRIVER=dummy "$shots" "$data" "$out/$size"; then
    echo "panelshots failed at $size" >&2
    status=1
  fi
  rm -rf "$config"
  config=""
  stop_xvfb
done
exit $status
