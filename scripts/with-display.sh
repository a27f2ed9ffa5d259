#!/usr/bin/env bash
# Runs a command with an X display. When DISPLAY is unset (CI, a terminal
# without X), starts Xvfb at 1280x720x24 on a display number it picks itself
# (it reports the number once it accepts connections) and stops it after.
# -noreset: by default the server resets when its last client leaves and turns
# connections away meanwhile, and SDL opens the display twice in a row.
set -u

if [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi

log=$(mktemp /tmp/pintabo-xvfb.XXXXXX)
fifo=$(mktemp -u /tmp/pintabo-xvfb-fd.XXXXXX)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp -noreset +extension GLX 3>"$fifo" >"$log" 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; rm -f "$fifo" "$log"' EXIT

n=""
read -r -t 30 n <"$fifo" || true
if [ -z "$n" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
  echo "Xvfb failed to start:" >&2
  cat "$log" >&2
  exit 1
fi

export DISPLAY=":${n}"
"$@"
