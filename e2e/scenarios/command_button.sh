#!/usr/bin/env bash
# The skinned free-memory button: hovering changes its pixels and leaving restores them; a press with
# the mouse runs the release (its message box appears).
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

# button_pixels NAME: the button's area of the screen, saved as NAME.png.
button_pixels() {
  import -window root -crop "${ZV_CONTROL_WIDTH}x${ZV_CONTROL_HEIGHT}+$((ZV_CLIENT_X + ZV_CONTROL_LEFT))+$((ZV_CLIENT_Y + ZV_CONTROL_TOP))" \
    +repage "$ZV_ART/$1.png"
}

# differing_pixels A B: how many pixels of the two crops differ.
differing_pixels() {
  compare -metric AE "$ZV_ART/$1.png" "$ZV_ART/$2.png" null: 2>&1 || true
}

zv_scenario command_button "$@"
zv_launch
# The button's bounds (ZV_CONTROL_*) and centre (ZV_CENTRE_*), on the status page.
zv_control_centre CommandFreeMemory -1 PictureState

# Away from the button, over it (the hover look), away again (the hover timer restores the look).
xdotool mousemove --sync $((ZV_CLIENT_X + 400)) $((ZV_CLIENT_Y + 500))
sleep 0.5
button_pixels before
xdotool mousemove --sync $((ZV_CLIENT_X + ZV_CENTRE_X)) $((ZV_CLIENT_Y + ZV_CENTRE_Y))
sleep 0.5
button_pixels hover
xdotool mousemove --sync $((ZV_CLIENT_X + 400)) $((ZV_CLIENT_Y + 500))
sleep 0.5
button_pixels after
zv_expect "hovering changes the button's pixels ($(differing_pixels before hover) differ)" \
  test "$(differing_pixels before hover)" -gt 0
zv_expect_eq "pixels that differ after leaving" 0 "$(differing_pixels before after)"
zv_save_screenshot hover_done

# A press and release with the mouse runs the release pass, which reports in a message box.
zv_press_release "$ZV_CENTRE_X" "$ZV_CENTRE_Y"
box=$(zv_driver messagebox "$ZV_WINDOW_TITLE" 60000) || zv_fail_explained "no message box after pressing the button"
zv_save_screenshot message_box
read -r okX okY <<<"$(zv_field ok <<<"$box")"
xdotool mousemove --sync "$okX" "$okY"
sleep 0.2
xdotool click 1
zv_poll 10 zv_no_message_box || zv_check_failed "the message box did not close"

# Tab moves the focus along the settings page's tab order (the interval list is disabled while the
# automatic release is off, so the focus passes over it).
focused_control() {
  local name
  for name in CheckAutorun CheckAutoMin CheckShowMiniWindow CheckAutoFreeMemory ComboInterval CommandOK \
    CommandCancel; do
    [[ $(zv_query "$name" 2>/dev/null | zv_field focused) == 1 ]] && { echo "$name"; return 0; }
  done
  echo none
}
zv_click_control ImageSettings 1
zv_expect_eq "page title" "软件设置" "$(zv_caption LabelState)"
# Tab until the first box has the focus, then six more steps go once round the page.
for _ in 1 2 3 4 5 6 7 8; do
  [[ $(focused_control) == CheckAutorun ]] && break
  xdotool key Tab
  sleep 0.3
done
order=()
for _ in 1 2 3 4 5 6; do
  xdotool key Tab
  sleep 0.3
  order+=("$(focused_control)")
done
zv_expect_eq "tab order from the first box" \
  "CheckAutoMin CheckShowMiniWindow CheckAutoFreeMemory CommandOK CommandCancel CheckAutorun" "${order[*]}"
zv_save_screenshot tab_order
