#!/usr/bin/env bash
# Runs each end-to-end scenario of a built preset N times in a row and prints "scenario: passed/run" for each;
# the figures are reported, not judged. The artefacts and the CTest output of every failed run are kept.
#
# usage: tools/repeat_e2e.sh [-n RUNS] [-l LOCKFILE] PRESET [SCENARIO...]
#   RUNS      runs per scenario (default 30)
#   LOCKFILE  the runs hold this lock (flock) and give it up for a moment every few minutes, so that other work
#             sharing the machine can go on in between
#   SCENARIO  names without the e2e_ prefix (default: every e2e_ test of the preset but the prefix fixture)
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1

runs=30 lock=""
while getopts 'n:l:' option; do
  case $option in
    n) runs=$OPTARG ;;
    l) lock=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
if (($# < 1)) || [[ ! $runs =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [-n RUNS] [-l LOCKFILE] PRESET [SCENARIO...]" >&2
  exit 2
fi
preset=$1
shift
build=build/$preset
[[ -f $build/CTestTestfile.cmake ]] || { echo "no build in $build: configure and build the preset first" >&2; exit 2; }
# shellcheck source=../e2e/lib/wine.sh
source e2e/lib/wine.sh
# A skipped run would count as passed.
if [[ $preset == win32 ]] && ! zv_can_execute_32bit; then
  echo "cannot repeat the win32 scenarios: $ZV_NO_EXEC32_REASON" >&2
  exit 2
fi

scenarios=("$@")
if ((${#scenarios[@]} == 0)); then
  mapfile -t scenarios < <(ctest --preset "$preset" -N | sed -n 's/^ *Test *#[0-9]*: e2e_//p' | grep -vx prefix)
fi

kept=$build/repeat-e2e
rm -rf "$kept"
mkdir -p "$kept"

# Takes the lock, or after LOCK_TURN seconds gives it up for a moment and takes it again.
LOCK_TURN=300
locked_since=""
take_turn() {
  [[ -n $lock ]] || return 0
  if [[ -n $locked_since ]] && ((SECONDS - locked_since >= LOCK_TURN)); then
    flock -u 9
    locked_since=""
    sleep 5 # a waiting command gets the lock first
  fi
  if [[ -z $locked_since ]]; then
    flock 9
    locked_since=$SECONDS
  fi
}
[[ -z $lock ]] || exec 9>>"$lock"

# run_once NAME RUN: one CTest run of the scenario (its prefix fixture comes with it); keeps a failed run's files.
run_once() {
  local name=$1 run=$2 output="$kept/$1-run$2.log"
  take_turn
  # The lock's descriptor stays here: a Wine process left running must not hold the lock.
  if ctest --preset "$preset" -R "^e2e_$name\$" --output-on-failure >"$output" 2>&1 9>&-; then
    rm -f "$output"
    return 0
  fi
  cp -r "$build/e2e-artifacts/$name" "$kept/$name-run$run" 2>/dev/null || true
  return 1
}

declare -A passed
for name in "${scenarios[@]}"; do
  passed[$name]=0
  started=$SECONDS
  for ((run = 1; run <= runs; run++)); do
    if run_once "$name" "$run"; then
      passed[$name]=$((passed[$name] + 1))
    else
      echo "$name: run $run failed, see $kept/$name-run$run.log"
    fi
  done
  echo "$name: ${passed[$name]}/$runs ($((SECONDS - started)) s)"
done

echo "==== $preset, $runs runs each"
for name in "${scenarios[@]}"; do
  echo "$name: ${passed[$name]}/$runs"
done
