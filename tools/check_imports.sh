#!/usr/bin/env bash
# Checks that a Windows executable loads on the oldest Windows it is built for: it imports no function and no
# library from the list of those Windows XP lacks, and its PE header claims no later OS or subsystem version.
# Usage: check_imports.sh <objdump> <program.exe> <list file> <highest version, e.g. 5.1>
set -euo pipefail

if (($# != 4)); then
  echo "usage: $0 <objdump> <program.exe> <list file> <highest version>" >&2
  exit 2
fi
objdump=$1 exe=$2 list=$3 highest=$4
[[ -f $exe ]] || { echo "no such file: $exe" >&2; exit 2; }
[[ -f $list ]] || { echo "no such file: $list" >&2; exit 2; }
[[ $highest =~ ^([0-9]+)\.([0-9]+)$ ]] || { echo "not a version: $highest" >&2; exit 2; }
highestMajor=${BASH_REMATCH[1]} highestMinor=${BASH_REMATCH[2]}

headers=$(mktemp)
trap 'rm -f "$headers"' EXIT
"$objdump" -p "$exe" >"$headers" || { echo "$objdump cannot read $exe" >&2; exit 2; }

problems=0
report() {
  echo "FAIL: $1"
  problems=$((problems + 1))
}

# ---- PE header: the OS and subsystem versions the loader compares with the running Windows ----

# header_field NAME: the decimal value of a line "NAME<tab>VALUE" of objdump's header dump.
header_field() {
  awk -v name="$1" '$1 == name { print $2; found = 1; exit } END { exit !found }' "$headers"
}

check_version() {
  local what=$1 majorField=$2 minorField=$3 major minor
  if ! major=$(header_field "$majorField") || ! minor=$(header_field "$minorField"); then
    report "no $what version in the PE header"
    return
  fi
  if ((major > highestMajor || (major == highestMajor && minor > highestMinor))); then
    report "$what version $major.$minor is later than $highest"
  else
    echo "ok: $what version $major.$minor"
  fi
}
check_version "OS" MajorOSystemVersion MinorOSystemVersion
check_version "subsystem" MajorSubsystemVersion MinorSubsystemVersion

# ---- Import table: "DLL Name: X" opens a library, a heading names the columns, then one line per function ----
# binutils up to 2.40 writes "vma:  Hint/Ord Member-Name Bound-To" (the name in column 3); later ones write
# "vma:     Ordinal  Hint  Member-Name  Bound-To" (column 4, the ordinal "<none>" for an import by name).

imports=$(awk '
  /^[ \t]*DLL Name:/ { dll = $3; nameColumn = 0; print "dll", dll; next }
  dll != "" && /^[ \t]*$/ { dll = ""; next }
  dll != "" && $1 == "vma:" { for (i = 2; i <= NF; i++) if ($i == "Member-Name") nameColumn = i; next }
  dll != "" && nameColumn > 0 && $1 ~ /^[0-9a-fA-F]+$/ && NF >= nameColumn { print "fn", dll, $nameColumn }
' "$headers")
functionCount=$(grep -c '^fn ' <<<"$imports" || true)
libraryCount=$(grep -c '^dll ' <<<"$imports" || true)
((libraryCount > 0)) || report "no import table found in $exe"
((libraryCount == 0 || functionCount > 0)) || report "no imported function read from $objdump's listing of $exe"

declare -A missingFunctions=()
missingLibraries=()
while IFS= read -r entry; do
  entry=${entry%%#*}
  entry=${entry//[[:space:]]/}
  [[ -n $entry ]] || continue
  if [[ ${entry,,} == *.dll ]]; then missingLibraries+=("${entry,,}"); else missingFunctions[$entry]=1; fi
done <"$list"

while read -r kind dll name; do
  if [[ $kind == dll ]]; then
    for pattern in "${missingLibraries[@]}"; do
      # shellcheck disable=SC2053 # the list's library names may be patterns
      [[ ${dll,,} == $pattern ]] && report "imports $dll, which Windows XP does not have"
    done
  elif [[ -n ${missingFunctions[$name]:-} ]]; then
    report "imports $name from $dll, which Windows XP does not have"
  fi
done <<<"$imports"

echo "$(basename "$exe"): $functionCount functions from $libraryCount libraries checked against" \
  "${#missingFunctions[@]} functions and ${#missingLibraries[@]} libraries of $(basename "$list")"
if ((problems > 0)); then
  echo "$problems problem(s): bind such functions late with GetProcAddress"
  exit 1
fi
echo "ok: nothing Windows XP lacks"
