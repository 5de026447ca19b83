#!/usr/bin/env bash
# Runs a Windows test program under Wine on a private X display (usage: run_under_wine.sh <wine prefix>
# <program.exe> [arguments]); exits with the program's status.
set -euo pipefail
# shellcheck source=../e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

(($# >= 2)) || { echo "usage: $0 <wine prefix> <program.exe> [arguments]" >&2; exit 2; }
zv_wine_setup "$1"
zv_skip_unless_runnable
program=$(realpath -m "$2")
shift 2
zv_ensure_prefix
# What an earlier run left in the prefix would keep an old display.
zv_stop_wine
trap 'zv_stop_wine; zv_stop_display' EXIT
zv_start_display 1024x768x24
zv_wine "$program" "$@"
