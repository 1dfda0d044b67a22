#!/usr/bin/env bash
# Whole-process figures of the Linux program on a private Xvfb: start-up (process start to the
# saver window on screen), response (key press to process exit) and peak resident memory.
#   process_bench.sh PATH/TO/quorex [RUNS]
set -uo pipefail
here=$(cd "$(dirname "$0")/../tests/e2e" && pwd)
. "$here/lib.sh"
program=$(realpath "$1")
runs=${2:-10}
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work"
trap 'stop_all; rm -rf "$work"' EXIT
start_xvfb
now() { date +%s%N; }
stats() { sort -n | awk '{ v[NR] = $1 } END { printf "median %.1f ms, worst %.1f ms", v[int((NR + 1) / 2)], v[NR] }'; }

for count in 1 1000 99999999999; do
  mkdir -p "$work/Quorex"
  printf '[Options]\nAction=1\nLineCount=%s\nLineWidth=1\n' "$count" > "$work/Quorex/settings.ini"
  : > "$work/start"; : > "$work/exit"; peak=0
  for _ in $(seq "$runs"); do
    t0=$(now)
    "$program" /S & pid=$!
    until xdotool search --onlyvisible --name '^Form1$' > /dev/null 2>&1; do sleep 0.002; done
    echo "scale=1; ($(now) - $t0) / 1000000" | bc >> "$work/start"
    sleep 0.5
    rss=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
    [ "$rss" -gt "$peak" ] && peak=$rss
    t1=$(now)
    xdotool key a
    wait "$pid"
    echo "scale=1; ($(now) - $t1) / 1000000" | bc >> "$work/exit"
  done
  echo "LineCount $count: start-up $(stats < "$work/start"); key to exit $(stats < "$work/exit"); peak RSS $((peak / 1024)) MB"
done
