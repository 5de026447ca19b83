#!/usr/bin/env bash
# Tray menu: a right press on the icon opens it; "记录" shows a hidden main window on the records page; "退出"
# removes the icon and ends every process of the program, also while the free-memory message box is open.
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

zv_scenario tray_menu "$@"
# shellcheck source=tray_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/tray_common.sh"

tray_start 0 0 "$ZV_WINDOW_TITLE"
zv_read_client
zv_poll 10 icon_shown || zv_fail "no tray icon"

echo "settings page, then hide the window"
zv_click_control ImageSettings 1
zv_poll 5 zv_title_is 软件设置 || true
zv_control_centre ImageMin 0
zv_press_release "$ZV_CENTRE_X" "$ZV_CENTRE_Y"
zv_poll 5 main_hidden || true

tray_menu_on_icon
zv_save_screenshot menu_open
zv_expect_eq "the menu form stays hidden while its menu is open" 0 "$(zv_driver visible Menu 2>/dev/null || echo missing)"
tray_choose m_Log
zv_poll 5 main_visible || true
zv_expect "记录 shows the hidden main window" main_visible
zv_poll 5 zv_title_is 内存释放记录 || true
zv_expect_eq "records title" 内存释放记录 "$(zv_caption LabelState)"
zv_expect_eq "records page" 1 "$(zv_visible_flag PictureRecords)"
zv_expect_eq "records entry selected" 1 "$(zv_visible_flag ImageRecords 0)"
zv_expect_eq "settings page gone" 0 "$(zv_visible_flag PictureSettings)"
zv_save_screenshot after_records

# Without a desktop window the bare X root never reaches Wine, so the click lands on the main window's title
# label, which has no handler.
echo "a click outside closes the menu without a command"
tray_menu_on_icon
zv_read_client
xdotool mousemove --sync $((ZV_CLIENT_X + 60)) $((ZV_CLIENT_Y + 12))
sleep 0.3
xdotool click 1
sleep 1
zv_expect "menu closed" eval '! menu_open'
zv_expect_eq "page unchanged" 内存释放记录 "$(zv_caption LabelState)"
zv_expect "program still running" eval '! program_ended'

echo "exit"
tray_menu_on_icon
tray_choose m_Exit
zv_poll 10 program_ended || true
zv_expect "退出 ends every process of the program" program_ended
zv_expect "no icon left in the notification area" icon_gone
tray_window_gone() {
  ! tray_window_shown
}
zv_poll 5 tray_window_gone || true
zv_expect "Wine's tray window, empty, went away" tray_window_gone
zv_save_screenshot after_exit

# The release pass ends with its message box; 退出 chosen while the box is open still ends everything.
echo "exit while the free-memory message box is open"
tray_start 0 0 "$ZV_WINDOW_TITLE"
zv_read_client
zv_poll 10 icon_shown || zv_fail "no tray icon after the restart"
zv_click_control CommandFreeMemory -1 PictureState
zv_driver messagebox "$ZV_WINDOW_TITLE" 60000 >/dev/null || zv_fail_explained "no message box after pressing the button"
tray_menu_on_icon
zv_save_screenshot menu_over_message_box
tray_choose m_Exit
zv_poll 10 program_ended || true
zv_expect "退出 with the message box open ends every process of the program" program_ended
zv_expect "no icon left after that exit" icon_gone
