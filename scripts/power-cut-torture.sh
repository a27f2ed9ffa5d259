#!/usr/bin/env bash
# The power-cut torture: ROUNDS rounds of random play with the real game
# under its own Xvfb, each ended by kill -9 at a random moment. After every
# round the settings file must read back whole, and every picture finished
# before the round must still be finished. The play clicks anywhere below the
# top row of buttons (so nothing is cleared on purpose) and presses Escape,
# Return, F1, Tab and the arrows (quitting, help and its modes, turning
# pictures, which saves each time).
#   bash scripts/power-cut-torture.sh [ROUNDS] [BUILD]     (default 100, build)
# Prints one line per round and a summary; exits 1 at the first lost picture
# or unreadable file.
set -u
rounds=${1:-100}
build=${2:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
game="$top/$build/pintabo"
probe="$top/$build/tests/settings_probe"
[ -x "$game" ] && [ -x "$probe" ] || { echo "build $build first (make build; cmake --build $build --target settings_probe)" >&2; exit 2; }

if [ -z "${PINTABO_TORTURE_DISPLAY:-}" ]; then
  PINTABO_TORTURE_DISPLAY=1 PINTABO_SCREEN=1280x720 exec bash "$top/scripts/with-display.sh" bash "$0" "$@"
fi

work=$(mktemp -d /tmp/pintabo-torture.XXXXXX)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy
settings="$XDG_CONFIG_HOME/pintabo/com.quillfen.pintabo.cfg"
mkdir -p "$XDG_CONFIG_HOME/pintabo"
"$probe" --make-finished "$settings" || exit 1
read -r W H < <(xdotool getdisplaygeometry)
keys=(Escape Return F1 Tab Left Right Right Right Left)
RANDOM=${TORTURE_SEED:-7}

finished() { "$probe" --finished "$settings" | grep '^finished' | sort; }

for round in $(seq 1 "$rounds"); do
  before=$(finished)
  "$game" >"$work/game.log" 2>&1 &
  pid=$!
  for _ in $(seq 1 100); do
    xdotool search --name '^pintabo$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  # Play for 0.2 to 6 seconds, then pull the plug.
  end=$(( $(date +%s%N) / 1000000 + 200 + RANDOM % 5800 ))
  while [ $(( $(date +%s%N) / 1000000 )) -lt "$end" ] && kill -0 "$pid" 2>/dev/null; do
    case $((RANDOM % 4)) in
      0) xdotool key "${keys[$((RANDOM % ${#keys[@]}))]}" 2>/dev/null ;;
      *) xdotool mousemove $((RANDOM % W)) $((H / 8 + RANDOM % (H * 7 / 8))) click 1 2>/dev/null ;;
    esac
  done
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  state=$("$probe" --finished "$settings") || { echo "round $round: the settings file cannot be read"; exit 1; }
  case "$state" in
    "damaged 0"*) ;;
    *) echo "round $round: the settings file reads back damaged"; exit 1 ;;
  esac
  after=$(finished)
  lost=$(comm -23 <(echo "$before") <(echo "$after"))
  if [ -n "$lost" ]; then
    echo "round $round: lost $lost"
    exit 1
  fi
  echo "round $round: whole, finished: $(echo "$after" | tr '\n' ' ')"
done
# A write cut short leaves its temporary file beside the settings, never a half file.
left=$(find "$XDG_CONFIG_HOME/pintabo" -name 'com.quillfen.pintabo.cfg.??????' | wc -l)
echo "power-cut torture: $rounds rounds killed with -9, 0 unreadable files, 0 lost pictures, $left writes cut short (their temporary files left beside)"
