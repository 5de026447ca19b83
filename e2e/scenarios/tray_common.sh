# Shared steps of the tray scenarios: the tray helper, a start with chosen settings, Wine's tray window and the
# tray menu. Sourced after lib.sh, once zv_scenario has run.
# shellcheck shell=bash

# shellcheck disable=SC2034 # read by the scenarios
TIP_TITLE="Quistel Memory Optimizer"
ZV_TRAY_HELPER=$(dirname "$ZV_DRIVER")/zvtray.exe
[[ -f $ZV_TRAY_HELPER ]] || zv_fail "tray helper not found: $ZV_TRAY_HELPER"

zv_tray() {
  zv_wine "$ZV_TRAY_HELPER" "$@"
}

# tray_start AUTOMIN SHOWMINI WAIT_TITLE: starts the staged program with these two settings (0 or 1) and waits
# for a visible window with the title. Sets TRAY_MAIN to the main window's handle.
tray_start() {
  zv_stage_copy "$ZV_EXE" "$ZV_ART/bin"
  printf '[VK]\r\nAutorun=0\r\nAutomin=%s\r\nShowMiniWindow=%s\r\nAuroFreeMemory=0\r\nInterval=5 分钟\r\n' "$1" "$2" |
    iconv -f UTF-8 -t GBK >"$ZV_ART/bin/config.ini"
  zv_start_program "$ZV_STAGED_EXE" "$ZV_ART/program.log"
  zv_driver wait "$3" 30000 >/dev/null || zv_fail_explained "no visible window titled $3"
  tray_find_main
}

# The main window, hidden or not, once it has loaded.
tray_find_main() {
  # shellcheck disable=SC2016 # expanded by eval, at each try
  zv_poll 10 eval 'TRAY_MAIN=$(zv_tray handle "$ZV_WINDOW_TITLE" 2>/dev/null)' || zv_fail "no main window"
}

main_visible() {
  [[ $(zv_driver visible "$ZV_WINDOW_TITLE" 2>/dev/null) == 1 ]]
}

main_hidden() {
  [[ $(zv_driver visible "$ZV_WINDOW_TITLE" 2>/dev/null) == 0 ]]
}

icon_shown() {
  [[ $(zv_tray icon "$TRAY_MAIN" 2>/dev/null) == 1 ]]
}

icon_gone() {
  [[ $(zv_tray icon "$TRAY_MAIN" 2>/dev/null) == 0 ]]
}

# Wine's own tray window (the shell has no other without a desktop) is shown.
tray_window_shown() {
  [[ $(zv_tray tray-window 2>/dev/null) == 1\ * ]]
}

# The centre of the first icon slot of Wine's tray window.
tray_icon_point() {
  local visible x y h
  read -r visible x y _ h <<<"$(zv_tray tray-window)" || return 1
  echo "$((x + 10)) $((y + h / 2))"
}

# Item positions below the menu's top edge (the captions are fixed data).
declare -A TRAY_MENU_ITEM_Y=([m_HomePage]=12 [m_State]=39 [m_Setting]=56 [m_Log]=73 [m_About]=90 [m_Exit]=120)

menu_open() {
  zv_tray menu-rect >/dev/null 2>&1
}

# tray_menu_at X Y: presses the right button there, which opens the tray menu on the icon or the mini window.
# Sets TRAY_MENU_X/Y to the menu's top-left corner: at the pointer, unless the screen's edge moved it.
tray_menu_at() {
  xdotool mousemove --sync "$1" "$2"
  sleep 0.3
  xdotool mousedown 3
  sleep 0.2
  xdotool mouseup 3
  zv_poll 5 menu_open || zv_fail "no menu opened at $1,$2"
  read -r TRAY_MENU_X TRAY_MENU_Y _ _ <<<"$(zv_tray menu-rect)"
}

# tray_choose ITEM: clicks an item of the menu that tray_menu_at opened.
tray_choose() {
  xdotool mousemove --sync $((TRAY_MENU_X + 40)) $((TRAY_MENU_Y + ${TRAY_MENU_ITEM_Y[$1]}))
  sleep 0.3
  xdotool click 1
}

tray_menu_on_icon() {
  local point
  point=$(tray_icon_point) || zv_fail "Wine's tray window is missing"
  # shellcheck disable=SC2086 # two numbers
  tray_menu_at $point
}

program_ended() {
  [[ -z $(zv_program_pids "$(basename "$ZV_STAGED_EXE")") ]]
}
