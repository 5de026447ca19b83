#!/usr/bin/env bash
# Navigation: each entry of the left column shows its page, its title and its selected look; the title returns home.
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
