# The one way this project starts Wine: which loader runs a program of each bitness on this machine, the
# prefix, its wineserver and the processes started in it. Sourced by e2e/lib.sh.
# shellcheck shell=bash

# The reason printed wherever 32-bit Windows programs are skipped or replaced by the 64-bit build.
ZV_NO_EXEC32_REASON="this machine cannot execute 32-bit x86 code"

# zv_write_probe32 FILE: the smallest 32-bit x86 Linux program: an ELF header, one program header and
# "mov eax, 1; mov ebx, 32; int 0x80", which exits with status 32.
zv_write_probe32() {
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$1"
  # ELF header: executable, i386, version 1, entry 0x08048054, program headers at 52, 52-byte header, one
  # 32-byte program header.
  printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' >>"$1"
  printf '\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' >>"$1"
  # One loadable, readable and executable segment: the whole file at 0x08048000.
  printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' >>"$1"
  printf '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' >>"$1"
  printf '\xb8\x01\x00\x00\x00\xbb\x20\x00\x00\x00\xcd\x80' >>"$1"
  chmod +x "$1"
}

# zv_write_probe64 FILE: the same for x86-64: "mov eax, 60; mov edi, 64; syscall", which exits with status 64.
# It tells a folder whose files cannot be executed (mounted noexec) from a machine without 32-bit support.
zv_write_probe64() {
  printf '\x7fELF\x02\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$1"
  # ELF header: executable, x86-64, version 1, entry 0x400078, program headers at 64, 64-byte header, one
  # 56-byte program header.
  printf '\x02\x00\x3e\x00\x01\x00\x00\x00\x78\x00\x40\x00\x00\x00\x00\x00' >>"$1"
  printf '\x40\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' >>"$1"
  printf '\x00\x00\x00\x00\x40\x00\x38\x00\x01\x00\x00\x00\x00\x00\x00\x00' >>"$1"
  # One loadable, readable and executable segment: the whole file at 0x400000.
  printf '\x01\x00\x00\x00\x05\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' >>"$1"
  printf '\x00\x00\x40\x00\x00\x00\x00\x00\x00\x00\x40\x00\x00\x00\x00\x00' >>"$1"
  printf '\x84\x00\x00\x00\x00\x00\x00\x00\x84\x00\x00\x00\x00\x00\x00\x00' >>"$1"
  printf '\x00\x10\x00\x00\x00\x00\x00\x00' >>"$1"
  printf '\xb8\x3c\x00\x00\x00\xbf\x40\x00\x00\x00\x0f\x05' >>"$1"
  chmod +x "$1"
}

# zv_run_probe WRITER DIR: the exit status of the probe that WRITER writes into a new file in DIR.
zv_run_probe() {
  local file status=0
  file=$(mktemp "$2/zv-probe.XXXXXX" 2>/dev/null) || return 255
  "$1" "$file"
  "$file" 2>/dev/null || status=$?
  rm -f "$file"
  return "$status"
}

# Whether this machine executes 32-bit x86 programs, found by running one, in the first of the usual
# temporary folders where a 64-bit probe runs. ZV_EXEC32=yes or no forces the answer (for testing the
# scripts); once probed, the answer is exported there for child processes.
zv_can_execute_32bit() {
  if [[ -z ${ZV_EXEC32:-} ]]; then
    local dir status
    ZV_EXEC32=no
    for dir in "${TMPDIR:-/tmp}" /dev/shm "$HOME" "$PWD"; do
      [[ -d $dir && -w $dir ]] || continue
      status=0
      zv_run_probe zv_write_probe64 "$dir" || status=$?
      ((status == 64)) || continue
      status=0
      zv_run_probe zv_write_probe32 "$dir" || status=$?
      # 32 is the probe's own exit status; the shell's 126 ("Exec format error") or anything else means no.
      ((status == 32)) && ZV_EXEC32=yes
      break
    done
    export ZV_EXEC32
  fi
  [[ $ZV_EXEC32 == yes ]]
}

# zv_can_run_arch ARCH: whether Windows programs of a prefix arch (win32 or win64) run here.
zv_can_run_arch() {
  [[ $1 == win64 ]] || zv_can_execute_32bit
}

# The preset whose programs run here: win32 where 32-bit code runs, win64 elsewhere.
zv_runnable_preset() {
  if zv_can_execute_32bit; then echo win32; else echo win64; fi
}

# zv_exe_arch EXE: the prefix arch a Windows executable needs, from the machine field of its PE header.
zv_exe_arch() {
  local peOffset machine
  peOffset=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  machine=$(od -An -t x2 -j $((peOffset + 4)) -N 2 "$1" | tr -d ' ')
  case $machine in
    8664) echo win64 ;;
    014c) echo win32 ;;
    *) echo "not a Windows x86 executable: $1 (machine $machine)" >&2; return 1 ;;
  esac
}

# zv_elf_class FILE: 32 or 64, the class byte of an ELF file.
zv_elf_class() {
  case $(od -An -t x1 -j 4 -N 1 "$1" 2>/dev/null | tr -d ' ') in
    01) echo 32 ;;
    02) echo 64 ;;
    *) return 1 ;;
  esac
}

# The 64-bit loader: Debian's wine64, or a unified wine loader that is a 64-bit program.
zv_wine64_loader() {
  local candidate
  for candidate in /usr/lib/wine/wine64 /usr/lib/wine/wine /usr/lib/x86_64-linux-gnu/wine/wine64; do
    [[ -x $candidate && $(zv_elf_class "$candidate") == 64 ]] && { echo "$candidate"; return 0; }
  done
  echo "no 64-bit Wine loader found (install wine64)" >&2
  return 1
}

# zv_wine_loader ARCH: sets ZV_WINE_LOADER, the command that starts a program in a prefix of that arch.
# 64-bit programs always go through the 64-bit loader (Debian's wine wrapper takes the 32-bit one whenever
# wine32 is installed), with WINELOADER naming it so that the processes it starts use it too; 32-bit
# programs go through the wrapper. Fails, saying why, where the arch cannot run.
zv_wine_loader() {
  local loader
  if [[ $1 == win64 ]]; then
    loader=$(zv_wine64_loader) || return 1
    ZV_WINE_LOADER=(env WINELOADER="$loader" "$loader")
  elif zv_can_execute_32bit; then
    ZV_WINE_LOADER=(wine)
  else
    echo "32-bit Windows programs cannot run: $ZV_NO_EXEC32_REASON" >&2
    return 1
  fi
}

# Wine runs with its own prefix (32-bit unless ZV_WINEARCH says win64), no Mono/Gecko installers and no desktop
# menu entries. Its error messages stay on (ZV_WINEDEBUG changes the channels): they explain a failed start.
zv_wine_setup() {
  local prefix=$1
  mkdir -p "$(dirname "$prefix")"
  ZV_PREFIX=$(realpath -m "$prefix")
  ZV_ARCH=${ZV_WINEARCH:-win32}
  ZV_WINE_ENV=(WINEPREFIX="$ZV_PREFIX" WINEARCH="$ZV_ARCH" WINEDEBUG="${ZV_WINEDEBUG:-fixme-all}"
               WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8)
  ZV_WINE_LOADER=(false)
  zv_can_run_arch "$ZV_ARCH" && zv_wine_loader "$ZV_ARCH"
  # Wine processes start without address-space randomisation: with it, a new process now and then finds the
  # address of the shared user data taken ("failed to map the shared user data: c0000018") and dies at once.
  ZV_NO_ASLR=(setarch "$(uname -m)" -R)
  return 0
}

# A test of Wine ends here as skipped (CTest's SKIP_RETURN_CODE 77) where its prefix's arch cannot run.
zv_skip_unless_runnable() {
  zv_can_run_arch "$ZV_ARCH" && return 0
  echo "skipped: $ZV_NO_EXEC32_REASON"
  exit 77
}

# zv_wine_command PROGRAM ARGS...: runs a Windows program in the prefix, in the foreground, as given.
zv_wine_command() {
  env "${ZV_WINE_ENV[@]}" "${ZV_NO_ASLR[@]}" "${ZV_WINE_LOADER[@]}" "$@"
}

# zv_wine PROGRAM ARGS...: runs a Windows program in the prefix; Wine's processes never read the caller's standard
# input, which CI does not have. With a Wine log, its standard output is passed on once it has ended, its standard
# error goes to the log, and a non-zero exit status is reported on stderr with what Wine and the program wrote.
zv_wine() {
  if [[ -z $ZV_WINE_LOG ]]; then
    zv_wine_command "$@" </dev/null
    return
  fi
  local out err began status=0
  out=$(mktemp) err=$(mktemp)
  began=$(zv_clock_us)
  zv_wine_command "$@" </dev/null >"$out" 2>"$err" || status=$?
  cat "$out"
  zv_report_start "$status" "$began" "$err" "$out" "$@"
  rm -f "$out" "$err"
  return "$status"
}

# zv_report_start STATUS BEGAN_US STDERR_FILE STDOUT_FILE COMMAND...: logs one ended start; a failed one is also
# described on stderr: status, when it began, how long it ran, the tail of its output, the prefix's wineserver.
zv_report_start() {
  local status=$1 began=$2 err=$3 out=$4 ended what
  shift 4
  ended=$(zv_clock_us)
  what="${1##*[/\\]} ${*:2}"
  zv_log "[$(zv_seconds "$began") s] ${what% }: exit status $status after $(zv_seconds $((ended - began))) s"
  [[ ! -s $err ]] || zv_log "$(sed 's/^/    /' "$err")"
  ((status != 0)) || return 0
  {
    echo "wine ${what% }: exit status $status after $(zv_seconds $((ended - began))) s," \
      "begun $(zv_seconds "$began") s into the run"
    zv_tail_of "its stderr" "$err"
    # A 64-bit program in the 64-bit prefix is started by Wine's start.exe, which reports on stdout, in the OEM
    # code page.
    zv_tail_of "its stdout" <(iconv -f GBK -t UTF-8 -c "$out")
    echo "  $(zv_wineserver_state)"
  } >&2
}

# The wineserver of the prefix: its process id and age, or that there is none.
zv_wineserver_state() {
  local pid
  for pid in $(zv_prefix_pids); do
    [[ $(readlink "/proc/$pid/exe" 2>/dev/null) == */wineserver* ]] || continue
    echo "wineserver of the prefix: pid $pid, up $(ps -o etimes= -p "$pid" | tr -d ' ') s"
    return 0
  done
  echo "wineserver of the prefix: none"
}

# Debian's wineserver wrapper takes the 64-bit server, which serves prefixes of both arches.
zv_wineserver() {
  env "${ZV_WINE_ENV[@]}" wineserver "$@"
}

# Creates the prefix once; later calls reuse it. The marker tells a finished prefix from an interrupted one.
zv_ensure_prefix() {
  local marker="$ZV_PREFIX/.zv-ready"
  [[ -f $marker ]] && return 0
  (
    flock 9
    [[ -f $marker ]] && exit 0
    echo "creating Wine prefix $ZV_PREFIX"
    [[ $ZV_PREFIX != / ]] && rm -rf "$ZV_PREFIX"
    if ! env -u DISPLAY "${ZV_WINE_ENV[@]}" "${ZV_NO_ASLR[@]}" "${ZV_WINE_LOADER[@]}" wineboot -i \
      >"$ZV_PREFIX.log" 2>&1; then
      {
        echo "wineboot failed, see $ZV_PREFIX.log"
        zv_tail_of "its output" "$ZV_PREFIX.log"
      } >&2
      exit 1
    fi
    # wineboot's wineserver goes down after it; a program started meanwhile can fail, so it is waited for.
    zv_wineserver -w
    # Without a window manager, hiding a managed window waits seconds for one to answer.
    if ! env -u DISPLAY "${ZV_WINE_ENV[@]}" "${ZV_NO_ASLR[@]}" "${ZV_WINE_LOADER[@]}" reg add \
      'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$ZV_PREFIX.log" 2>&1; then
      {
        echo "reg add failed, see $ZV_PREFIX.log"
        zv_tail_of "its output" "$ZV_PREFIX.log"
      } >&2
      exit 1
    fi
    zv_wineserver -w
    touch "$marker"
  ) 9>"$ZV_PREFIX.lock"
}

# zv_start_program EXE [LOG [ARGS...]]: starts a Windows program in the background, its Wine output going to a
# log file, which ends with a line saying how the program ended.
zv_start_program() {
  local exe=$1 log=${2:-/dev/null} began
  shift $(($# < 2 ? $# : 2))
  local args=("$@")
  zv_ensure_wineserver || return 1
  began=$(zv_clock_us)
  ZV_PROGRAM_LOG=$log
  zv_log "[$(zv_seconds "$began") s] ${exe##*/}: started, output in $log"
  (
    status=0
    zv_wine_command "$exe" "${args[@]}" </dev/null >"$log" 2>&1 || status=$?
    ended=$(zv_clock_us)
    line="${exe##*/}: exit status $status after $(zv_seconds $((ended - began))) s"
    zv_log "[$(zv_seconds "$ended") s] $line"
    [[ ! -f $log ]] || echo "($line)" >>"$log"
  ) &
  ZV_PROGRAM_PID=$!
}

# Whether the program started by zv_start_program still runs, and the last lines of its output.
zv_program_state() {
  if [[ -n $ZV_PROGRAM_PID ]] && kill -0 "$ZV_PROGRAM_PID" 2>/dev/null; then
    echo "  the program is running"
  else
    echo "  the program has ended"
  fi
  zv_tail_of "its output" "${ZV_PROGRAM_LOG:-/dev/null}"
}

# Ends every process of the prefix, then waits for its wineserver to go; the log says how long that took.
zv_stop_wine() {
  local began ended found=none
  began=$(zv_clock_us)
  zv_wineserver -k 2>/dev/null && found="signalled"
  if ! timeout 20 env "${ZV_WINE_ENV[@]}" wineserver -w 2>/dev/null; then
    echo "the prefix's wineserver is still there 20 s after wineserver -k: $(zv_wineserver_state)" >&2
    found="$found, still there after 20 s"
  fi
  if [[ -n $ZV_PROGRAM_PID ]]; then
    wait "$ZV_PROGRAM_PID" 2>/dev/null || true
    ZV_PROGRAM_PID=""
  fi
  ended=$(zv_clock_us)
  zv_log "[$(zv_seconds "$began") s] wineserver -k: $found; done after $(zv_seconds $((ended - began))) s"
}

# Starts the prefix's wineserver, to stay up until zv_stop_wine. One that a Wine process starts goes down as soon as
# the prefix's last program has ended (Debian's runs with -p0), and a program started while it goes down fails
# or ends with it. A server of an earlier run that is still going down is waited for first.
zv_start_wineserver() {
  local began deadline=$((SECONDS + 60)) status
  began=$(zv_clock_us)
  while :; do
    timeout 30 env "${ZV_WINE_ENV[@]}" wineserver -w 2>/dev/null || true
    # The server goes to the background once it listens; it keeps what it writes on stderr in the log.
    status=0
    env "${ZV_WINE_ENV[@]}" wineserver -p </dev/null >/dev/null 2>>"${ZV_WINE_LOG:-/dev/null}" || status=$?
    ((status == 0)) && break
    # 2: another server holds the prefix's lock.
    if ((status != 2 || SECONDS >= deadline)); then
      echo "the prefix's wineserver did not start: exit status $status; $(zv_wineserver_state)" >&2
      return 1
    fi
    zv_wineserver -k 2>/dev/null || true
  done
  zv_log "[$(zv_seconds "$began") s] wineserver -p: listening after $(zv_seconds $(($(zv_clock_us) - began))) s"
}

# Starts the prefix's wineserver unless one is running (wineserver -k0 signals nothing, it only asks).
zv_ensure_wineserver() {
  zv_wineserver -k0 2>/dev/null || zv_start_wineserver
}

# Wine processes (loader, preloader, wineserver) started for this prefix, found by their environment.
zv_prefix_pids() {
  local environ pid exe
  while IFS= read -r environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null) || continue
    [[ ${exe##*/} == wine* ]] && echo "$pid"
  done < <(grep -lzxF "WINEPREFIX=$ZV_PREFIX" /proc/[0-9]*/environ 2>/dev/null)
  return 0
}

# Processes of the prefix whose command line names the given executable file.
zv_program_pids() {
  local name=$1 pid
  for pid in $(zv_prefix_pids); do
    tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qiF -- "$name" && echo "$pid"
  done
  return 0
}
