#!/usr/bin/env bash
# Status page: the load, total and available texts agree with what the platform reports.
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

# Bytes shown by a memory text such as "7.76 GB" or "1023 bytes" (either decimal separator).
bytes_of_text() {
  local text=$1 number unit
  [[ $text =~ ^([0-9]+([.,][0-9]+)?)\ (bytes|KB|MB|GB|TB)$ ]] || return 1
  number=${BASH_REMATCH[1]/,/.}
  unit=${BASH_REMATCH[3]}
  awk -v n="$number" -v unit="$unit" 'BEGIN {
    split("bytes KB MB GB TB", units, " ")
    for (i = 1; i <= 5; i++) if (units[i] == unit) printf "%.0f\n", n * 1024 ^ (i - 1)
  }'
}

# within ACTUAL EXPECTED TOLERANCE: |actual - expected| <= tolerance (all in bytes or points).
within() {
  awk -v a="$1" -v e="$2" -v t="$3" 'BEGIN { d = a - e; if (d < 0) d = -d; exit !(d <= t) }'
}

zv_scenario status_page "$@"
zv_launch
zv_save_screenshot status_page

# The platform's figures just before and just after the page's texts are read: another program may take or
# give back memory meanwhile, so the texts are judged against both.
memory=$(zv_driver memory) || zv_fail "zvdriver memory"
read -r loadBefore total availBefore <<<"$memory"
percentText=$(zv_caption LabelMemoryUsedPercent)
totalText=$(zv_caption LabelMemoryAll)
availText=$(zv_caption LabelMemoryLeft)
memory=$(zv_driver memory) || zv_fail "zvdriver memory"
read -r loadAfter _ availAfter <<<"$memory"
echo "platform: load $loadBefore% then $loadAfter%, total $total bytes, available $availBefore then $availAfter bytes"
echo "page: '$percentText', '$totalText', '$availText'"

# near_either ACTUAL FIRST SECOND TOLERANCE: within the tolerance of the range between the two readings.
near_either() {
  awk -v a="$1" -v p="$2" -v q="$3" -v t="$4" \
    'BEGIN { lo = p < q ? p : q; hi = p < q ? q : p; exit !(a >= lo - t && a <= hi + t) }'
}

if [[ $percentText =~ ^([0-9]+)%$ ]]; then
  zv_expect "load '$percentText' within 3 points of $loadBefore% to $loadAfter%" \
    near_either "${BASH_REMATCH[1]}" "$loadBefore" "$loadAfter" 3
else
  zv_check_failed "LabelMemoryUsedPercent '$percentText' is not a percentage"
fi

if totalBytes=$(bytes_of_text "$totalText"); then
  zv_expect "total '$totalText' within 1% of $total bytes" \
    within "$totalBytes" "$total" "$(awk -v t="$total" 'BEGIN { printf "%.0f", t * 0.01 }')"
else
  zv_check_failed "LabelMemoryAll '$totalText' is not a memory size"
fi

if availBytes=$(bytes_of_text "$availText"); then
  zv_expect "available '$availText' within 5% or 64 MB of $availBefore to $availAfter bytes" \
    near_either "$availBytes" "$availBefore" "$availAfter" \
    "$(awk -v a="$availBefore" 'BEGIN { t = a * 0.05; m = 64 * 1048576; printf "%.0f", (t > m ? t : m) }')"
else
  zv_check_failed "LabelMemoryLeft '$availText' is not a memory size"
fi
