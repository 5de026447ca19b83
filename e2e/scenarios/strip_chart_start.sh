#!/usr/bin/env bash
# The strip chart in its first seconds: with the memory load held steady, the red memory line is flat at
# the row of that load over the sampled columns, with no stroke up to it from the bottom edge, and no
# series is drawn left of the oldest sample. The load is the machine's: what other processes take or give
# back while the chart is watched widens the band of rows the line may take, by the loads sampled meanwhile.
set -euo pipefail
# shellcheck source=../lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

# The load the held memory aims at, and the least at which the line stands clear of the bottom edge.
TARGET_LOAD=30
LEAST_LOAD=20
SERIES_MEMORY=FF0000
SERIES_CPU=008000

# row_of_load PERCENT HEIGHT: the row the chart draws a level at, round(H - p / 100 * H), halves to even.
row_of_load() {
  local scaled=$(($2 * (100 - $1))) row
  row=$((scaled / 100))
  if ((scaled % 100 > 50 || (scaled % 100 == 50 && row % 2 == 1))); then row=$((row + 1)); fi
  echo "$row"
}

now_ms() {
  date +%s%3N
}

# sample_loads FILE: appends the machine's memory load (in use / total, per cent, rounded down and up)
# every 50 ms until killed or this script has ended.
sample_loads() {
  while kill -0 $$ 2>/dev/null; do
    awk '/^MemTotal:/ { total = $2 } /^MemAvailable:/ { avail = $2 }
      END { used = (total - avail) * 100; print int(used / total), int((used + total - 1) / total) }' \
      /proc/meminfo >>"$1"
    sleep 0.05
  done
}

# bounds_of CONTROL: "left top width height" of a control in its container.
bounds_of() {
  local reply
  reply=$(zv_query "$1") || return 1
  echo "$(zv_field left <<<"$reply") $(zv_field top <<<"$reply") $(zv_field width <<<"$reply")" \
    "$(zv_field height <<<"$reply")"
}

# Screenshot, the chart's crop and its pixels as text.
capture_chart() {
  zv_save_screenshot status_page
  convert "$ZV_ART/status_page.png" -crop "${CHART_W}x${CHART_H}+${CHART_SCREEN_X}+${CHART_SCREEN_Y}" +repage \
    "$ZV_ART/chart.png"
  convert "$ZV_ART/chart.png" txt:- >"$ZV_ART/chart.txt"
}

# Columns holding any memory-line pixel.
memory_columns() {
  awk -v c="#$SERIES_MEMORY" 'NR > 1 && $3 == c { split($1, p, ","); seen[p[1]] = 1 } END { print length(seen) }' \
    "$ZV_ART/chart.txt"
}

# Reads the crop against the band of rows LOW..HIGH the memory line may take and prints, space separated:
# the first column of the run of columns that end at W - 2 and whose memory pixels all lie in the band,
# the run's length, memory pixels below the band, memory pixels above it, series pixels left of the run,
# and the columns (comma separated, "-" for none) of the pixels below the band.
analyse_chart() {
  awk -v low="$1" -v high="$2" -v width="$CHART_W" -v red="#$SERIES_MEMORY" -v green="#$SERIES_CPU" '
    NR == 1 { next }
    $3 != red && $3 != green { next }
    {
      split($1, p, ",")
      x = p[1] + 0
      y = p[2] + 0
      series[x, y] = 1
      if ($3 != red) next
      hasRed[x] = 1
      if (y > high) { below++; if (!(x in belowAt)) { belowAt[x] = 1; belowList = belowList (belowList == "" ? "" : ",") x } }
      else if (y < low) above++
      else next
      offLine[x] = 1
    }
    END {
      first = width - 1
      for (x = width - 2; x >= 0 && (x in hasRed) && !(x in offLine); x--) first = x
      run = width - 1 - first
      left = 0
      for (key in series) { split(key, q, SUBSEP); if (q[1] + 0 < first) left++ }
      printf "%d %d %d %d %d %s\n", first, run, below + 0, above + 0, left, (belowList == "" ? "-" : belowList)
    }' "$ZV_ART/chart.txt"
}

zv_scenario strip_chart_start "$@"

# Holds enough memory to bring the load near the target, never more than half of what is available.
hold_towards_target() {
  local totalKib availKib
  totalKib=$(zv_meminfo_kib MemTotal) || zv_fail "no MemTotal in /proc/meminfo"
  availKib=$(zv_meminfo_kib MemAvailable) || zv_fail "no MemAvailable in /proc/meminfo"
  holdMib=$(((totalKib * TARGET_LOAD / 100 - (totalKib - availKib)) / 1024))
  ((holdMib <= availKib / 2048)) || holdMib=$((availKib / 2048))
  ((holdMib >= 256)) || holdMib=256
  echo "memory: $((totalKib / 1024)) MiB, $((availKib / 1024)) MiB available; holding $holdMib MiB"
  zv_hold_memory "$holdMib" || zv_fail "could not hold $holdMib MiB"
}

# Another program that gives back much memory while ours is taken leaves the load short of the target:
# the hold is measured again from the new figures.
for attempt in 1 2 3; do
  hold_towards_target
  memory=$(zv_driver memory) || zv_fail "zvdriver memory"
  read -r loadBefore _ <<<"$memory"
  ((loadBefore >= LEAST_LOAD)) && break
  echo "memory load $loadBefore % with $holdMib MiB held (attempt $attempt): below $LEAST_LOAD %"
  zv_release_memory
done
((loadBefore >= LEAST_LOAD)) || zv_fail "memory load $loadBefore % with $holdMib MiB held: below $LEAST_LOAD %"

loadsFile=$ZV_ART/loads.txt
: >"$loadsFile"
sample_loads "$loadsFile" &
samplerPid=$!
startMs=$(now_ms)
zv_launch
xdotool mousemove 5 795
page=$(bounds_of PictureState) || zv_fail "no status page"
chart=$(bounds_of CpuMonitor) || zv_fail "no strip chart"
read -r pageX pageY _ <<<"$page"
read -r chartX chartY CHART_W CHART_H <<<"$chart"
CHART_SCREEN_X=$((ZV_CLIENT_X + pageX + chartX))
CHART_SCREEN_Y=$((ZV_CLIENT_Y + pageY + chartY))
echo "chart at ($CHART_SCREEN_X, $CHART_SCREEN_Y), $CHART_W x $CHART_H"

# Several 500 ms ticks: at least five columns with a memory pixel, a few seconds after the window shows.
sleep 3
capture_chart
for _ in {1..10}; do
  (($(memory_columns) >= 5)) && break
  sleep 1
  capture_chart
done
elapsedMs=$(($(now_ms) - startMs))
memory=$(zv_driver memory) || zv_fail "zvdriver memory"
read -r loadAfter _ <<<"$memory"
kill "$samplerPid" 2>/dev/null || true
wait "$samplerPid" 2>/dev/null || true

# The band of rows the line may take: the rows of the program's readings and of the loads sampled while
# the chart was watched, one pixel either way.
read -r leastLoad mostLoad <<<"$(awk -v a="$loadBefore" -v b="$loadAfter" '
  BEGIN { least = a < b ? a : b; most = a > b ? a : b }
  { if ($1 < least) least = $1; if ($2 > most) most = $2 }
  END { print least, most }' "$loadsFile")"
low=$(($(row_of_load "$mostLoad" "$CHART_H") - 1))
high=$(($(row_of_load "$leastLoad" "$CHART_H") + 1))
read -r first run below above left belowColumns <<<"$(analyse_chart "$low" "$high")"
echo "memory load $loadBefore % before, $loadAfter % after, $leastLoad..$mostLoad % meanwhile: rows $low..$high;" \
  "line over columns $first..$((CHART_W - 2)) after $elapsedMs ms"

zv_expect "the memory line is flat at rows $low..$high over the $run newest columns" test "$run" -ge 3
zv_expect "no more columns ($run) than ticks since start ($elapsedMs ms)" test $((run * 500)) -le "$elapsedMs"
zv_expect "no memory pixel below the line ($below, columns $belowColumns)" test "$below" -eq 0
zv_expect "no memory pixel above the line ($above)" test "$above" -eq 0
zv_expect "no series pixel left of column $first ($left)" test "$left" -eq 0
