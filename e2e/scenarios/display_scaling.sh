#!/usr/bin/env bash
# At a display scale other than 100 % (ZV_DPI: 120, 144 or 192 dots per inch, set as LogPixels in a prefix of
# its own) the program lays its windows out at that dpi: the main window, the strip chart and the free-memory
# button take their twips at the screen's dpi, text is drawn at its point size for that dpi, the settings page
# is reached where its entry now lies, and the mini window takes its size and corner at that dpi.
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

dpi=${ZV_DPI:?ZV_DPI: the dots per inch to run at}

# pixels N: N pixels at 96 dpi laid out at this dpi (twips to pixels, halves away from zero).
pixels() {
  echo $((($1 * 15 * dpi + 720) / 1440))
}

# ink_rows IMAGE X Y W H: how many rows of the area hold a near-white pixel (white text on the blue bar).
ink_rows() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- |
    awk -F'[(,:) ]+' 'NR > 1 && $3 > 200 && $4 > 200 && $5 > 200 { rows[$2] = 1 } END { print length(rows) }'
}

(($# == 4)) || { echo "usage: $0 <program.exe> <zvdriver.exe> <wine prefix> <artefact dir>" >&2; exit 2; }
ZV_GEOMETRY=1920x1200x24
zv_scenario "display_scaling_$dpi" "$1" "$2" "$(realpath -m "$3")-dpi$dpi" "$4"

# Set on every run: cheap, and it repairs a prefix whose first run stopped before the setting.
for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
  zv_wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null || zv_fail "cannot set LogPixels in $key"
done
zv_stop_wine
zv_start_wineserver || zv_fail "no wineserver"

# client_painted: a screenshot of the client area (client.png) that is mostly light, as the painted window is.
client_painted() {
  zv_screenshot "$ZV_ART/main_window.png" &&
    convert "$ZV_ART/main_window.png" -crop "${ZV_CLIENT_W}x$ZV_CLIENT_H+$ZV_CLIENT_X+$ZV_CLIENT_Y" +repage \
      "$ZV_ART/client.png" &&
    [[ $(convert "$ZV_ART/client.png" -format '%[fx:mean > 0.5]' info:) == 1 ]]
}

zv_launch
zv_pass "window '$ZV_WINDOW_TITLE' is visible at $dpi dpi"
zv_poll 10 client_painted || zv_check_failed "the client area is not painted"

zv_expect_eq "client size" "$(pixels 786)x$(pixels 557)" "${ZV_CLIENT_W}x$ZV_CLIENT_H"
zv_control_bounds CpuMonitor
zv_expect_eq "strip chart bounds" "$(pixels 40),$(pixels 40) $(pixels 411)x$(pixels 41)" \
  "$ZV_CONTROL_LEFT,$ZV_CONTROL_TOP ${ZV_CONTROL_WIDTH}x$ZV_CONTROL_HEIGHT"
zv_control_bounds CommandFreeMemory
zv_expect_eq "free-memory button size" "$(pixels 113)x$(pixels 33)" "${ZV_CONTROL_WIDTH}x$ZV_CONTROL_HEIGHT"

# The page title is 9-point text: 12 pixels to the em at 96 dpi, 9 * dpi / 72 here; its ink is most of that.
zv_control_bounds LabelState
em=$(((9 * dpi + 36) / 72))
rows=$(ink_rows "$ZV_ART/client.png" "$ZV_CONTROL_LEFT" "$ZV_CONTROL_TOP" "$ZV_CONTROL_WIDTH" "$ZV_CONTROL_HEIGHT")
zv_expect "the page title's ink is $rows rows high, for an em of $em pixels" \
  eval "((rows * 4 >= em * 3 && rows <= em))"

# The settings page, reached through its navigation entry where this dpi places it: its check boxes and list
# are the platform's own controls, laid out and lettered at this dpi.
zv_click_control ImageSettings 1
zv_poll 5 zv_title_is 软件设置 || true
zv_expect_eq "title after clicking the settings entry" 软件设置 "$(zv_caption LabelState)"
sleep 0.5
zv_screenshot "$ZV_ART/settings_window.png" &&
  convert "$ZV_ART/settings_window.png" -crop "${ZV_CLIENT_W}x$ZV_CLIENT_H+$ZV_CLIENT_X+$ZV_CLIENT_Y" +repage \
    "$ZV_ART/settings.png" || zv_check_failed "screenshot of the settings page"

# twips_of N: N screen pixels at this dpi in twips, rounded as the program rounds them.
twips_of() {
  echo $((($1 * 1440 + dpi / 2) / dpi))
}

# The mini window: the program started again, in the tray with the mini window on. It is 110 x 27 pixels at
# 96 dpi, and its corner margins are 500 and 800 twips whatever the dpi.
# shellcheck source=tray_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/tray_common.sh"
zv_stop_wine
zv_start_wineserver || zv_fail "no wineserver"
tray_start 1 1 "$TIP_TITLE"
read -r screenW screenH < <(xdotool getdisplaygeometry)
read -r x y w h <<<"$(zv_tray rect "$TIP_TITLE")"
zv_expect_eq "mini window size" "$(pixels 110)x$(pixels 27)" "${w}x$h"
tipLeft=$(((($(twips_of "$screenW") - 1650 - 500) * dpi + 720) / 1440))
tipTop=$(((($(twips_of "$screenH") - 405 - 800) * dpi + 720) / 1440))
zv_expect "mini window at $x,$y, in the corner at ($tipLeft, $tipTop) give or take a pixel" \
  eval "((x - tipLeft <= 1 && tipLeft - x <= 1 && y - tipTop <= 1 && tipTop - y <= 1))"
zv_screenshot "$ZV_ART/tray.png" &&
  convert "$ZV_ART/tray.png" -crop "${w}x$h+$x+$y" +repage "$ZV_ART/mini_window.png" ||
  zv_check_failed "screenshot of the mini window"
