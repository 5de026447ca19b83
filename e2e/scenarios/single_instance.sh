#!/usr/bin/env bash
# One copy per session: with the program in the tray (Automin=1, mini window on), starting it again from its
# folder, from a copy in another folder and once more while minimised each ends the new process by itself and
# leaves one process, one tray icon, one main and one mini window; the main window comes forward, restored, on
# its current page; neither config.ini nor the Run key changes.
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

zv_scenario single_instance "$@"
# shellcheck source=tray_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/tray_common.sh"

RUN_KEY='Software\Microsoft\Windows\CurrentVersion\Run'
# The program's own registry view: a 64-bit program in a 64-bit prefix writes the 64-bit keys.
REG_VIEW=()
[[ ${ZV_WINEARCH:-win32} == win64 ]] && REG_VIEW=(/reg:64)

run_value() {
  zv_wine reg query "$1\\$RUN_KEY" /v VK "${REG_VIEW[@]}" 2>/dev/null | tr -d '\r' | sed -n 's/^ *VK *REG_SZ *//p'
}

# The other copy's settings would write the Run value if its start-up ever ran: the prefix gets it clean again.
remove_run_values() {
  local root
  for root in HKLM HKCU; do
    zv_wine reg delete "$root\\$RUN_KEY" /v VK /f "${REG_VIEW[@]}" >/dev/null 2>&1 || true
  done
}

scenario_cleanup() {
  local status=$?
  end_again
  remove_run_values
  (exit "$status")
  zv_cleanup
}
trap scenario_cleanup EXIT

main_minimised() {
  [[ $(zv_tray state "$TRAY_MAIN") == *iconic=1* ]]
}

# Visible, not minimised and the foreground window.
main_in_front() {
  [[ $(zv_tray state "$TRAY_MAIN") == "visible=1 iconic=0 foreground=1" ]]
}

# start_again EXE NAME: runs the program once more; false when that process did not end by itself within 15
# seconds. Such a copy is left running for the checks that follow and ended after them (end_again).
AGAIN_PID=""
start_again() {
  zv_wine_command "$1" </dev/null >"$ZV_ART/$2.log" 2>&1 &
  AGAIN_PID=$!
  zv_poll 15 again_ended
}

again_ended() {
  ! kill -0 "$AGAIN_PID" 2>/dev/null
}

end_again() {
  [[ -n $AGAIN_PID ]] || return 0
  kill "$AGAIN_PID" 2>/dev/null || true
  wait "$AGAIN_PID" 2>/dev/null || true
  AGAIN_PID=""
}

# After each start: the one process and its windows, the icon, the settings files and the Run key as they were.
check_one_copy() {
  local when=$1
  zv_expect_eq "one process of the program $when" 1 "$(zv_program_pids Zorvane.exe | wc -l)"
  zv_expect_eq "one main window $when" 1 "$(zv_tray count "$ZV_WINDOW_TITLE")"
  zv_expect_eq "one mini window $when" 1 "$(zv_tray count "$TIP_TITLE")"
  zv_expect "the running copy's icon $when" icon_shown
  zv_expect_eq "one tray icon of the program's windows $when" 1 "$(zv_tray icons "$ZV_WINDOW_TITLE")"
  zv_expect "config.ini unchanged $when" cmp -s "$ZV_ART/config.before" "$FIRST_DIR/config.ini"
  zv_expect "the other copy's config.ini unchanged $when" cmp -s "$ZV_ART/other.before" "$OTHER_DIR/config.ini"
  zv_expect_eq "no Run value under HKLM $when" "" "$(run_value HKLM)"
  zv_expect_eq "no Run value under HKCU $when" "" "$(run_value HKCU)"
  end_again
}

tray_start 1 1 "$TIP_TITLE"
FIRST_EXE=$ZV_STAGED_EXE
FIRST_DIR=$(dirname "$FIRST_EXE")
cp "$FIRST_DIR/config.ini" "$ZV_ART/config.before"
zv_poll 10 icon_shown || zv_fail "no tray icon after the start"

# A copy in another folder whose own settings would show every window and write the Run value.
zv_stage_copy "$ZV_EXE" "$ZV_ART/other copy"
OTHER_EXE=$ZV_STAGED_EXE
OTHER_DIR=$(dirname "$OTHER_EXE")
printf '[VK]\r\nAutorun=1\r\nAutomin=0\r\nShowMiniWindow=1\r\nAuroFreeMemory=0\r\nInterval=5 分钟\r\n' |
  iconv -f UTF-8 -t GBK >"$OTHER_DIR/config.ini"
cp "$OTHER_DIR/config.ini" "$ZV_ART/other.before"
ZV_STAGED_EXE=$FIRST_EXE # program_ended and the process checks look for the running copy
zv_expect "main window hidden in the tray" main_hidden
check_one_copy "before a second start"
zv_save_screenshot in_tray

echo "a second start from the same folder"
zv_expect "the second start ends by itself" start_again "$FIRST_EXE" second
zv_poll 5 main_in_front || true
zv_expect "main window shown by the second start" main_visible
zv_expect_eq "main window restored and in front" "visible=1 iconic=0 foreground=1" "$(zv_tray state "$TRAY_MAIN")"
zv_expect_eq "on the start-up page" 系统内存使用状态 "$(zv_caption LabelState)"
check_one_copy "after the second start"
zv_save_screenshot second_start

echo "records page, hidden with the minimise image, then the copy in another folder starts"
zv_read_client
zv_click_control ImageRecords 1
zv_poll 5 zv_title_is 内存释放记录 || true
zv_control_centre ImageMin 0
zv_press_release "$ZV_CENTRE_X" "$ZV_CENTRE_Y"
zv_poll 5 main_hidden || true
zv_expect "main window hidden again" main_hidden
zv_expect "the other copy's start ends by itself" start_again "$OTHER_EXE" other
zv_poll 5 main_in_front || true
zv_expect "main window shown by the other copy's start" main_visible
zv_expect_eq "main window restored and in front" "visible=1 iconic=0 foreground=1" "$(zv_tray state "$TRAY_MAIN")"
zv_expect_eq "page kept" 内存释放记录 "$(zv_caption LabelState)"
zv_expect_eq "records page shown" 1 "$(zv_visible_flag PictureRecords)"
check_one_copy "after the other copy's start"
zv_save_screenshot other_copy

echo "minimised through the window menu, then a third start"
zv_tray post "$TRAY_MAIN" 0x112 0xF020 0 # WM_SYSCOMMAND, SC_MINIMIZE
zv_poll 5 main_minimised || true
zv_expect "main window minimised" main_minimised
zv_expect "the third start ends by itself" start_again "$FIRST_EXE" third
zv_poll 5 main_in_front || true
zv_expect_eq "main window restored from the minimised state" "visible=1 iconic=0 foreground=1" \
  "$(zv_tray state "$TRAY_MAIN")"
check_one_copy "after the third start"
zv_save_screenshot third_start

echo "the running copy still answers its icon"
zv_control_centre ImageMin 0
zv_press_release "$ZV_CENTRE_X" "$ZV_CENTRE_Y"
zv_poll 5 main_hidden || true
zv_tray post "$TRAY_MAIN" 2025 0 0x203
zv_poll 5 main_visible || true
zv_expect "the icon's double-click still shows the window" main_visible
