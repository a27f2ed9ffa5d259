#!/usr/bin/env bash
# Runs game_bench on its own Xvfb screen at each size and prints one table.
#   bench/run-game-bench.sh [build folder] [frames per measurement]
# The start-up time counts from just before the bench's process is started
# (PINTABO_BENCH_T0) to the end of its first drawn frame. "processor" is the
# processor time of all the game's threads per frame, Mesa's rasterisers
# included: it grows much less than the frame times when the machine is busy.
set -u

build=${1:-build}
bench="$build/bench/game_bench"
shift $(( $# > 0 ? 1 : 0 ))
sizes=(1280x720 1920x1080)

if [ ! -x "$bench" ]; then
  echo "no $bench: build first (make build)" >&2
  exit 1
fi

rows=$(mktemp /tmp/pintabo-bench-rows.XXXXXX)
trap 'rm -f "$rows"' EXIT

status=0
for size in "${sizes[@]}"; do
  echo "measuring at $size ..." >&2
  # The clock starts inside the display wrapper, just before the bench itself.
  if ! PINTABO_SCREEN=$size SDL_AUDIODRIVER=dummy bash "$(dirname "$0")/../scripts/with-display.sh" \
      bash -c 'PINTABO_BENCH_T0=$(date +%s%N) exec "$0" "$@"' "$bench" "$@" >>"$rows"; then
    echo "game_bench failed at $size" >&2
    status=1
  fi
done

# One row per measurement, one column per screen size.
awk -F '\t' '
  function cell(row, col, text) {
    if (!(row in seen)) { seen[row] = 1; order[++rows] = row }
    if (!(col in seencol)) { seencol[col] = 1; cols[++ncols] = col }
    value[row, col] = text
  }
  $1 == "frames" {
    cell($3 ", " $4, $2, sprintf("%.0f frames/s, p50 %.1f ms, p99 %.1f ms, processor %.1f ms/frame (%d frames)",
                                 $6, $7, $8, $9, $5))
  }
  $1 == "rest" {
    cell("resting, nothing moving, " $3 " s", $2, sprintf("processor %.2f %% of one core, %d frames drawn", $4, $5))
  }
  $1 == "gallery" {
    cell("gallery opened with Tab, " ($3 == 1 ? "first time" : "again (thumbnails kept)"), $2,
         sprintf("every thumbnail %d ms, grown in %d ms, longest frame %d ms (processor %.0f ms), processor %.0f ms/frame", $4, $5, $6, $8, $7))
  }
  $1 == "process" {
    cell("start-up to the first frame", $2, sprintf("%d ms", $3))
    cell("peak resident memory (VmHWM)", $2, sprintf("%.0f MiB", $4 / 1024))
    cell("multisampling", $2, $5 == "4" ? "4 samples" : "off")
  }
  END {
    header = "| |"; rule = "|---|"
    for (c = 1; c <= ncols; c++) { header = header " " cols[c] " |"; rule = rule "---|" }
    print header; print rule
    for (r = 1; r <= rows; r++) {
      line = "| " order[r] " |"
      for (c = 1; c <= ncols; c++) line = line " " value[order[r], cols[c]] " |"
      print line
    }
  }' "$rows"
exit $status
