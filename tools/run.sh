#!/usr/bin/env bash
# Builds Zorvane.exe and runs it under Wine: on $DISPLAY when there is one, otherwise on a private Xvfb
# where it takes a screenshot and then ends the program (a tray program does not end by itself). The 32-bit
# exe where this machine executes 32-bit code, the 64-bit one elsewhere.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
# shellcheck source=../e2e/lib.sh
source e2e/lib.sh

tools/setup.sh
PRESET=$(zv_runnable_preset)
[[ $PRESET == win32 ]] || echo "run: $ZV_NO_EXEC32_REASON, so the 64-bit build runs instead"
cmake --preset "$PRESET"
cmake --build --preset "$PRESET"

BUILD=$PWD/build/$PRESET
EXE=$BUILD/app/Zorvane.exe
SCREENSHOT=$BUILD/screenshots/run.png
[[ -f $EXE ]] || { echo "run: $EXE was not built" >&2; exit 1; }

ZV_WINEARCH=$PRESET
zv_wine_setup "$BUILD/wineprefix"
zv_ensure_prefix

if [[ -n ${DISPLAY:-} ]]; then
  echo "run: starting $EXE on $DISPLAY"
  zv_wine_command "$EXE"
  exit
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
