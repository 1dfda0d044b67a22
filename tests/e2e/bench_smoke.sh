#!/usr/bin/env bash
# A short run of every benchmark program, so that the benchmark command keeps working: each
# prints its rows with figures in them. The figures themselves come from tools/bench.sh.
#   bench_smoke.sh BUILD-DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=$(realpath "$1")
work=$(mktemp -d)
trap 'stop_all; rm -rf "$work"' EXIT
start_xvfb

"$build/bench/quorex_bench" --benchmark_filter='lines:1000' --benchmark_min_time=0.01 \
  --benchmark_format=csv > "$work/engine.csv" 2> /dev/null
check "the engine benchmark measures all six modes" \
  test "$(grep -c '^"DoGraphicsPerLine/mode:[1-6]/lines:1000"' "$work/engine.csv")" -eq 6

"$build/bench/fltk_draw_bench" 0.05 > "$work/draw.txt"
rows=$(grep -cE '^\| Drawing, .* \| [0-9]+ frames/s \| [0-9]+ frames/s \|' "$work/draw.txt")
check "the drawing benchmark prints five rows with both frame rates" test "$rows" -eq 5
check "its baseline draws frames (no row at 0 frames/s)" \
  bash -c "! grep -q ' 0 frames/s' '$work/draw.txt'"

export XDG_CONFIG_HOME="$work/config"
"$build/bench/show_probe" "$build/quorex" /S > "$work/probe.txt"
check "the whole-process probe sees a frame and an exit" \
  grep -qE '^[0-9.]+ [0-9.]+ [0-9]+$' "$work/probe.txt"

summary "Benchmark smoke run"
