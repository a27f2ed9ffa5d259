#!/usr/bin/env bash
# Runs a command with an X display. When DISPLAY is unset (CI, a terminal
# without X), or when PINTABO_SCREEN asks for a size (WIDTHxHEIGHT), starts
# Xvfb at that size (1280x720 unless asked) on a display number it picks
# itself (it reports the number once it accepts connections) and stops it
# after. The command's exit status is returned.
# -noreset: by default the server resets when its last client leaves and turns
# connections away meanwhile, and SDL opens the display twice in a row.
set -u

if [ -n "${DISPLAY:-}" ] && [ -z "${PINTABO_SCREEN:-}" ]; then
  exec "$@"
fi
size=${PINTABO_SCREEN:-1280x720}

log=$(mktemp /tmp/pintabo-xvfb.XXXXXX)
fifo=$(mktemp -u /tmp/pintabo-xvfb-fd.XXXXXX)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset +extension GLX 3>"$fifo" >"$log" 2>&1 &
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
