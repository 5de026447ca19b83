#!/usr/bin/env bash
# Tray icon: it exists from the start; its double-click brings a hidden main window back on its current page,
# other notifications do nothing, the icon returns by itself after the shell lost it, and the end of the Windows
# session takes it away with the program.
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

zv_scenario tray_icon "$@"
# shellcheck source=tray_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/tray_common.sh"

tray_start 0 0 "$ZV_WINDOW_TITLE"
zv_read_client
zv_poll 10 icon_shown || true
zv_expect "the shell has the main window's icon at start" icon_shown
zv_expect "Wine's tray window shows it" tray_window_shown
zv_save_screenshot start

echo "records page, then the minimise image"
zv_click_control ImageRecords 1
zv_poll 5 zv_title_is 内存释放记录 || true
zv_control_centre ImageMin 0
zv_press_release "$ZV_CENTRE_X" "$ZV_CENTRE_Y"
zv_poll 5 main_hidden || true
zv_expect "main window hidden" main_hidden

echo "single clicks, releases and moves on the icon"
for lParam in 0x200 0x201 0x202 0x204 0x205; do
  [[ $lParam == 0x204 ]] && continue # the right press opens the menu: tray_menu.sh
  zv_tray post "$TRAY_MAIN" 2025 0 "$lParam"
done
sleep 1
zv_expect "still hidden after other notifications of the icon" main_hidden
echo "a message other than 2025 carrying a double-click code"
zv_tray post "$TRAY_MAIN" 2024 0 0x203
sleep 1
zv_expect "still hidden after message 2024 with 0x203" main_hidden

echo "double-click notification"
zv_tray post "$TRAY_MAIN" 2025 0 0x203
zv_poll 5 main_visible || true
zv_expect "main window visible after the icon's double-click" main_visible
zv_expect_eq "page kept" 内存释放记录 "$(zv_caption LabelState)"
zv_expect_eq "records page shown" 1 "$(zv_visible_flag PictureRecords)"
zv_save_screenshot after_double_click

echo "the real icon: a double-click on Wine's tray"
zv_control_centre ImageMin 0
zv_press_release "$ZV_CENTRE_X" "$ZV_CENTRE_Y"
zv_poll 5 main_hidden || true
read -r iconX iconY <<<"$(tray_icon_point)"
xdotool mousemove --sync "$iconX" "$iconY"
sleep 0.3
xdotool click --repeat 2 --delay 80 1
zv_poll 5 main_visible || true
zv_expect "double-click on the tray icon shows the window" main_visible

echo "the shell loses the icon, then broadcasts TaskbarCreated"
zv_tray delete-icon "$TRAY_MAIN" || zv_check_failed "could not delete the icon as the shell would"
zv_expect "icon gone after the shell lost it" icon_gone
zv_tray taskbar-created "$TRAY_MAIN"
zv_poll 5 icon_shown || true
zv_expect "icon back after TaskbarCreated" icon_shown
zv_save_screenshot icon_back

echo "the Windows session ends"
zv_tray post "$TRAY_MAIN" 0x16 1 0 # WM_ENDSESSION, ending
zv_poll 10 program_ended || true
zv_expect "the end of the session ends the program" program_ended
zv_expect "and leaves no icon behind" icon_gone
