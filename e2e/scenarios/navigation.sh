#!/usr/bin/env bash
# Navigation: each entry of the left column shows its page, its title and its selected look; the title returns home;
# Ctrl+Tab and Ctrl+Shift+Tab walk the pages and Esc hides the window.
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

# page: navigation image, the title in LabelState, the page container.
declare -A IMAGE=([status]=ImageStatus [settings]=ImageSettings [records]=ImageRecords [about]=ImageAbout)
declare -A TITLE=([status]=系统内存使用状态 [settings]=软件设置 [records]=内存释放记录 [about]=关于软件)
declare -A CONTAINER=([status]=PictureState [settings]=PictureSettings [records]=PictureRecords [about]=PictureAbout)
PAGES=(status settings records about)

# Exactly the chosen page's container is visible, and only its entry shows the selected look (index 0).
expect_page_shown() {
  local chosen=$1 page shown selected
  zv_poll 5 zv_title_is "${TITLE[$chosen]}" || true
  zv_expect_eq "title on $chosen page" "${TITLE[$chosen]}" "$(zv_caption LabelState)"
  for page in "${PAGES[@]}"; do
    shown=0 selected=0
    [[ $page == "$chosen" ]] && shown=1 selected=1
    zv_expect_eq "${CONTAINER[$page]} visible on $chosen page" "$shown" "$(zv_visible_flag "${CONTAINER[$page]}")"
    zv_expect_eq "${IMAGE[$page]}(0) visible on $chosen page" "$selected" "$(zv_visible_flag "${IMAGE[$page]}" 0)"
    zv_expect_eq "${IMAGE[$page]}(1) visible on $chosen page" "$((1 - selected))" \
      "$(zv_visible_flag "${IMAGE[$page]}" 1)"
  done
}

# Clicks the navigation entry of a page that is not shown (its look at index 1).
open_page() {
  echo "clicking the $1 entry"
  zv_click_control "${IMAGE[$1]}" 1
  expect_page_shown "$1"
  zv_save_screenshot "page_$1"
}

zv_scenario navigation "$@"
zv_launch
expect_page_shown status

for page in settings records about status; do
  open_page "$page"
done

open_page about
echo "clicking the page title"
zv_click_control LabelState
expect_page_shown status
zv_save_screenshot title_returns_home

# The keyboard alone: the window has the focus after the clicks above.
echo "Ctrl+Tab walks the pages in the navigation's order, Ctrl+Shift+Tab walks back"
for page in settings records about status; do
  xdotool key ctrl+Tab
  expect_page_shown "$page"
done
xdotool key ctrl+shift+Tab
expect_page_shown about
zv_save_screenshot keyboard_pages
main_hidden() {
  [[ $(zv_driver visible "$ZV_WINDOW_TITLE" 2>/dev/null) == 0 ]]
}
echo "Esc hides the window as the minimise image does"
xdotool key Escape
zv_poll 5 main_hidden || true
zv_expect_eq "visible flag of the main window after Esc" 0 "$(zv_driver visible "$ZV_WINDOW_TITLE")"
