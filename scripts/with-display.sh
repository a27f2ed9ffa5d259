#!/usr/bin/env bash
# Runs a command with an X display. When DISPLAY is unset (CI, a terminal
# without X), starts Xvfb on a free display at 1280x720x24 and stops it after.
set -u

if [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi

n=90
while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do
  n=$((n + 1))
done

Xvfb ":${n}" -screen 0 1280x720x24 -nolisten tcp +extension GLX >/tmp/pintabo-xvfb-${n}.log 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null' EXIT

for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X${n}" ] && break
  if ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "Xvfb failed to start:" >&2
    cat "/tmp/pintabo-xvfb-${n}.log" >&2
    exit 1
  fi
  sleep 0.1
done

export DISPLAY=":${n}"
"$@"
