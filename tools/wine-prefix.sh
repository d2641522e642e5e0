#!/bin/bash
# Prepares the build's Wine prefix and keeps a wineserver running so each test
# process starts in milliseconds. Idempotent; prints nothing.
# Usage: wine-prefix.sh start [SECONDS] | stop | running
#   start    create the prefix once and make sure its server runs for the
#            caller's display: $DISPLAY, or else a private Xvfb started here.
#            The server persists SECONDS after its last client, or until
#            "stop" when none is given.
#   stop     stop this prefix's server and the private Xvfb
#   running  exit 0 when the server runs for the caller's display
# One server session serves one display (Wine's desktop process keeps the
# display it started with), so a caller with another display restarts it:
# run programs of one prefix one display at a time.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
private_file=$WINEPREFIX/qy-display        # ":N PID" of the private Xvfb
session_file=$WINEPREFIX/qy-session-display # display the running server serves

server_running() {
  [ -d "$WINEPREFIX" ] || return 1
  local id p
  id=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
  for p in $(pgrep -x 'wineserver|wineserver64' 2>/dev/null); do
    [ "$(basename "$(readlink "/proc/$p/cwd" 2>/dev/null)")" = "$id" ] && return 0
  done
  return 1
}

private_display() {  # prints the private display when its Xvfb is alive
  [ -f "$private_file" ] || return 1
  local d pid
  read -r d pid < "$private_file"
  kill -0 "$pid" 2>/dev/null && echo "$d"
}

start_private_display() {
  private_display >/dev/null && return 0
  rm -f "$private_file"
  command -v Xvfb >/dev/null || return 0
  local n=90
  while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
  setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
  local pid=$!
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  echo ":$n $pid" > "$private_file"
  # The display lives only as long as a server of this prefix does.
  setsid "$here/tools/wine-prefix.sh" watch-display "$pid" >/dev/null 2>&1 </dev/null &
}

watch_display() {
  local pid=$1
  for _ in $(seq 300); do server_running && break; sleep 0.1; done
  while kill -0 "$pid" 2>/dev/null && server_running; do sleep 5; done
  kill "$pid" 2>/dev/null
  if [ -f "$private_file" ]; then
    read -r _ recorded < "$private_file"
    [ "$recorded" = "$pid" ] && rm -f "$private_file"
  fi
}

wanted_display() {
  if [ -n "${DISPLAY:-}" ]; then echo "$DISPLAY"; else private_display; fi
}

serves_caller() {
  server_running && [ -f "$session_file" ] && [ "$(cat "$session_file")" = "$(wanted_display)" ]
}

case "${1:-start}" in
start)
  persist=${2:-}
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    wineserver -w
  fi
  [ -n "${DISPLAY:-}" ] || start_private_display
  serves_caller && exit 0
  if server_running; then wineserver -k >/dev/null 2>&1; wineserver -w; fi
  display=$(wanted_display)
  if [ -n "$display" ]; then export DISPLAY=$display; else unset DISPLAY; fi
  wineserver -p$persist >/dev/null 2>&1 </dev/null
  echo "$display" > "$session_file"
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
  rm -f "$session_file"
  if [ -f "$private_file" ]; then
    read -r _ pid < "$private_file"
    kill "$pid" 2>/dev/null
    rm -f "$private_file"
  fi
  true
  ;;
running)
  serves_caller
  ;;
watch-display)
  watch_display "$2"
  ;;
*)
  echo "usage: $0 start [SECONDS] | stop | running" >&2
  exit 2
  ;;
esac
