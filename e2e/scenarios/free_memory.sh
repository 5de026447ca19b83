#!/usr/bin/env bash
# The free-memory button: a real release pass, the message box with the measured amount, and one
# entry of the records log in its exact shape.
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
# shellcheck source=free_memory_steps.sh
source "$(dirname "${BASH_SOURCE[0]}")/free_memory_steps.sh"

zv_scenario free_memory "$@"
zv_launch
free_memory_and_check
