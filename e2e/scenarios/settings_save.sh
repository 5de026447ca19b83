#!/usr/bin/env bash
# Settings: a first start without config.ini says nothing; OK writes config.ini (UTF-16 with its byte-order
# mark, keys in order) and the quoted Run value of a folder with spaces; a restart loads what was saved;
# unticking start-with-Windows removes the value; a restart under a Western code page reads the same file.
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

RUN_KEY='Software\Microsoft\Windows\CurrentVersion\Run'
# Clicks the centre of a control of the settings page.
click_control() {
  zv_click_control "$1" -1 PictureSettings
  sleep 0.3
}

# Clicks the second entry of the open interval list, 15 pixels per entry below the box.
click_second_interval() {
  zv_control_centre ComboInterval -1 PictureSettings
  zv_click "$ZV_CENTRE_X" $((ZV_CONTROL_TOP + ZV_CONTROL_HEIGHT + 15 + 7))
  sleep 0.3
}

# The top-level X windows titled like the program, other than the main window's 786 x 557.
message_boxes() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$ZV_WINDOW_TITLE\$" 2>/dev/null); do
    xdotool getwindowgeometry "$id" | grep -q 'Geometry: 786x557' || echo "$id"
  done
}

has_message_box() {
  [[ -n $(message_boxes) ]]
}

# Presses the OK button at the bottom centre of the message box that is open.
close_message_box() {
  local id x y w h
  id=$(message_boxes | head -n 1)
  [[ -n $id ]] || return 0
  eval "$(xdotool getwindowgeometry --shell "$id")"
  x=$X y=$Y w=$WIDTH h=$HEIGHT
  xdotool mousemove --sync $((x + w / 2)) $((y + h - 28))
  sleep 0.2
  xdotool click 1
  zv_poll 5 eval '! has_message_box' || zv_check_failed "the message box did not close"
}

# The data of the value VK under the Run key of a root, or nothing when there is none.
# The program's own registry view: a 64-bit program in a 64-bit prefix writes the 64-bit keys.
REG_VIEW=()
[[ ${ZV_WINEARCH:-win32} == win64 ]] && REG_VIEW=(/reg:64)

run_value() {
  zv_wine reg query "$1\\$RUN_KEY" /v VK "${REG_VIEW[@]}" 2>/dev/null | tr -d '\r' | sed -n 's/^ *VK *REG_SZ *//p'
}

config_text() {
  iconv -f UTF-16 -t UTF-8 "$dir/config.ini"
}

value_of() {
  zv_query "$1" | zv_field value
}

start_program() {
  zv_start_program "$exe" "$ZV_ART/program-$1.log"
  zv_wait_window 30000 >/dev/null || zv_fail_explained "no visible window titled $ZV_WINDOW_TITLE ($1)"
  zv_read_client
  sleep 1
}

zv_scenario settings_save "$@"
dir="$ZV_ART/program folder with spaces"
zv_stage_copy "$ZV_EXE" "$dir"
exe=$ZV_STAGED_EXE
rm -f "$dir/config.ini"

echo "first start, without config.ini"
start_program first
zv_expect "no message box at the first start" eval '! has_message_box'
zv_expect "no config.ini written by the start" test ! -e "$dir/config.ini"

echo "ticking start-with-Windows and automatic release, choosing 3 分钟, pressing OK"
zv_click_control ImageSettings 1 # the settings entry of the navigation column
sleep 0.5
click_control CheckAutorun
click_control CheckAutoFreeMemory
zv_expect_eq "interval list enabled by the automatic-release box" 1 "$(zv_query ComboInterval | zv_field enabled)"
click_control ComboInterval
click_second_interval
zv_expect_eq "interval chosen" "3 分钟" "$(zv_caption ComboInterval)"
click_control CommandOK
zv_poll 5 has_message_box || zv_check_failed "no message box after OK"
zv_save_screenshot saved

zv_expect_eq "config.ini starts with the UTF-16LE byte-order mark" "fffe" "$(head -c 2 "$dir/config.ini" | od -An -tx1 | tr -d ' \n')"
expected=$'[VK]\r\nAutorun=1\r\nAutomin=0\r\nShowMiniWindow=0\r\nAuroFreeMemory=1\r\nInterval=3 分钟\r\n'
# The dot keeps the command substitution from taking the last line break away.
zv_expect_eq "config.ini content" "$(printf %q "$expected.")" "$(printf %q "$(config_text; printf .)")"
windowsDir=$(zv_wine winepath -w "$dir" | tr -d '\r')
zv_expect_eq "Run value under HKLM" "\"$windowsDir\\Zorvane.exe\"" "$(run_value HKLM)"
zv_expect_eq "Run value under HKCU" "" "$(run_value HKCU)"
close_message_box

echo "restarting"
zv_stop_wine
start_program restart
zv_expect "no message box at the restart" eval '! has_message_box'
zv_expect_eq "start-with-Windows box after the restart" 1 "$(value_of CheckAutorun)"
zv_expect_eq "start-minimised box after the restart" 0 "$(value_of CheckAutoMin)"
zv_expect_eq "mini-window box after the restart" 0 "$(value_of CheckShowMiniWindow)"
zv_expect_eq "automatic-release box after the restart" 1 "$(value_of CheckAutoFreeMemory)"
zv_expect_eq "interval after the restart" "3 分钟" "$(zv_caption ComboInterval)"
zv_expect_eq "automatic release label" "已启用" "$(zv_caption LabelAutoFreeMemory)"

echo "unticking start-with-Windows, pressing OK"
zv_click_control ImageSettings 1
sleep 0.5
click_control CheckAutorun
click_control CommandOK
zv_poll 5 has_message_box || zv_check_failed "no message box after the second OK"
zv_save_screenshot removed
zv_expect_eq "Run value under HKLM after unticking" "" "$(run_value HKLM)"
zv_expect "Autorun=0 saved" eval 'config_text | grep -q "^Autorun=0"'
close_message_box

# The file is UTF-16, so a system code page without Chinese reads the same interval text.
echo "restarting under the C locale (a Western code page)"
zv_stop_wine
ZV_WINE_ENV=("${ZV_WINE_ENV[@]/zh_CN.UTF-8/C.UTF-8}")
start_program western
zv_expect "no message box under the Western code page" eval '! has_message_box'
zv_expect_eq "interval under the Western code page" "3 分钟" "$(zv_caption ComboInterval)"
zv_expect_eq "start-with-Windows box under the Western code page" 0 "$(value_of CheckAutorun)"
