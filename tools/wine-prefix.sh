#!/bin/bash
# Prepares the build's Wine prefix and keeps a wineserver running so each test
# process starts in milliseconds. Idempotent; prints nothing unless asked.
# Usage: wine-prefix.sh start [SECONDS] | stop | running
#   start    create the prefix once, start a persistent server (for SECONDS
#            after its last client, or until "stop" when none is given), warm
#            it up, and start a private Xvfb when there is no DISPLAY
#   stop     stop this prefix's server and the Xvfb that start began
#   running  exit 0 when this prefix's server is up
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
display_file=$WINEPREFIX/qy-display   # ":N PID" of the Xvfb started here

server_running() {
  [ -d "$WINEPREFIX" ] || return 1
  local id p
  id=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
  for p in $(pgrep -x 'wineserver|wineserver64' 2>/dev/null); do
    [ "$(basename "$(readlink "/proc/$p/cwd" 2>/dev/null)")" = "$id" ] && return 0
  done
  return 1
}

start_display() {
  [ -z "${DISPLAY:-}" ] || return 0
  command -v Xvfb >/dev/null || return 0
  if [ -f "$display_file" ]; then
    read -r _ pid < "$display_file"
    kill -0 "$pid" 2>/dev/null && return 0
    rm -f "$display_file"
  fi
  local n=90
  while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
  setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
  local pid=$!
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  echo ":$n $pid" > "$display_file"
  # The display lives only as long as the prefix's server, however that ends.
  setsid "$here/tools/wine-prefix.sh" watch-display "$pid" >/dev/null 2>&1 </dev/null &
}

watch_display() {
  local pid=$1
  for _ in $(seq 300); do server_running && break; sleep 0.1; done
  while kill -0 "$pid" 2>/dev/null && server_running; do sleep 5; done
  kill "$pid" 2>/dev/null
  if [ -f "$display_file" ]; then
    read -r _ recorded < "$display_file"
    [ "$recorded" = "$pid" ] && rm -f "$display_file"
  fi
}

use_display() {
  if [ -z "${DISPLAY:-}" ] && [ -f "$display_file" ]; then
    read -r d _ < "$display_file"
    export DISPLAY=$d
  fi
}

case "${1:-start}" in
start)
  persist=${2:-}
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    wineserver -w
  fi
  start_display
  use_display
  if ! server_running; then
    wineserver -p$persist >/dev/null 2>&1 </dev/null
  fi
  # The first program after a server start also starts Wine's helper
  # processes; keep them off any pipe the caller may be reading.
  wine reg query 'HKCU\Software\Wine' >/dev/null 2>&1 </dev/null
  # Without a window manager Wine waits 2 s for one whenever a managed window
  # goes; the test program's windows need none.
  wine reg add 'HKCU\Software\Wine\AppDefaults\win32_tests.exe\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >/dev/null 2>&1 </dev/null
  if [ -x "$here/tests/win32/setup-prefix.sh" ]; then
    "$here/tests/win32/setup-prefix.sh" >/dev/null 2>&1 </dev/null
  fi
  ;;
stop)
  server_running && wineserver -k >/dev/null 2>&1
  if [ -f "$display_file" ]; then
    read -r _ pid < "$display_file"
    kill "$pid" 2>/dev/null
    rm -f "$display_file"
  fi
  true
  ;;
running)
  server_running
  ;;
watch-display)
  watch_display "$2"
  ;;
*)
  echo "usage: $0 start [SECONDS] | stop | running" >&2
  exit 2
  ;;
esac
