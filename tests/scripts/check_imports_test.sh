#!/usr/bin/env bash
# tools/check_imports.sh on import listings of both binutils layouts: a function Windows XP lacks is found in
# each, a clean list passes, and a listing whose functions cannot be read fails instead of passing empty.
set -uo pipefail
root=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../..")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0

# A stand-in for objdump that prints the listing in $work/listing.
printf '#!/bin/sh\ncat "%s/listing"\n' "$work" >"$work/objdump"
chmod +x "$work/objdump"
touch "$work/program.exe"
printf 'GetTickCount64\n' >"$work/post_xp.txt"

header=$'MajorOSystemVersion\t5\nMinorOSystemVersion\t1\nMajorSubsystemVersion\t5\nMinorSubsystemVersion\t1\n'
old_layout() {
  printf '%s\n\tDLL Name: KERNEL32.dll\n\tvma:  Hint/Ord Member-Name Bound-To\n' "$header"
  printf '\t929ce\t  136  CloseHandle\n\t929dc\t  192  %s\n\n' "$1"
}
new_layout() {
  printf '%s\n\tDLL Name: KERNEL32.dll\n\tvma:     Ordinal  Hint  Member-Name  Bound-To\n' "$header"
  printf '\t000994b0  <none>  008f  CloseHandle\n\t000994b4  <none>  00c8  %s\n\n' "$1"
}
unreadable() {
  printf '%s\n\tDLL Name: KERNEL32.dll\n\tsomething else entirely\n\n' "$header"
}

# expect STATUS WHAT LISTING...: the check's exit status on that listing.
expect() {
  local expected=$1 what=$2 status=0
  shift 2
  "$@" >"$work/listing"
  bash "$root/tools/check_imports.sh" "$work/objdump" "$work/program.exe" "$work/post_xp.txt" 5.1 \
    >"$work/out" 2>&1 || status=$?
  if ((status == expected)); then
    passed=$((passed + 1))
  else
    echo "FAIL: $what: exit status $status, expected $expected" >&2
    sed 's/^/    /' "$work/out" >&2
    failed=$((failed + 1))
  fi
}

expect 0 "binutils 2.40 layout, XP's functions only" old_layout CreateEventA
expect 1 "binutils 2.40 layout, a later function" old_layout GetTickCount64
expect 0 "binutils 2.44 layout, XP's functions only" new_layout CreateEventA
expect 1 "binutils 2.44 layout, a later function" new_layout GetTickCount64
expect 1 "a listing whose functions cannot be read" unreadable

echo "check_imports: $passed passed, $failed failed"
((failed == 0))
