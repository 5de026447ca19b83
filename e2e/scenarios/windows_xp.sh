#!/usr/bin/env bash
# The program on Windows XP (XP x64 for the 64-bit build): it loads, shows its main window and frees memory
# (message box with the amount, one records entry). It runs in a prefix of its own, set to that Windows
# version, so the other scenarios keep theirs.
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
# shellcheck source=free_memory_steps.sh
source "$(dirname "${BASH_SOURCE[0]}")/free_memory_steps.sh"

if [[ ${ZV_WINEARCH:-win32} == win64 ]]; then
  xpName=winxp64 xpVersion=5.2
else
  xpName=winxp xpVersion=5.1
fi

# The Windows version as the prefix reports it: the registry's CurrentVersion.
registry_version() {
  zv_wine reg query 'HKLM\Software\Microsoft\Windows NT\CurrentVersion' /v CurrentVersion 2>/dev/null |
    tr -d '\r' | awk '$1 == "CurrentVersion" { print $NF }'
}

(($# == 4)) || { echo "usage: $0 <program.exe> <zvdriver.exe> <wine prefix> <artefact dir>" >&2; exit 2; }
# A prefix of its own beside the shared one, made on the first run like the shared one.
zv_scenario windows_xp "$1" "$2" "$(realpath -m "$3")-$xpName" "$4"

# Set on every run: cheap, and it repairs a prefix whose first run stopped before the setting.
zv_wine winecfg -v "$xpName" >"$ZV_ART/winecfg.log" 2>&1 || zv_fail "winecfg -v $xpName failed"
ver=$(zv_wine cmd /c ver 2>/dev/null | tr -d '\r' | grep -v '^$' || true)
zv_expect "'ver' reports Windows $xpVersion: '$ver'" grep -qE "Windows .*\\b${xpVersion//./\\.}\\.[0-9]+" <<<"$ver"
zv_expect_eq "registry CurrentVersion" "$xpVersion" "$(registry_version)"

zv_launch
zv_pass "window '$ZV_WINDOW_TITLE' is visible on Windows $xpVersion"
zv_save_screenshot startup
free_memory_and_check
