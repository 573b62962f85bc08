#!/usr/bin/env bash
# Usage: scripts/with-wine.sh COMMAND [ARG...]
#
# Runs COMMAND inside a private, throw-away Wine session and returns its exit status:
#   - its own Xvfb display (1280x800x24; the server picks a free display number),
#   - its own HOME and WINEPREFIX, the prefix a copy of a template built once per machine and
#     Wine version under /var/tmp (about 10 s the first time, half a second afterwards),
#   - wineserver and the prefix's services already running, so that programs started by
#     COMMAND (ctest, for one) find them warm.
# Everything is torn down afterwards, also when COMMAND fails or the script is interrupted.
#
# Settings of the template prefix:
#   Managed=N          no window manager runs; without it every hide of an activated window
#                      and the removal of the last tray icon stall for 2 s.
#   ShowCrashDialog=0  a crashing test program exits instead of waiting on a dialog.
#   ShowSystray=N      Wine's tray window stays hidden, so the top-left corner is free for the
#                      corner triggers. Tray icons are still added, and their hidden
#                      __winex11_tray_icon windows still forward posted clicks.
set -euo pipefail

if [ $# -eq 0 ]; then
  echo "usage: $0 COMMAND [ARG...]" >&2
  exit 2
fi

# Bump when the template's settings change, so that stale templates are rebuilt.
template_revision=1

wine=/usr/lib/wine/wine64  # the loader itself skips the wrapper's "wine32 is missing" notice
[ -x "$wine" ] || wine=$(command -v wine)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
unset WINESERVER WINELOADER

run=$(mktemp -d "${TMPDIR:-/tmp}/tarnwick-wine.XXXXXX")
xvfb_pid=""
command_pid=""

teardown() {
  local status=$?
  trap - EXIT INT TERM
  if [ -n "$command_pid" ]; then
    kill "$command_pid" 2>/dev/null || true
  fi
  if [ -d "$run/prefix" ]; then
    WINEPREFIX="$run/prefix" "$wineserver" -k >/dev/null 2>&1 || true
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$run"
  exit "$status"
}
trap teardown EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

start_xvfb() {
  local fd i
  exec {fd}>"$run/display"
  Xvfb -displayfd "$fd" -screen 0 1280x800x24 -nolisten tcp >"$run/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec {fd}>&-
  for i in $(seq 200); do
    if [ -s "$run/display" ]; then
      export DISPLAY=":$(head -n 1 "$run/display")"
      return 0
    fi
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
      break
    fi
    sleep 0.05
  done
  echo "with-wine: Xvfb did not start:" >&2
  cat "$run/xvfb.log" >&2
  return 1
}

# Wine links Desktop, Documents and the like to HOME. Real folders keep the prefix self-contained.
unlink_home_folders() {
  local link
  for link in "$1"/drive_c/users/*/*; do
    if [ -L "$link" ]; then
      rm "$link"
      mkdir "$link"
    fi
  done
}

build_template() {
  local template=$1 building="$1.building.$$"
  echo "with-wine: building the template prefix $template (once per Wine version)" >&2
  rm -rf "$template".building.*  # left by an interrupted build; we hold the lock
  (
    export WINEPREFIX=$building
    "$wine" wineboot -i >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v ShowSystray /d N /f >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1
    # The settings only count when written before explorer starts, and the server saves the
    # registry when it is stopped.
    "$wineserver" -k >/dev/null 2>&1 || true
  )
  if ! grep -q '"Managed"="N"' "$building/user.reg" ||
     ! grep -q '"ShowCrashDialog"=dword:00000000' "$building/user.reg"; then
    echo "with-wine: the template prefix did not keep its settings" >&2
    return 1
  fi
  unlink_home_folders "$building"
  mv "$building" "$template"
}

prepare_prefix() {
  local version template
  version=$("$wine" --version 2>/dev/null | tr -c 'A-Za-z0-9.\n' '_')
  template="/var/tmp/tarnwick-wine-template-$(id -u)-${version}-r${template_revision}"
  (
    # Concurrent runs wait for the one that builds the template.
    flock 9
    [ -d "$template" ] || build_template "$template"
  ) 9>"$template.lock"
  cp -a "$template" "$run/prefix"
  export WINEPREFIX="$run/prefix"
}

mkdir -p "$run/home"
export HOME="$run/home"
start_xvfb
prepare_prefix

# Started here with their output away from COMMAND's pipes: a wineserver or explorer first
# spawned under ctest would hold ctest's output pipe open and stall every test.
"$wineserver" -p >/dev/null 2>&1
"$wine" wineboot >/dev/null 2>&1

# In the background so that a signal to this script reaches the trap at once; the explicit
# redirection keeps stdin, which a background command would otherwise lose.
set +e
"$@" <&0 &
command_pid=$!
wait "$command_pid"
status=$?
command_pid=""
set -e
exit "$status"
