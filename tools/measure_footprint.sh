#!/usr/bin/env bash
# Prints the file size and the resident memory under Wine of Zorvane.exe beside those of the baseline window
# (e2e/baseline/minimal.exe), with their ratios. Usage: tools/measure_footprint.sh [win32 build dir]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
# shellcheck source=../e2e/lib.sh
source e2e/lib.sh

BUILD=$(realpath -m "${1:-build/win32}")
PROGRAM=$BUILD/app/Zorvane.exe
BASELINE=$BUILD/e2e/baseline/minimal.exe
ZV_DRIVER=$BUILD/e2e/zvdriver.exe
WORK=$BUILD/footprint
SETTLE_SECONDS=3

for file in "$PROGRAM" "$BASELINE" "$ZV_DRIVER"; do
  [[ -f $file ]] || { echo "missing $file: build the win32 preset first" >&2; exit 1; }
done

ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

# Resident set in KiB of the process running the executable, a few seconds after its window showed.
resident_kib() {
  local exe=$1 name pid
  name=$(basename "$exe")
  zv_stage_copy "$exe" "$WORK/$name.d"
  zv_start_program "$ZV_STAGED_EXE" "$WORK/$name.log"
  zv_wait_window 30000 >/dev/null || { echo "no window from $name" >&2; return 1; }
  sleep "$SETTLE_SECONDS"
  pid=$(zv_program_pids "$name" | head -1)
  [[ -n $pid ]] || { echo "no process for $name" >&2; return 1; }
  awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"
  zv_stop_wine
}

programBytes=$(stat -c %s "$PROGRAM")
baselineBytes=$(stat -c %s "$BASELINE")
echo "file size: Zorvane.exe $programBytes bytes, minimal.exe $baselineBytes bytes," \
  "ratio $(ratio "$programBytes" "$baselineBytes")"

zv_wine_setup "$BUILD/wineprefix"
zv_ensure_prefix
mkdir -p "$WORK"
trap 'zv_stop_wine; zv_stop_display' EXIT
zv_stop_wine
zv_start_display 1280x800x24

programKib=$(resident_kib "$PROGRAM")
baselineKib=$(resident_kib "$BASELINE")
echo "resident set ${SETTLE_SECONDS} s after the window showed: Zorvane.exe $programKib KiB," \
  "minimal.exe $baselineKib KiB, ratio $(ratio "$programKib" "$baselineKib")"
