#!/usr/bin/env bash
# The harness checked against the baseline window: a scenario that should pass passes, one whose expectation
# cannot hold fails with a message, neither leaves a Wine process behind, and the driver behaves.
set -euo pipefail
# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

here=$(dirname "${BASH_SOURCE[0]}")
zv_scenario harness "$@"
# The sub-scenarios own the prefix while they run; this one starts its program only after them.
zv_stop_display

run_scenario() {
  local script=$1 log
  log="$ZV_ART/$(basename "$script" .sh).log"
  bash "$here/scenarios/$script" "$ZV_EXE" "$ZV_DRIVER" "$ZV_PREFIX" "$ZV_ART" >"$log" 2>&1
}

zv_expect "startup scenario passes on the baseline window" run_scenario startup.sh
zv_expect "nothing of the prefix left after a passing scenario" test -z "$(zv_prefix_pids)"

# The baseline has no minimise image, so its window stays visible and the scenario must say so and fail.
zv_expect "minimise scenario fails on the baseline window" eval '! run_scenario minimise.sh'
zv_expect "the failure names the broken expectation" \
  grep -q "FAIL: minimise image: visible flag of the main window: expected '0', got '1'" "$ZV_ART/minimise.log"
zv_expect "nothing of the prefix left after a failing scenario" test -z "$(zv_prefix_pids)"

zv_start_display
zv_launch
zv_expect_eq "driver: client area of the baseline" "786 557" "$ZV_CLIENT_W $ZV_CLIENT_H"
zv_expect_eq "driver: visible flag" 1 "$(zv_driver visible "$ZV_WINDOW_TITLE")"
zv_expect "driver: wait fails for a title no window has" eval '! zv_driver wait "No such window" 300 2>/dev/null'
zv_expect "driver: query fails when the window does not answer" eval '! zv_query LabelState 2>/dev/null'
zv_expect "driver: usage error on a bad subcommand" eval '! zv_driver frobnicate 2>/dev/null'
read -r load total avail <<<"$(zv_driver memory)"
zv_expect "driver: memory load $load% is 0-100 and available $avail <= total $total" \
  awk -v l="$load" -v t="$total" -v a="$avail" 'BEGIN { exit !(l >= 0 && l <= 100 && t > 0 && a <= t) }'
