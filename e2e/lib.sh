# Shared steps of the end-to-end scenarios: the Wine prefix, a private X display, the program and the driver.
# Sourced by the scenario scripts, by tools/run.sh and by the measuring scripts.
# shellcheck shell=bash

ZV_WINDOW_TITLE=Zorvane
ZV_WINE_ENV=()
ZV_XVFB_PID=""
ZV_PROGRAM_PID=""
# Where every Wine start is logged (its command, exit status, times and what it wrote on stderr); empty: not logged.
ZV_WINE_LOG=""
ZV_CLOCK_START=${EPOCHREALTIME//[!0-9]/}

# shellcheck source=lib/wine.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/wine.sh"

# Microseconds since this script began.
zv_clock_us() {
  echo $((${EPOCHREALTIME//[!0-9]/} - ZV_CLOCK_START))
}

# zv_seconds MICROSECONDS: "12.345".
zv_seconds() {
  printf '%d.%03d' $(($1 / 1000000)) $(($1 % 1000000 / 1000))
}

# Appends lines to the Wine log, if there is one.
zv_log() {
  [[ -n $ZV_WINE_LOG ]] || return 0
  printf '%s\n' "$@" >>"$ZV_WINE_LOG"
}

# zv_tail_of WHAT FILE: the last lines of a file, indented, or that it was empty.
zv_tail_of() {
  if [[ -s $2 ]]; then
    echo "  $1 (last lines):"
    tail -n 15 "$2" | sed 's/^/    /'
  else
    echo "  $1: empty"
  fi
}

# Starts Xvfb on a free display number and exports DISPLAY; geometry defaults to 1280x800x24. Xvfb writes the number
# once it accepts clients.
zv_start_display() {
  local geometry=${1:-1280x800x24} numberFile errors deadline=$((SECONDS + 30))
  numberFile=$(mktemp) errors=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp 3>"$numberFile" 2>"$errors" &
  ZV_XVFB_PID=$!
  until [[ -s $numberFile ]]; do
    kill -0 "$ZV_XVFB_PID" 2>/dev/null || break
    ((SECONDS < deadline)) || break
    sleep 0.1
  done
  if [[ ! -s $numberFile ]]; then
    {
      echo "Xvfb did not start: $(kill -0 "$ZV_XVFB_PID" 2>/dev/null && echo "no display number after 30 s" ||
        echo "it ended")"
      zv_tail_of "its stderr" "$errors"
    } >&2
    rm -f "$numberFile" "$errors"
    return 1
  fi
  DISPLAY=":$(tr -d '[:space:]' <"$numberFile")"
  export DISPLAY
  rm -f "$numberFile" "$errors"
  zv_log "[$(zv_seconds "$(zv_clock_us)") s] Xvfb pid $ZV_XVFB_PID on $DISPLAY"
}

zv_stop_display() {
  [[ -n $ZV_XVFB_PID ]] || return 0
  kill "$ZV_XVFB_PID" 2>/dev/null || true
  wait "$ZV_XVFB_PID" 2>/dev/null || true
  ZV_XVFB_PID=""
}

# zv_measure_setup BUILD: the prefix of a build (of the arch its Zorvane.exe needs) and a private display
# for a measuring script, both ended when the script exits.
zv_measure_setup() {
  ZV_WINEARCH=$(zv_exe_arch "$1/app/Zorvane.exe") || exit 1
  zv_wine_setup "$1/wineprefix"
  if ! zv_can_run_arch "$ZV_ARCH"; then
    echo "cannot measure $1: $ZV_NO_EXEC32_REASON; measure build/win64 instead" >&2
    exit 1
  fi
  zv_ensure_prefix
  trap 'zv_stop_wine; zv_stop_display' EXIT
  zv_stop_wine
  zv_start_display 1280x800x24
}

# ---- Memory held by a Linux process, so that the load Wine reports stays at a known level ----

ZV_MEMORY_HOLDER_PID=""

# zv_meminfo_kib FIELD: a /proc/meminfo figure such as MemTotal or MemAvailable, in KiB.
zv_meminfo_kib() {
  awk -v field="$1:" '$1 == field { print $2; found = 1 } END { exit !found }' /proc/meminfo
}

# zv_hold_memory MIB [SECONDS]: starts a process that fills MIB mebibytes (every page written) and keeps
# them until zv_release_memory, which the cleanup calls; returns once they are held. The holder also
# ends by itself when this script is gone (its parent changes) or after SECONDS (default 900), so a killed
# run frees them too.
zv_hold_memory() {
  local mib=$1 seconds=${2:-900} ready
  ready=$(mktemp)
  # Each chunk is a copy of the first one, so every page of every chunk is touched.
  perl -e '
    my ($mib, $owner, $ready, $seconds) = @ARGV;
    my $chunkBytes = 64 << 20;
    my $chunk = "\x01" x $chunkBytes;
    my @held = ($chunk);
    push @held, $chunk . "" for 2 .. int(($mib * 1048576 + $chunkBytes - 1) / $chunkBytes);
    open(my $out, ">", $ready) or die "$ready: $!";
    print $out "held\n";
    close $out;
    my ($parent, $deadline) = (getppid(), time + $seconds);
    sleep 1 while getppid() == $parent && kill(0, $owner) && time < $deadline;
  ' "$mib" "$$" "$ready" "$seconds" &
  ZV_MEMORY_HOLDER_PID=$!
  local deadline=$((SECONDS + 120))
  until [[ -s $ready ]]; do
    if ! kill -0 "$ZV_MEMORY_HOLDER_PID" 2>/dev/null || ((SECONDS >= deadline)); then
      rm -f "$ready"
      return 1
    fi
    sleep 0.2
  done
  rm -f "$ready"
}

zv_release_memory() {
  [[ -n $ZV_MEMORY_HOLDER_PID ]] || return 0
  kill "$ZV_MEMORY_HOLDER_PID" 2>/dev/null || true
  wait "$ZV_MEMORY_HOLDER_PID" 2>/dev/null || true
  ZV_MEMORY_HOLDER_PID=""
}

zv_screenshot() {
  import -window root "$1"
}

# zv_stage_copy EXE DIR: copies the program (and any icon beside it) into DIR with a settings file that has
# every option off, so that start-up finds its settings and shows no error and nothing is written next to the
# build's executable. Sets ZV_STAGED_EXE.
zv_stage_copy() {
  local exe=$1 dir=$2
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "$exe" "$dir/"
  find "$(dirname "$exe")" -maxdepth 1 -iname '*.ico' -exec cp {} "$dir/" \;
  printf '[VK]\r\nAutorun=0\r\nAutomin=0\r\nShowMiniWindow=0\r\nAuroFreeMemory=0\r\nInterval=5 分钟\r\n' |
    iconv -f UTF-8 -t GBK >"$dir/config.ini"
  ZV_STAGED_EXE="$dir/$(basename "$exe")"
}

# The test driver (ZV_DRIVER) in the same prefix and display as the program.
zv_driver() {
  zv_wine "$ZV_DRIVER" "$@"
}

zv_wait_window() {
  zv_driver wait "$ZV_WINDOW_TITLE" "${1:-30000}"
}

# ---- Scenarios: arguments, launch, queries, input, checks and the cleanup trap ----

ZV_PASSED=0
ZV_FAILED=0

# zv_scenario NAME EXE DRIVER PREFIX ARTIFACTS: prepares everything and arms the cleanup trap.
# A scenario that needs a larger screen sets ZV_GEOMETRY (e.g. 1920x1080x24) before calling it.
zv_scenario() {
  if (($# != 5)); then
    echo "usage: $0 <program.exe> <zvdriver.exe> <wine prefix> <artefact dir>" >&2
    exit 2
  fi
  ZV_NAME=$1
  ZV_EXE=$(realpath -m "$2")
  ZV_DRIVER=$(realpath -m "$3")
  zv_wine_setup "$4"
  zv_skip_unless_runnable
  ZV_ART=$(realpath -m "$5")/$ZV_NAME
  rm -rf "$ZV_ART"
  mkdir -p "$ZV_ART"
  ZV_WINE_LOG=$ZV_ART/wine.log
  zv_log "scenario $ZV_NAME, ${ZV_WINEARCH:-win32} prefix $ZV_PREFIX, $(date '+%F %T')" "at the start: $(zv_wineserver_state)"
  # A signal (the test's time limit) ends the script through its EXIT trap, so the cleanup still runs.
  trap 'exit 143' TERM INT HUP
  trap zv_cleanup EXIT
  [[ -f $ZV_EXE ]] || zv_fail "program not found: $ZV_EXE"
  [[ -f $ZV_DRIVER ]] || zv_fail "driver not found: $ZV_DRIVER"
  zv_ensure_prefix
  zv_stop_wine # whatever an interrupted earlier run left in the prefix
  zv_start_wineserver || zv_fail "no wineserver"
  zv_start_display "${ZV_GEOMETRY:-1280x800x24}" || zv_fail "no X display"
  echo "scenario $ZV_NAME: $ZV_EXE on $DISPLAY, artefacts in $ZV_ART"
}

# Starts the staged program and waits for its main window; sets ZV_CLIENT_X/Y/W/H.
zv_launch() {
  zv_stage_copy "$ZV_EXE" "$ZV_ART/bin"
  zv_start_program "$ZV_STAGED_EXE" "$ZV_ART/program.log" || zv_fail "the program did not start"
  zv_wait_window 30000 >/dev/null || zv_fail_explained "no visible window titled $ZV_WINDOW_TITLE"
  # Visible to Windows first, then mapped on the X display; a click before that reaches the root window.
  zv_poll 30 zv_window_mapped || zv_fail_explained "the window titled $ZV_WINDOW_TITLE is not mapped on $DISPLAY"
  zv_read_client
}

zv_window_mapped() {
  xdotool search --onlyvisible --name "^$ZV_WINDOW_TITLE\$" >/dev/null 2>&1
}

zv_read_client() {
  local client
  client=$(zv_driver client "$ZV_WINDOW_TITLE") || zv_fail_explained "cannot read the client area"
  # shellcheck disable=SC2034 # the sizes are read by the scenarios
  read -r ZV_CLIENT_X ZV_CLIENT_Y ZV_CLIENT_W ZV_CLIENT_H <<<"$client"
}

# The program's reply about one control (lines key=value); fails when the control is not found.
zv_query() {
  zv_driver query "$ZV_WINDOW_TITLE" "$1" "${2:--1}"
}

# zv_field KEY: the value of KEY in a reply read from stdin.
zv_field() {
  local key=$1 line
  while IFS= read -r line; do
    [[ $line == "$key="* ]] && { printf '%s\n' "${line#*=}"; return 0; }
  done
  return 1
}

# zv_caption CONTROL [INDEX]: the control's caption, empty when the query fails.
zv_caption() {
  zv_query "$@" 2>/dev/null | zv_field caption || true
}

# zv_title_is TEXT: the main window's page title (LabelState) reads TEXT.
zv_title_is() {
  [[ $(zv_caption LabelState) == "$1" ]]
}

# No message box of the program is open.
zv_no_message_box() {
  ! zv_driver messagebox "$ZV_WINDOW_TITLE" 0 >/dev/null 2>&1
}

zv_visible_flag() {
  zv_query "$@" 2>/dev/null | zv_field visible || true
}

# zv_control_bounds CONTROL [INDEX] [PAGE]: sets ZV_CONTROL_LEFT, _TOP, _WIDTH and _HEIGHT to the control's
# bounds in the client area, as the program reports them. A control on a page is reported within the page,
# whose own place is added.
zv_control_bounds() {
  local reply page
  reply=$(zv_query "$1" "${2:--1}") || zv_fail "no control $1"
  ZV_CONTROL_LEFT=$(zv_field left <<<"$reply") ZV_CONTROL_TOP=$(zv_field top <<<"$reply")
  ZV_CONTROL_WIDTH=$(zv_field width <<<"$reply") ZV_CONTROL_HEIGHT=$(zv_field height <<<"$reply")
  if [[ -n ${3:-} ]]; then
    page=$(zv_query "$3") || zv_fail "no page $3"
    ZV_CONTROL_LEFT=$((ZV_CONTROL_LEFT + $(zv_field left <<<"$page")))
    ZV_CONTROL_TOP=$((ZV_CONTROL_TOP + $(zv_field top <<<"$page")))
  fi
}

# zv_control_centre CONTROL [INDEX] [PAGE]: sets ZV_CENTRE_X and ZV_CENTRE_Y to the centre of the bounds
# of zv_control_bounds, in the client area.
zv_control_centre() {
  zv_control_bounds "$@"
  ZV_CENTRE_X=$((ZV_CONTROL_LEFT + ZV_CONTROL_WIDTH / 2)) ZV_CENTRE_Y=$((ZV_CONTROL_TOP + ZV_CONTROL_HEIGHT / 2))
}

# zv_click_control CONTROL [INDEX] [PAGE]: clicks the centre of the control.
zv_click_control() {
  zv_control_centre "$@"
  zv_click "$ZV_CENTRE_X" "$ZV_CENTRE_Y"
}

# Moves the pointer to a point of the main window's client area and clicks it.
zv_click() {
  xdotool mousemove --sync $((ZV_CLIENT_X + $1)) $((ZV_CLIENT_Y + $2))
  sleep 0.2
  xdotool click 1
}

# Press and release as two events at the same spot, with a pause between them.
zv_press_release() {
  xdotool mousemove --sync $((ZV_CLIENT_X + $1)) $((ZV_CLIENT_Y + $2))
  sleep 0.2
  xdotool mousedown 1
  sleep 0.2
  xdotool mouseup 1
}

# zv_poll TIMEOUT_S COMMAND...: retries the command until it succeeds or the time is up.
zv_poll() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

zv_pass() {
  ZV_PASSED=$((ZV_PASSED + 1))
  echo "ok: $1"
}

# A failed check is reported and counted; the scenario goes on and fails at the end.
zv_check_failed() {
  ZV_FAILED=$((ZV_FAILED + 1))
  echo "FAIL: $1" >&2
}

# zv_expect_eq WHAT EXPECTED ACTUAL
zv_expect_eq() {
  if [[ $2 == "$3" ]]; then
    zv_pass "$1 is '$3'"
  else
    zv_check_failed "$1: expected '$2', got '$3'"
  fi
}

# zv_expect WHAT COMMAND...: the check passes when the command succeeds.
zv_expect() {
  local what=$1
  shift
  if "$@"; then zv_pass "$what"; else zv_check_failed "$what"; fi
}

# A failure after which the scenario cannot go on.
zv_fail() {
  zv_check_failed "$1"
  exit 1
}

# zv_fail with the program's state and where the scenario's Wine log is.
zv_fail_explained() {
  {
    zv_program_state
    echo "  every Wine start of this scenario: $ZV_WINE_LOG"
  } >&2
  zv_fail "$1"
}

zv_save_screenshot() {
  zv_screenshot "$ZV_ART/$1.png" || zv_check_failed "screenshot $1"
}

# Ends the program, the prefix's other processes and the display; a process left behind fails the scenario.
zv_cleanup() {
  local status=$? leftover
  trap - EXIT TERM INT HUP
  zv_release_memory
  zv_stop_wine
  zv_stop_display
  mapfile -t leftover < <(zv_prefix_pids)
  if ((${#leftover[@]} > 0)); then
    zv_check_failed "Wine processes of $ZV_PREFIX left running: ${leftover[*]}"
    kill -9 "${leftover[@]}" 2>/dev/null || true
  fi
  echo "$ZV_NAME: $ZV_PASSED passed, $ZV_FAILED failed"
  if ((status == 0 && ZV_FAILED > 0)); then status=1; fi
  exit "$status"
}
