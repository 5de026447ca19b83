#!/usr/bin/env bash
# Settings: a config.ini in the system code page (GBK here) with Automin=1 starts the program in the tray:
# no main window, no message box, the settings loaded, the file left as it was.
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

main_window_known() {
  [[ -n $(zv_driver visible "$ZV_WINDOW_TITLE" 2>/dev/null) ]]
}

zv_scenario settings_startmin "$@"
dir="$ZV_ART/bin"
zv_stage_copy "$ZV_EXE" "$dir"
printf '[VK]\r\nAutorun=0\r\nAutomin=1\r\nShowMiniWindow=0\r\nAuroFreeMemory=1\r\nInterval=10 分钟\r\n' |
  iconv -f UTF-8 -t GBK >"$dir/config.ini"
cp "$dir/config.ini" "$ZV_ART/config.before"

zv_start_program "$ZV_STAGED_EXE" "$ZV_ART/program.log"
zv_poll 30 main_window_known || zv_fail "the program's main window was never created"
sleep 3 # start-up has ended by now; a window shown at its end would be visible
zv_save_screenshot started
zv_expect_eq "visible flag of the main window" 0 "$(zv_driver visible "$ZV_WINDOW_TITLE")"
zv_expect "no visible window titled $ZV_WINDOW_TITLE (no message box)" \
  test -z "$(xdotool search --onlyvisible --name "^$ZV_WINDOW_TITLE\$" 2>/dev/null)"
zv_expect "$(basename "$ZV_STAGED_EXE") still running" test -n "$(zv_program_pids "$(basename "$ZV_STAGED_EXE")")"
zv_expect_eq "start-minimised box" 1 "$(zv_query CheckAutoMin | zv_field value)"
zv_expect_eq "interval read from the GBK file" "10 分钟" "$(zv_caption ComboInterval)"
zv_expect_eq "automatic release label" "已启用" "$(zv_caption LabelAutoFreeMemory)"
zv_expect "config.ini unchanged" cmp -s "$ZV_ART/config.before" "$dir/config.ini"
