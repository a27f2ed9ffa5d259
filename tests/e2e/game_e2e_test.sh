#!/usr/bin/env bash
# The real game on the display in DISPLAY, driven with xdotool and checked on
# screenshots: the help screen of a first start closes with Escape, picture 1
# and its tubes are under it, the brush follows the pointer, a tube and then
# a region of its number paint the region, and SIGTERM quits with status 0
# after saving that progress.
#   game_e2e_test.sh PINTABO SETTINGS_PROBE [HOME]
# The settings go to a fresh temporary XDG_CONFIG_HOME, the sound to SDL's
# dummy driver. Given HOME (a fresh folder), the game runs as in a family's
# session instead: that home and no XDG_* folders, so the settings are
# looked for in HOME/.config/pintabo/. PINTABO_E2E_KEEP=1 keeps the
# screenshots and the log.
set -u

game=$1
probe=$2
home=${3:-}
here=$(cd "$(dirname "$0")" && pwd)

fail() {
  echo "FAIL: $*" >&2
  if [ -s "${work:-}/game.log" ]; then
    echo "--- the game's output:" >&2
    tail -n 20 "$work/game.log" >&2
  fi
  exit 1
}

[ -n "${DISPLAY:-}" ] || fail "DISPLAY is not set (run under scripts/with-display.sh)"
[ -x "$game" ] || fail "no game at $game"
for tool in xdotool import convert compare identify od awk; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs xdotool and imagemagick)"
done

work=$(mktemp -d /tmp/pintabo-e2e.XXXXXX)
game_pid=""
cleanup() {
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
    kill -KILL "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
  fi
  if [ "${PINTABO_E2E_KEEP:-0}" = 1 ]; then
    echo "kept in $work" >&2
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT

# shellcheck source=tests/e2e/screen.sh
. "$here/screen.sh"

# Runs a check again every half second until it succeeds or SECONDS pass.
within() {
  local seconds=$1 start=$SECONDS
  shift
  until "$@"; do
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended by itself"
    [ $((SECONDS - start)) -lt "$seconds" ] || return 1
    sleep 0.5
  done
}

move_to() {
  local xy
  read -r -a xy < <(at "$1" "$2")
  xdotool mousemove "${xy[0]}" "${xy[1]}"
}

# The brush is drawn up and to the right of the pointer's tip.
brush_box() {
  box "$(awk -v f="$1" 'BEGIN { print f - 0.03 }')" "$(awk -v f="$2" 'BEGIN { print f - 0.22 }')" \
    "$(awk -v f="$1" 'BEGIN { print f + 0.13 }')" "$(awk -v f="$2" 'BEGIN { print f + 0.03 }')"
}

# Screenshot NEW differs from OLD by at least a brush's worth around (fx, fy).
brush_moved_to() {
  local old=$1 new=$2 fx=$3 fy=$4
  shot "$new"
  [ "$(differing "$old" "$new" "$(brush_box "$fx" "$fy")")" -ge "$brush_pixels" ]
}

# --- start ---------------------------------------------------------------
if [ -n "$home" ]; then
  config="$home/.config"
  session=(env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home")
else
  config="$work/config"
  mkdir -p "$config"
  session=(env XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$work/data")
fi
"${session[@]}" SDL_AUDIODRIVER=dummy "$game" >"$work/game.log" 2>&1 &
game_pid=$!

window_up() { xdotool search --name '^pintabo$' >/dev/null 2>&1; }
within 60 window_up || fail "no window named pintabo within 60 s"
read_screen_size
brush_pixels=$((H * H / 500))  # a brush is about 0.05 x 0.19 screen heights
echo "screen ${W}x${H}"

# The pointer waits on the background right of the picture.
move_to 0.6 0.3

# --- the help screen of a first start ----------------------------------
# It dims the screen; Escape is taken only once its panel stands still.
half_width=$(awk -v w="$W" -v h="$H" 'BEGIN { print w / h / 2 }')
top_edge=$(box "-$half_width" -0.5 "$half_width" -0.44)
help_standing() {
  shot "$work/help.png"
  top_level=$(mean_level "$work/help.png" "$top_edge")
  [ "$top_level" -lt 165 ] || return 1
  moving=1
  if [ -f "$work/help-before.png" ]; then
    moving=$(differing "$work/help-before.png" "$work/help.png" "$(box -0.4 -0.4 0.4 0.4)")
  fi
  mv "$work/help.png" "$work/help-before.png"
  [ "$moving" -eq 0 ]
}
within 60 help_standing ||
  fail "no help screen standing over a dimmed screen at the first start (top edge level ${top_level:-none})"
echo "ok: the help screen of a first start (the top edge dimmed to level ${top_level})"
xdotool key Escape

# --- (a) the picture and the tubes ---------------------------------------
picture_shown() {
  shot "$work/start.png"
  read -r centre_white centre_dark < <(white_dark "$work/start.png" "$(box -0.3 -0.3 0.3 0.3)")
  top_level=$(mean_level "$work/start.png" "$top_edge")
  tube_hues=$(strong_hues "$work/start.png" "$(box -0.61 -0.33 -0.48 0.33)")
  awk -v w="$centre_white" -v d="$centre_dark" -v t="$top_level" -v hues="$tube_hues" \
    'BEGIN { exit !(w >= 0.6 && d >= 0.01 && d <= 0.25 && t >= 190 && hues >= 5) }'
}
within 30 picture_shown ||
  fail "Escape did not uncover picture 1 and its tubes: the middle is ${centre_white} near-white and" \
    "${centre_dark} dark (want at least 0.6 and 0.01 to 0.25), the top edge's level is ${top_level}" \
    "(want at least 190, undimmed), the tube column holds ${tube_hues} strong hues (want at least 5)"
# A picture drawn with its shading and smoothed edges, not a flat screen.
colours=$(identify -format %k "$work/start.png")
[ "$colours" -ge 1000 ] || fail "the screen shows only $colours colours (want at least 1000)"
echo "ok: picture 1 (middle ${centre_white} white, ${centre_dark} outlines), ${tube_hues} tube colours," \
  "$colours colours on screen"

# --- (b) the brush follows the pointer -----------------------------------
p1=(-0.2 0.0)
p2=(0.2 -0.1)
move_to "${p1[@]}"
within 20 brush_moved_to "$work/start.png" "$work/p1.png" "${p1[@]}" ||
  fail "the brush did not come to the pointer at (${p1[*]})"
move_to "${p2[@]}"
within 20 brush_moved_to "$work/p1.png" "$work/p2.png" "${p2[@]}" ||
  fail "the brush did not follow the pointer to (${p2[*]})"
left=$(differing "$work/p1.png" "$work/p2.png" "$(brush_box "${p1[@]}")")
[ "$left" -ge "$brush_pixels" ] ||
  fail "the brush stayed at (${p1[*]}) after the pointer left: $left pixels changed there"
sleep 1
shot "$work/p2-again.png"
still=$(differing "$work/p2.png" "$work/p2-again.png" "$(brush_box "${p1[@]}")")
[ "$still" -lt $((brush_pixels / 10)) ] || fail "the picture at (${p1[*]}) changes without the brush: $still pixels"
echo "ok: the brush follows the pointer (${left} pixels changed where it left, ${still} without it)"

# --- (c) paint a region, then SIGTERM saves it ---------------------------
tube1=(-0.507 -0.278)   # the ribbon of tube 1, right of its number
region1=(-0.153 0.111)  # a body segment of the caterpillar, numbered 1
inside1=(-0.118 0.181)  # in the same segment below and right of the number, clear of the brush
move_to "${tube1[@]}"
within 20 brush_moved_to "$work/p2-again.png" "$work/tube.png" "${tube1[@]}" ||
  fail "the brush did not come to tube 1"
xdotool click 1
sleep 0.5
move_to "${region1[@]}"
within 20 brush_moved_to "$work/tube.png" "$work/region.png" "${region1[@]}" ||
  fail "the brush did not come to the region"
xdotool click 1
# Picture 1's first colour is #93C700.
painted() {
  shot "$work/painted.png"
  read -r r g b < <(pixel_at "$work/painted.png" "${inside1[@]}")
  awk -v r="$r" -v g="$g" -v b="$b" 'BEGIN { exit !(r >= 107 && r <= 187 && g >= 159 && g <= 239 && b <= 40) }'
}
within 20 painted ||
  fail "tube 1 and then region 1 did not paint it: (${inside1[*]}) is $r $g $b, want about 147 199 0"
echo "ok: tube 1 painted region 1"

kill -TERM "$game_pid"
gone() { ! kill -0 "$game_pid" 2>/dev/null; }
start=$SECONDS
until gone; do
  [ $((SECONDS - start)) -lt 10 ] || fail "the game was still running 10 s after SIGTERM"
  sleep 0.2
done
wait "$game_pid"
status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the game exited with status $status after SIGTERM"

settings="$config/pintabo/com.quillfen.pintabo.cfg"
[ -s "$settings" ] || fail "no settings saved at $settings"
saved=$("$probe" "$settings" 1) || fail "the saved settings cannot be read"
grep -qx "damaged 0" <<<"$saved" || fail "the saved settings are damaged: $saved"
grep -qx "page 1" <<<"$saved" || fail "the saved settings do not name picture 1: $saved"
grep -q "^region .* colour 1$" <<<"$saved" || fail "the painted region is not in the saved settings: $saved"
echo "ok: SIGTERM quit with status 0 and saved the painted region ($(stat -c %s "$settings") bytes)"
