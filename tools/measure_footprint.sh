#!/usr/bin/env bash
# Prints the footprint of Zorvane.exe under Wine beside that of the baseline window (e2e/baseline/minimal.exe,
# the program's size and its three timer rates), measured in the same run, with their ratios: file size,
# resident set with the window shown and started hidden (in the tray), CPU time over a minute in both states,
# and the time from start to the first paint.
# Usage: tools/measure_footprint.sh [build dir: build/win32, or build/win64 where 32-bit code cannot run];
# ZV_CPU_SECONDS and ZV_START_RUNS override.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
# shellcheck source=../e2e/lib.sh
source e2e/lib.sh

BUILD=$(realpath -m "${1:-build/$(zv_runnable_preset)}")
PROGRAM=$BUILD/app/Zorvane.exe
BASELINE=$BUILD/e2e/baseline/minimal.exe
ZV_DRIVER=$BUILD/e2e/zvdriver.exe
WORK=$BUILD/footprint
SETTLE_SECONDS=3
CPU_SECONDS=${ZV_CPU_SECONDS:-60}
START_RUNS=${ZV_START_RUNS:-5}
# The screen is 1280 x 800 and both windows open centred: its middle is inside either.
PROBE_X=640
PROBE_Y=400

for file in "$PROGRAM" "$BASELINE" "$ZV_DRIVER"; do
  [[ -f $file ]] || { echo "missing $file: build the preset first" >&2; exit 1; }
done

ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

program_running() {
  [[ -n $(zv_program_pids "$1") ]]
}

# start EXE SHOWN: stages the executable and starts it shown (1) or hidden (0: Zorvane in the tray, the
# baseline with /hidden, which Zorvane ignores); sets NAME and PID once the process runs.
start() {
  local exe=$1 shown=$2 dir
  dir=$WORK/$(basename "$exe")-$shown
  zv_stage_copy "$exe" "$dir"
  printf '[VK]\r\nAutorun=0\r\nAutomin=%s\r\nShowMiniWindow=0\r\nAuroFreeMemory=0\r\nInterval=5 分钟\r\n' \
    $((1 - shown)) | iconv -f UTF-8 -t GBK >"$dir/config.ini"
  NAME=$(basename "$ZV_STAGED_EXE")
  if ((shown)); then
    zv_start_program "$ZV_STAGED_EXE" "$dir/program.log"
  else
    zv_start_program "$ZV_STAGED_EXE" "$dir/program.log" /hidden
  fi
  zv_poll 30 program_running "$NAME" || { echo "$NAME did not start" >&2; return 1; }
  if ((shown)); then
    zv_wait_window 30000 >/dev/null || { echo "no window from $NAME" >&2; return 1; }
  fi
  sleep "$SETTLE_SECONDS"
  PID=$(zv_program_pids "$NAME" | head -1)
}

# CPU time in clock ticks (user + system) the process has used.
cpu_ticks() {
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

# measure EXE SHOWN: "resident KiB, CPU ticks over CPU_SECONDS" of the running executable.
measure() {
  local kib before
  start "$1" "$2"
  kib=$(awk '/^VmRSS:/ { print $2 }' "/proc/$PID/status")
  before=$(cpu_ticks "$PID")
  sleep "$CPU_SECONDS"
  echo "$kib $(($(cpu_ticks "$PID") - before))"
  zv_stop_wine
}

probe_colour() {
  import -window root -crop "1x1+$PROBE_X+$PROBE_Y" txt:- 2>/dev/null | awk 'NR == 2 { print $3 }'
}

# first_paint_ms EXE: milliseconds from the start to the first moment from which the middle of the screen
# shows the colour it settles at (the window's own first paint there).
first_paint_ms() {
  local exe=$1 began samples=$WORK/samples.txt
  zv_stage_copy "$exe" "$WORK/start"
  zv_ensure_wineserver
  : >"$samples"
  began=$(date +%s%3N)
  zv_start_program "$ZV_STAGED_EXE" "$WORK/start.log"
  while (($(date +%s%3N) - began < 8000)); do
    echo "$(($(date +%s%3N) - began)) $(probe_colour)" >>"$samples"
  done
  zv_stop_wine
  awk '{ ms[NR] = $1; colour[NR] = $2 } END {
    first = NR
    while (first > 1 && colour[first - 1] == colour[NR]) first--
    print ms[first] }' "$samples"
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

mkdir -p "$WORK"
zv_measure_setup "$BUILD"

programBytes=$(stat -c %s "$PROGRAM")
baselineBytes=$(stat -c %s "$BASELINE")
echo "file size: Zorvane.exe $programBytes bytes, minimal.exe $baselineBytes bytes," \
  "ratio $(ratio "$programBytes" "$baselineBytes")"

shownBaselineKib=""
for shown in 1 0; do
  read -r programKib programTicks <<<"$(measure "$PROGRAM" "$shown")"
  read -r baselineKib baselineTicks <<<"$(measure "$BASELINE" "$shown")"
  state=$( ((shown)) && echo "window shown" || echo "started hidden (tray)")
  echo "resident set, $state, ${SETTLE_SECONDS} s after start: Zorvane.exe $programKib KiB," \
    "minimal.exe $baselineKib KiB, ratio $(ratio "$programKib" "$baselineKib")"
  if ((shown)); then
    shownBaselineKib=$baselineKib
  else
    echo "resident set, Zorvane.exe in the tray beside minimal.exe shown: ratio" \
      "$(ratio "$programKib" "$shownBaselineKib")"
  fi
  echo "CPU over $CPU_SECONDS s, $state: Zorvane.exe $programTicks ticks, minimal.exe $baselineTicks ticks" \
    "(a tick is 10 ms)"
done

programStarts=() baselineStarts=()
for ((run = 0; run < START_RUNS; run++)); do
  programStarts+=("$(first_paint_ms "$PROGRAM")")
  baselineStarts+=("$(first_paint_ms "$BASELINE")")
done
programMs=$(printf '%s\n' "${programStarts[@]}" | median)
baselineMs=$(printf '%s\n' "${baselineStarts[@]}" | median)
echo "start to first paint, median of $START_RUNS: Zorvane.exe $programMs ms (${programStarts[*]})," \
  "minimal.exe $baselineMs ms (${baselineStarts[*]}), ratio $(ratio "$programMs" "$baselineMs")"
