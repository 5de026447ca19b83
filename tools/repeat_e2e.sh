#!/usr/bin/env bash
# Runs each end-to-end scenario of a built preset N times in a row and prints "scenario: passed/run" for each;
# the figures are reported, not judged. The artefacts and the CTest output of every failed run are kept.
#
# usage: tools/repeat_e2e.sh [-n RUNS] [-l LOCKFILE] PRESET [SCENARIO...]
#   RUNS      runs per scenario (default 30)
#   LOCKFILE  each CTest invocation holds this lock (flock), so that other work can go on between runs
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

scenarios=("$@")
if ((${#scenarios[@]} == 0)); then
  mapfile -t scenarios < <(ctest --preset "$preset" -N | sed -n 's/^ *Test *#[0-9]*: e2e_//p' | grep -vx prefix)
fi

kept=$build/repeat-e2e
rm -rf "$kept"
mkdir -p "$kept"

# run_once NAME RUN: one CTest run of the scenario (its prefix fixture comes with it); keeps a failed run's files.
run_once() {
  local name=$1 run=$2 output="$kept/$1-run$2.log" command
  command=(ctest --preset "$preset" -R "^e2e_$name\$" --output-on-failure)
  [[ -z $lock ]] || command=(flock "$lock" "${command[@]}")
  if "${command[@]}" >"$output" 2>&1; then
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
