#!/usr/bin/env bash
# The scripts' one way to start Wine, with the probe's answer forced both ways: which loader each arch gets,
# that a Wine test of an arch that cannot run ends as skipped before anything starts, how a Windows
# executable's arch is read, and how tools/test.sh counts a CTest run with skipped tests.
set -uo pipefail
root=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../..")
# shellcheck source=../../e2e/lib.sh
source "$root/e2e/lib.sh"
# shellcheck source=../../tools/ctest_counts.sh
source "$root/tools/ctest_counts.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0

expect_eq() {
  if [[ $2 == "$3" ]]; then
    passed=$((passed + 1))
  else
    echo "FAIL: $1: expected '$2', got '$3'" >&2
    failed=$((failed + 1))
  fi
}

# loader_for EXEC32 ARCH: the command a program of the arch is started with.
loader_for() {
  (
    ZV_EXEC32=$1 ZV_WINEARCH=$2
    zv_wine_setup "$work/prefix-$2" 2>/dev/null
    echo "${ZV_WINE_LOADER[*]}"
  )
}

# The probe's own answer is one of the two and is passed on to child processes.
(
  unset ZV_EXEC32
  zv_can_execute_32bit
  answer=$ZV_EXEC32
  expect_eq "the probe's answer is exported" "$answer" "$(bash -c 'echo "$ZV_EXEC32"')"
  [[ $answer == yes || $answer == no ]] || echo "FAIL: the probe answered '$answer'" >&2
  echo "this machine: ZV_EXEC32=$answer"
  exit "$failed"
) || failed=$((failed + 1))

wine64=$(zv_wine64_loader 2>/dev/null || echo "(no 64-bit loader)")
expect_eq "64-bit programs where 32-bit code runs" "env WINELOADER=$wine64 $wine64" "$(loader_for yes win64)"
expect_eq "64-bit programs where it does not" "env WINELOADER=$wine64 $wine64" "$(loader_for no win64)"
expect_eq "32-bit programs where 32-bit code runs" "wine" "$(loader_for yes win32)"
expect_eq "32-bit programs where it does not" "false" "$(loader_for no win32)"
expect_eq "the preset that runs where 32-bit code runs" win32 "$(ZV_EXEC32=yes zv_runnable_preset)"
expect_eq "the preset that runs where it does not" win64 "$(ZV_EXEC32=no zv_runnable_preset)"

# A Wine test of a 32-bit prefix where 32-bit code cannot run: skipped, saying why, and no prefix made.
output=$(ZV_EXEC32=no ZV_WINEARCH=win32 bash "$root/tests/run_under_wine.sh" "$work/skipped" "$work/none.exe")
expect_eq "a test program under Wine: its status" 77 "$?"
expect_eq "a test program under Wine: what it says" "skipped: this machine cannot execute 32-bit x86 code" "$output"
ZV_EXEC32=no ZV_WINEARCH=win32 bash "$root/e2e/prepare_prefix.sh" "$work/skipped" >/dev/null
expect_eq "the prefix fixture: its status" 77 "$?"
ZV_EXEC32=no ZV_WINEARCH=win32 bash "$root/e2e/scenarios/startup.sh" "$work/none.exe" "$work/none.exe" \
  "$work/skipped" "$work/artefacts" >/dev/null
expect_eq "a scenario: its status" 77 "$?"
expect_eq "nothing was made for the skipped tests" "" "$(ls "$work" | grep -E '^(skipped|artefacts)')"

# zv_exe_arch reads the machine field at the offset that e_lfanew (at 0x3c) gives.
write_pe() {
  { printf 'MZ'; head -c 58 /dev/zero; printf '\x40\x00\x00\x00'; printf 'PE\x00\x00'; printf "$2"; } >"$1"
}
write_pe "$work/x86.exe" '\x4c\x01'
write_pe "$work/x64.exe" '\x64\x86'
write_pe "$work/arm.exe" '\x64\xaa'
expect_eq "arch of an i386 executable" win32 "$(zv_exe_arch "$work/x86.exe")"
expect_eq "arch of an x86-64 executable" win64 "$(zv_exe_arch "$work/x64.exe")"
expect_eq "arch of another executable" "" "$(zv_exe_arch "$work/arm.exe" 2>/dev/null)"

# CTest counts skipped tests among the passed; the counts take them out.
cat >"$work/ctest.log" <<'LOG'
96% tests passed, 1 tests failed out of 23

Total Test time (real) =  12.34 sec

The following tests did not run:
	  2 - e2e_prefix (Skipped)
	  3 - win32_platform (Skipped)
	  4 - e2e_startup (Skipped)

The following tests FAILED:
	  1 - pe_imports (Failed)
LOG
expect_eq "counts of a run with skipped tests" "23 1 3" "$(zv_ctest_counts "$work/ctest.log")"
printf '100%% tests passed, 0 tests failed out of 5\n' >"$work/plain.log"
expect_eq "counts of a run without" "5 0 0" "$(zv_ctest_counts "$work/plain.log")"
zv_ctest_counts /dev/null >/dev/null
expect_eq "no summary line" 1 "$?"

echo "wine_launch: $passed passed, $failed failed"
((failed == 0))
