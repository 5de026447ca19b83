#!/usr/bin/env bash
# Samples the resident set of Zorvane.exe under Wine every 30 s for 10 minutes, once with the main window
# shown and once started in the tray (automatic release every minute and the mini window on in both), and
# prints each series with its first, last, lowest and highest value. Figures only: nothing is asserted.
# Usage: tools/measure_growth.sh [build dir: build/win32, or build/win64 where 32-bit code cannot run];
# ZV_SAMPLE_SECONDS and ZV_DURATION_SECONDS override.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
# shellcheck source=../e2e/lib.sh
source e2e/lib.sh

BUILD=$(realpath -m "${1:-build/$(zv_runnable_preset)}")
PROGRAM=$BUILD/app/Zorvane.exe
ZV_DRIVER=$BUILD/e2e/zvdriver.exe
WORK=$BUILD/growth
SAMPLE_SECONDS=${ZV_SAMPLE_SECONDS:-30}
DURATION_SECONDS=${ZV_DURATION_SECONDS:-600}

for file in "$PROGRAM" "$ZV_DRIVER"; do
  [[ -f $file ]] || { echo "missing $file: build the preset first" >&2; exit 1; }
done

program_running() {
  [[ -n $(zv_program_pids "$1") ]]
}

# The resident set in KiB of the staged program, every SAMPLE_SECONDS for DURATION_SECONDS.
sample_series() {
  local label=$1 automin=$2 dir="$WORK/$1" name pid elapsed series=()
  zv_stage_copy "$PROGRAM" "$dir"
  printf '[VK]\r\nAutorun=0\r\nAutomin=%s\r\nShowMiniWindow=1\r\nAuroFreeMemory=1\r\nInterval=1 分钟\r\n' \
    "$automin" | iconv -f UTF-8 -t GBK >"$dir/config.ini"
  name=$(basename "$ZV_STAGED_EXE")
  zv_start_program "$ZV_STAGED_EXE" "$dir/program.log"
  zv_poll 30 program_running "$name" || { echo "$label: the program did not start" >&2; return 1; }
  sleep 5 # start-up has ended
  pid=$(zv_program_pids "$name" | head -1)
  for ((elapsed = 0; elapsed <= DURATION_SECONDS; elapsed += SAMPLE_SECONDS)); do
    series+=("$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")")
    ((elapsed < DURATION_SECONDS)) && sleep "$SAMPLE_SECONDS"
  done
  zv_stop_wine
  printf '%s\n' "${series[@]}" | awk -v label="$label" -v step="$SAMPLE_SECONDS" '
    { kib[NR] = $1; if (NR == 1 || $1 < low) low = $1; if (NR == 1 || $1 > high) high = $1 }
    END {
      printf "%s, resident set in KiB every %d s:", label, step
      for (i = 1; i <= NR; ++i) printf " %d", kib[i]
      printf "\n%s: first %d, last %d (%+d), lowest %d, highest %d\n", label, kib[1], kib[NR], kib[NR] - kib[1], low, high
    }'
}

mkdir -p "$WORK"
zv_measure_setup "$BUILD"

sample_series shown 0
sample_series tray 1
