#!/usr/bin/env bash
# Minimise and close images: each hides the main window while the program goes on running in the tray.
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

window_hidden() {
  [[ $(zv_driver visible "$ZV_WINDOW_TITLE" 2>/dev/null) == 0 ]]
}

# Presses and releases the 28 x 15 image at its client position, then checks what is left running. The
# positions are written here, not queried: the harness runs this scenario against its baseline window, which
# answers no inspection, and expects it to fail on the visible flag.
expect_image_hides() {
  local name=$1 x=$2 y=$3 exeName
  exeName=$(basename "$ZV_STAGED_EXE")
  zv_press_release $((x + 14)) $((y + 7))
  zv_poll 5 window_hidden || true
  zv_expect_eq "$name image: visible flag of the main window" 0 "$(zv_driver visible "$ZV_WINDOW_TITLE")"
  zv_expect "$name image: $exeName still running" test -n "$(zv_program_pids "$exeName")"
  zv_save_screenshot "after_$name"
}

zv_scenario minimise "$@"

zv_launch
expect_image_hides minimise 720 5
zv_stop_wine
zv_expect "no Wine process left after ending the program" test -z "$(zv_prefix_pids)"

zv_launch
expect_image_hides close 752 5
