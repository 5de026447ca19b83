# Counts of a CTest run, read from its output. Sourced by tools/test.sh.
# shellcheck shell=bash

# zv_ctest_counts LOG: prints "TOTAL FAILED SKIPPED" of the run whose output LOG holds, or fails when it has
# no summary line. CTest counts a skipped test among the passed ones; it lists it as "(Skipped)".
zv_ctest_counts() {
  local line skipped
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -1)
  [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]] || return 1
  skipped=$(grep -cE '^[[:space:]]+[0-9]+ - .* \(Skipped\)$' "$1")
  echo "${BASH_REMATCH[2]} ${BASH_REMATCH[1]} $skipped"
}
