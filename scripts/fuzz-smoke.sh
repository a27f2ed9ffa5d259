#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a short while over a
# working copy of its committed seed corpus. FUZZ_SECONDS sets the time per
# target (default 10). Fails when a target finds a crash, a leak or undefined
# behaviour.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-fuzz"
seconds="${FUZZ_SECONDS:-10}"

CC=clang CXX=clang++ cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPINTABO_FUZZ=ON >/dev/null
cmake --build "$build" -j2

status=0
for exe in "$build"/fuzz/fuzz_*; do
  [ -x "$exe" ] || continue
  name=$(basename "$exe")
  seeds="$top/fuzz/corpus/${name#fuzz_}"
  work="$build/corpus-work/${name#fuzz_}"
  artifacts="$build/artifacts/${name#fuzz_}/"
  mkdir -p "$work" "$artifacts"
  # Texture names are short; longer inputs would only slow the search down.
  max_len=65536
  [ "$name" = fuzz_texture_name ] && max_len=256
  [ -d "$seeds" ] && cp -n "$seeds"/* "$work"/ 2>/dev/null || true
  echo "== $name for ${seconds}s"
  if ! UBSAN_OPTIONS=halt_on_error=1 "$exe" -max_total_time="$seconds" -max_len="$max_len" -rss_limit_mb=2048 \
      -artifact_prefix="$artifacts" -print_final_stats=1 "$work" 2>"$build/$name.log"; then
    echo "$name FAILED; see $build/$name.log" >&2
    tail -40 "$build/$name.log" >&2
    status=1
  fi
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$build/$name.log" || true
done
exit $status
