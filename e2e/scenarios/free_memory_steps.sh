# The free-memory button's steps, shared by the scenarios that press it. Sourced after lib.sh, once the
# program has been launched with zv_launch.
# shellcheck shell=bash

# free_memory_and_check: presses "释放内存" on the status page, checks the message box with the amount,
# closes it and checks that the records page holds exactly that one entry.
free_memory_and_check() {
  zv_click_control CommandFreeMemory -1 PictureState
  local box text amount records expected okX okY
  box=$(zv_driver messagebox "$ZV_WINDOW_TITLE" 60000) || zv_fail_explained "no message box after pressing the button"
  zv_save_screenshot message_box
  text=$(zv_field text <<<"$box")
  amount=$(sed -n 's/^释放内存成功， \(-\{0,1\}[0-9]\{1,\}\) MB 内存已释放。$/\1/p' <<<"$text")
  zv_expect "message text '$text' has the release shape" test -n "$amount"
  zv_expect_eq "message box icon" 1 "$(zv_field icon <<<"$box")"

  read -r okX okY <<<"$(zv_field ok <<<"$box")"
  xdotool mousemove --sync "$okX" "$okY"
  sleep 0.2
  xdotool click 1
  zv_poll 10 zv_no_message_box || zv_check_failed "the message box did not close"

  # The records page holds exactly one entry.
  zv_click_control ImageRecords 1
  zv_expect_eq "page title" "内存释放记录" "$(zv_caption LabelState)"
  records=$(zv_caption TextRecords)
  expected="释放内存成功， $amount MB 内存已释放。"
  zv_expect "records '$records' hold one entry: time, CR LF, the message, CR LF CR LF" \
    grep -qxE "[^\\\\]+\\\\r\\\\n${expected}\\\\r\\\\n\\\\r\\\\n" <<<"$records"
  zv_save_screenshot records_page
}
