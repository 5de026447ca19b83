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
[[ -x $PROGRAM ]] || { echo "missing $PROGRAM: build the host preset first" >&2; exit 1; }
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# Total instructions of one run: the "summary:" line of callgrind's output file.
instructions() {
  local out=$WORK/callgrind.out
  valgrind --tool=callgrind --callgrind-out-file="$out" "$PROGRAM" "$1" >/dev/null 2>&1
  awk '/^summary:/ { print $2 }' "$out"
}

per_repetition() {
  local what=$1 one many
  one=$(instructions "--$what=1")
  many=$(instructions "--$what=101")
  echo $(((many - one) / 100))
}

tick=$(per_repetition ticks)
clear=$(per_repetition clears)
echo "one tick (411 x 41, two series, full history): $tick instructions"
echo "one clear of the 411 x 41 canvas (baseline):   $clear instructions"
awk -v t="$tick" -v c="$clear" 'BEGIN { printf "ratio tick / clear: %.1f\n", t / c }'
if ((tick <= GOAL)); then
  echo "goal of $GOAL instructions per tick: met"
else
  echo "goal of $GOAL instructions per tick: missed"
fi
