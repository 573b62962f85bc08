#!/usr/bin/env bash
# Usage: scripts/memory-bench.sh [LABEL=PATH/TO/Tarnwick.exe ...]
#
# Idle memory of the real program under Wine, and the time of a large save. A benchmark, not a
# test: scripts/test.sh does not run it.
#   1. Each Tarnwick.exe given (default: current=build/windows/Tarnwick.exe) is started from a
#      scratch folder beside a generated Tarnwick.ini of 0, 500, 5,000 and 20,000 items (ITEMS in
#      MEMORY_BENCH_ITEMS), written by tarnwick_sample_file: version 2.0, unique names, programs
#      that do not exist and icons given by number, so start-up extracts no icon and registers
#      no hotkey. Once the process is idle (its CPU time and private memory have stopped moving
#      for 2 s) its RssAnon (private resident memory), VmRSS (all resident memory, shared
#      libraries included) and VmHWM (the peak of VmRSS, reached during start-up) are read from
#      /proc/<pid>/status; then it is killed. A minimal Win32 window program
#      (bench/win32/MinimalWindow.cpp) is measured the same way in the same run, as the
#      baseline. All of it in one Wine session of scripts/with-wine.sh; one table per figure.
#   2. tarnwick_save_bench: a save of 20,000 items with its backup step through the Win32 file
#      system (SAVE_BENCH_ARGS: ITEMS RUNS, default 20000 15).
# To compare with an older build: build it elsewhere (a git worktree) and pass both, e.g.
#   scripts/memory-bench.sh before=/work/before/build/windows/Tarnwick.exe after=build/windows/Tarnwick.exe
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

if [ "${1:-}" != "--in-wine" ]; then
  if [ -z "${CMAKE_GENERATOR:-}" ] && command -v ninja >/dev/null; then
    export CMAKE_GENERATOR=Ninja
  fi
  if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null || ! command -v wine >/dev/null; then
    echo "memory-bench: mingw-w64 or Wine is not installed" >&2
    exit 1
  fi
  cmake --preset windows >/dev/null
  cmake --build --preset windows --parallel "$(nproc)" \
    --target Tarnwick tarnwick_minimal_window tarnwick_sample_file tarnwick_save_bench >/dev/null
  [ $# -gt 0 ] || set -- "current=build/windows/Tarnwick.exe"
  specs=()
  for spec in "$@"; do
    label=${spec%%=*}
    exe=${spec#*=}
    if [ "$label" = "$spec" ] || [ -z "$label" ] || [[ ! "$label" =~ ^[A-Za-z0-9_.-]+$ ]]; then
      echo "memory-bench: expected LABEL=PATH/TO/Tarnwick.exe (a label of letters, digits, . _ -), not '$spec'" >&2
      exit 2
    fi
    if [ ! -f "$exe" ]; then
      echo "memory-bench: no such file: $exe" >&2
      exit 2
    fi
    specs+=("$label=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")")
  done
  exec scripts/with-wine.sh "$0" --in-wine "${specs[@]}"
fi
shift

# From here on inside the Wine session: DISPLAY, HOME and WINEPREFIX are its own.
wine=/usr/lib/wine/wine64  # the loader itself skips the wrapper's "wine32 is missing" notice
[ -x "$wine" ] || wine=$(command -v wine)
read -r -a sizes <<<"${MEMORY_BENCH_ITEMS:-0 500 5000 20000}"
# In the session's private HOME, which scripts/with-wine.sh removes however the run ends.
work=$(mktemp -d "$HOME/memory-bench.XXXXXX")
started=""  # the Linux pid of the program being measured, while it runs
cleanup() {
  if [ -n "$started" ]; then kill -KILL "$started" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The Linux pid of the Wine process running DIR/NAME in this session's prefix: its command line
# names the file (as a Linux or as a Windows path; the scratch folder's name is unique) and its
# environment holds our WINEPREFIX. Empty when there is none yet.
find_process() {
  local folder=$1 name=$2 proc cmdline
  for proc in /proc/[0-9]*; do
    # A process may end between the listing and the read.
    cmdline=$({ tr '\0' ' ' <"$proc/cmdline"; } 2>/dev/null) || continue
    case "$cmdline" in
      *"$folder"[/\\]"$name"*) ;;
      *) continue ;;
    esac
    if { tr '\0' '\n' <"$proc/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      echo "${proc#/proc/}"
      return 0
    fi
  done
  return 0
}

status_kb() {  # FIELD PID: a "kB" line of /proc/PID/status
  awk -v field="$1:" '$1 == field { print $2 }' "/proc/$2/status"
}

cpu_ticks() {  # PID: user plus system time; the fields after the name, which may hold blanks
  local stat fields
  stat=$(<"/proc/$1/stat")
  read -r -a fields <<<"${stat##*) }"
  echo $(( fields[11] + fields[12] ))
}

# Starts DIR/NAME, waits until it is idle, sets measured to "RssAnon VmRSS VmHWM" and kills it.
# Idle: four samples half a second apart, each with at most one CPU tick (the trigger timer
# ticks ten times a second) and private memory within 64 kB of the first.
measure() {
  local folder=$1 name=$2 pid="" launcher ticks rss last_ticks=-1 first_rss=-1 quiet=0
  (cd "$folder" && exec "$wine" "$folder/$name" >/dev/null 2>&1) &
  launcher=$!
  for _ in $(seq 200); do
    pid=$(find_process "$(basename "$folder")" "$name")
    [ -n "$pid" ] && break
    if ! kill -0 "$launcher" 2>/dev/null; then break; fi
    sleep 0.1
  done
  if [ -z "$pid" ]; then
    echo "memory-bench: $folder/$name did not start" >&2
    wait "$launcher" 2>/dev/null || true
    return 1
  fi
  started=$pid
  for _ in $(seq 600); do
    sleep 0.5
    if ! ticks=$(cpu_ticks "$pid" 2>/dev/null) || ! rss=$(status_kb RssAnon "$pid"); then
      echo "memory-bench: $folder/$name exited before it was idle" >&2
      started=""
      wait "$launcher" 2>/dev/null || true
      return 1
    fi
    if [ "$last_ticks" -ge 0 ] && [ $((ticks - last_ticks)) -le 1 ] &&
       [ $((rss - first_rss)) -le 64 ] && [ $((first_rss - rss)) -le 64 ]; then
      quiet=$((quiet + 1))
    else
      quiet=0
      first_rss=$rss
    fi
    last_ticks=$ticks
    [ "$quiet" -ge 4 ] && break
  done
  if [ "$quiet" -lt 4 ]; then
    echo "memory-bench: $folder/$name was not idle after 5 minutes; measured anyway" >&2
  fi
  measured="$(status_kb RssAnon "$pid") $(status_kb VmRSS "$pid") $(status_kb VmHWM "$pid")"
  kill -TERM "$pid" 2>/dev/null || true
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid" 2>/dev/null || true; fi
  started=""
  wait "$launcher" 2>/dev/null || true
}

# Generated configurations, one per size.
for n in "${sizes[@]}"; do
  "$wine" build/windows/tarnwick_sample_file.exe "$n" "Z:$work/items-$n.ini"
done

labels=()
measured=""
declare -A result
mkdir "$work/minimal"
cp build/windows/tarnwick_minimal_window.exe "$work/minimal/"
measure "$work/minimal" tarnwick_minimal_window.exe
result[minimal]=$measured
for n in "${sizes[@]}"; do
  for spec in "$@"; do
    label=${spec%%=*}
    [ "$n" = "${sizes[0]}" ] && labels+=("$label")
    folder="$work/$label-$n"
    mkdir "$folder"
    cp "${spec#*=}" "$folder/Tarnwick.exe"
    cp "$work/items-$n.ini" "$folder/Tarnwick.ini"
    measure "$folder" Tarnwick.exe
    result[$label-$n]=$measured
  done
done

figure() {  # KEY INDEX: one figure of a measurement
  local figures
  read -r -a figures <<<"${result[$1]}"
  echo "${figures[$2]}"
}

# One table per figure: a row per size, a column per program, the minimal one first.
table() {  # TITLE INDEX
  echo "$1"
  printf '%8s%10s' items minimal
  for label in "${labels[@]}"; do printf '%12s' "$label"; done
  echo
  for n in "${sizes[@]}"; do
    printf '%8s%10s' "$n" "$(figure minimal "$2")"
    for label in "${labels[@]}"; do printf '%12s' "$(figure "$label-$n" "$2")"; done
    echo
  done
  echo
}

echo "Idle Wine processes: Tarnwick.exe per configuration, and the minimal window program (measured once)"
echo
table "RssAnon, kB (private resident memory)" 0
table "VmRSS, kB (all resident memory, shared libraries included)" 1
table "VmHWM, kB (peak resident memory, during start-up)" 2
read -r -a save_args <<<"${SAVE_BENCH_ARGS:-20000 15}"
"$wine" build/windows/tarnwick_save_bench.exe "${save_args[@]}"
