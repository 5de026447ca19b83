#!/usr/bin/env bash
# Counts the instructions of one tick of the status page's monitor under callgrind, beside those of one
# clear of its canvas (the baseline), and prints their ratio. Each figure is the difference between
# runs of 101 and 1 repetitions after the same set-up, so the set-up drops out.
# Usage: tools/callgrind_tick.sh [host build dir]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

BUILD=$(realpath -m "${1:-build/host}")
PROGRAM=$BUILD/tests/benchmarks/zorvane_cpumonitor_benchmark
GOAL=150000
# shellcheck source=callgrind_lib.sh
source tools/callgrind_lib.sh

tick=$(per_repetition ticks)
worst=$(per_repetition ticks --jumping)
clear=$(per_repetition clears)
echo "one tick (411 x 41, two series, full history): $tick instructions"
echo "one tick, the CPU load jumping 10 % / 80 %:    $worst instructions"
echo "one clear of the 411 x 41 canvas (baseline):   $clear instructions"
awk -v t="$tick" -v w="$worst" -v c="$clear" \
  'BEGIN { printf "ratio tick / clear: %.1f, worst tick / clear: %.1f\n", t / c, w / c }'
if ((worst <= GOAL)); then
  echo "goal of $GOAL instructions for the worst tick: met"
else
  echo "goal of $GOAL instructions for the worst tick: missed"
fi
