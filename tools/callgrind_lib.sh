# Instruction counts under callgrind for the benchmark scripts; they set PROGRAM before sourcing this.
# shellcheck shell=bash

[[ -x $PROGRAM ]] || { echo "missing $PROGRAM: build the host preset first" >&2; exit 1; }
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }

CALLGRIND_WORK=$(mktemp -d)
trap 'rm -rf "$CALLGRIND_WORK"' EXIT

# Total instructions of one run of PROGRAM with these options: the "summary:" line of callgrind's output.
instructions() {
  local out=$CALLGRIND_WORK/callgrind.out
  valgrind --tool=callgrind --callgrind-out-file="$out" "$PROGRAM" "$@" >/dev/null 2>&1
  awk '/^summary:/ { print $2 }' "$out"
}

# per_repetition WHAT [OPTIONS...]: instructions of one repetition, the difference between 101 and 1
# repetitions after the same set-up, so that the set-up drops out.
per_repetition() {
  local what=$1 one many
  shift
  one=$(instructions "--$what=1" "$@")
  many=$(instructions "--$what=101" "$@")
  echo $(((many - one) / 100))
}
