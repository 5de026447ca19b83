#!/usr/bin/env bash
# Builds Zorvane.exe and runs it under Wine: on $DISPLAY when there is one, otherwise on a private Xvfb
# where it takes a screenshot and then ends the program (a tray program does not end by itself).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
# shellcheck source=../e2e/lib.sh
source e2e/lib.sh

tools/setup.sh
cmake --preset win32
cmake --build --preset win32

BUILD=$PWD/build/win32
EXE=$BUILD/app/Zorvane.exe
SCREENSHOT=$BUILD/screenshots/run.png
[[ -f $EXE ]] || { echo "run: $EXE was not built" >&2; exit 1; }

zv_wine_setup "$BUILD/wineprefix"
zv_ensure_prefix

if [[ -n ${DISPLAY:-} ]]; then
  echo "run: starting $EXE on $DISPLAY"
  exec env "${ZV_WINE_ENV[@]}" wine "$EXE"
fi

stop_everything() {
  zv_stop_wine
  zv_stop_display
}
trap stop_everything EXIT

zv_start_display 1280x800x24
echo "run: starting $EXE on a private display $DISPLAY"
mkdir -p "$(dirname "$SCREENSHOT")"
zv_start_program "$EXE" "$BUILD/screenshots/run.log"
# Whatever window titled Zorvane shows first: the main window, or a message box at start-up.
if ! timeout 60 xdotool search --sync --onlyvisible --name '^Zorvane$' >/dev/null; then
  echo "run: no window titled Zorvane appeared within 60 s (Wine output: $BUILD/screenshots/run.log)" >&2
  exit 1
fi
sleep 2
zv_screenshot "$SCREENSHOT"
echo "run: screenshot saved to $SCREENSHOT"
