#!/usr/bin/env bash
# Creates the scenarios' Wine prefix once (usage: prepare_prefix.sh <prefix dir>); a ready prefix is reused.
set -euo pipefail
# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

(($# == 1)) || { echo "usage: $0 <wine prefix>" >&2; exit 2; }
zv_wine_setup "$1"
zv_skip_unless_runnable
zv_ensure_prefix
echo "Wine prefix ready: $ZV_PREFIX"
