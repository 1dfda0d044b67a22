#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each from its committed seed corpus for a bounded time:
#   run_fuzzers.sh BUILD-DIR SECONDS-EACH
set -uo pipefail
cd "$(dirname "$0")/../.."
dir=$1 seconds=$2
CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOREX_FUZZ=ON \
  -DQUOREX_TESTS=OFF -DQUOREX_FLTK=OFF > "$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir" -j"$(nproc)" 2>&1 | grep -E 'warning|error' && exit 1
passed=0 failed=0
for target in numeric_value show ok_step settings_file; do
  work=$(mktemp -d)
  cp tests/fuzz/corpus/$target/* "$work/" 2> /dev/null
  if "$dir/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
       -rss_limit_mb=2048 -artifact_prefix="$dir/crash-$target-" "$work" > "$dir/$target.log" 2>&1; then
    echo "  ok: fuzz_$target ($(grep -o 'stat::number_of_executed_units: [0-9]*' "$dir/$target.log" | tail -1 || tail -1 "$dir/$target.log"))"
    passed=$((passed + 1))
  else
    echo "  FAILED: fuzz_$target"; tail -30 "$dir/$target.log"; failed=$((failed + 1))
  fi
  rm -rf "$work"
done
echo "Fuzzing: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
