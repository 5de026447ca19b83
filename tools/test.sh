#!/usr/bin/env bash
# Builds and tests every preset: the Linux host (portable core and its tests), win32 (Zorvane.exe, the tests
# of the real platform and the Wine scenarios) and win64 (the same for 64-bit Windows). Exits non-zero when any step fails; the CTest summaries are repeated at the end.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1

tools/setup.sh || exit 1

declare -A SUMMARY
STAGES=(host win32 win64)
failed_stages=0
passed_tests=0
failed_tests=0

# run_stage PRESET: configure, build, test; records the CTest summary line or the step that failed.
run_stage() {
  local preset=$1 log="build/$1/ctest-output.log" line total failed
  echo "==== $preset: configure"
  if ! cmake --preset "$preset"; then SUMMARY[$preset]="configure failed"; return 1; fi
  echo "==== $preset: build"
  if ! cmake --build --preset "$preset"; then SUMMARY[$preset]="build failed"; return 1; fi
  echo "==== $preset: test"
  ctest --preset "$preset" 2>&1 | tee "$log"
  local status=${PIPESTATUS[0]}
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=${BASH_REMATCH[1]} total=${BASH_REMATCH[2]}
    passed_tests=$((passed_tests + total - failed))
    failed_tests=$((failed_tests + failed))
    SUMMARY[$preset]=$line
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
done
echo "total: $passed_tests passed, $failed_tests failed"
((failed_stages == 0))
