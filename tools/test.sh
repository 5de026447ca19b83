#!/usr/bin/env bash
# Builds and tests every preset: the Linux host (portable core and its tests), win32 (Zorvane.exe, the tests
# of the real platform and the Wine scenarios) and win64 (the same for 64-bit Windows). Where this machine
# cannot execute 32-bit code, win32 is still built and its file checks run; its Wine tests are skipped, and
# the summary says how many and why. Exits non-zero when any step fails; the CTest summaries are repeated at
# the end.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
# shellcheck source=ctest_counts.sh
source tools/ctest_counts.sh
# shellcheck source=../e2e/lib/wine.sh
source e2e/lib/wine.sh

tools/setup.sh || exit 1

declare -A SUMMARY SKIPPED_WHY SKIP_NOTE
STAGES=(host win32 win64)
failed_stages=0
passed_tests=0
failed_tests=0
skipped_tests=0

zv_can_execute_32bit || SKIPPED_WHY[win32]=$ZV_NO_EXEC32_REASON

# run_stage PRESET: configure, build, test; records the CTest summary line or the step that failed.
run_stage() {
  local preset=$1 log="build/$1/ctest-output.log" counts total failed skipped
  echo "==== $preset: configure"
  if ! cmake --preset "$preset"; then SUMMARY[$preset]="configure failed"; return 1; fi
  echo "==== $preset: build"
  if ! cmake --build --preset "$preset"; then SUMMARY[$preset]="build failed"; return 1; fi
  echo "==== $preset: test"
  ctest --preset "$preset" 2>&1 | tee "$log"
  local status=${PIPESTATUS[0]}
  if counts=$(zv_ctest_counts "$log"); then
    read -r total failed skipped <<<"$counts"
    passed_tests=$((passed_tests + total - failed - skipped))
    failed_tests=$((failed_tests + failed))
    skipped_tests=$((skipped_tests + skipped))
    SUMMARY[$preset]="$((total - failed - skipped)) passed, $failed failed, $skipped skipped (out of $total)"
    if ((skipped > 0)) && [[ -n ${SKIPPED_WHY[$preset]:-} ]]; then
      SKIP_NOTE[$preset]="$skipped Wine tests skipped: ${SKIPPED_WHY[$preset]}"
    elif ((skipped > 0)); then
      # Where every program of the preset can run, a skipped test hides a fault.
      SKIP_NOTE[$preset]="$skipped tests skipped though this machine runs the preset's programs: failed"
      status=1
    fi
  elif grep -q 'No tests were found' "$log"; then
    SUMMARY[$preset]="no tests"
  else
    SUMMARY[$preset]="ctest exited with status $status"
  fi
  return "$status"
}

for stage in "${STAGES[@]}"; do
  run_stage "$stage" || failed_stages=$((failed_stages + 1))
done

echo "==== summary"
for stage in "${STAGES[@]}"; do
  echo "$stage: ${SUMMARY[$stage]}"
  [[ -z ${SKIP_NOTE[$stage]:-} ]] || echo "$stage: ${SKIP_NOTE[$stage]}"
done
echo "total: $passed_tests passed, $failed_tests failed, $skipped_tests skipped"
((failed_stages == 0))
