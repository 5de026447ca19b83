#!/usr/bin/env bash
# Start-up: under the Chinese locale the main window titled "Zorvane" appears, centred, with a 786 x 557 client area.
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

# near A B: the two whole numbers differ by at most one (centring rounds either way).
near() {
  (($1 - $2 <= 1 && $2 - $1 <= 1))
}

zv_scenario startup "$@"
zv_launch
zv_pass "window '$ZV_WINDOW_TITLE' is visible"
zv_save_screenshot startup
zv_expect_eq "client size" "786x557" "${ZV_CLIENT_W}x${ZV_CLIENT_H}"

read -r screenW screenH < <(xdotool getdisplaygeometry)
centreX=$(((screenW - 786) / 2)) centreY=$(((screenH - 557) / 2))
zv_expect "client origin $ZV_CLIENT_X,$ZV_CLIENT_Y centred on the ${screenW}x$screenH screen ($centreX,$centreY)" \
  eval "near $ZV_CLIENT_X $centreX && near $ZV_CLIENT_Y $centreY"
