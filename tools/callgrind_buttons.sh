#!/usr/bin/env bash
# Counts the instructions of one drawing of the skinned button in each look at 65 x 25 and 113 x 33
# under callgrind, beside one fill of the whole button at the same size (the baseline), and prints
# their ratio and the instructions per pixel. Each figure is the difference between runs of 101 and
# 1 repetitions after the same set-up, so the set-up drops out.
# Usage: tools/callgrind_buttons.sh [host build dir]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

BUILD=$(realpath -m "${1:-build/host}")
PROGRAM=$BUILD/tests/benchmarks/zorvane_command_benchmark
# shellcheck source=callgrind_lib.sh
source tools/callgrind_lib.sh

printf '%-6s %-9s %12s %10s %12s\n' look size instructions "x fill" "per pixel"
for size in 65x25 113x33; do
  width=${size%x*}
  height=${size#*x}
  fill=$(per_repetition fills --width="$width" --height="$height")
  pixels=$((width * height))
  printf '%-6s %-9s %12d %10s %12s\n' fill "$size" "$fill" 1.0 \
    "$(awk -v i="$fill" -v p="$pixels" 'BEGIN { printf "%.1f", i / p }')"
  for look in 1 2 3 4 5; do
    draw=$(per_repetition draws --look="$look" --width="$width" --height="$height")
    printf '%-6s %-9s %12d %10s %12s\n' "$look" "$size" "$draw" \
      "$(awk -v d="$draw" -v f="$fill" 'BEGIN { printf "%.1f", d / f }')" \
      "$(awk -v d="$draw" -v p="$pixels" 'BEGIN { printf "%.1f", d / p }')"
  done
done
