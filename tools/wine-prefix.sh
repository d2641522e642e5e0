#!/bin/bash
# Creates the build's Wine prefix once (it takes seconds) and starts a
# persistent wineserver so each test process starts in milliseconds.
# Usage: wine-prefix.sh start|stop
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
case "${1:-start}" in
start)
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    wineserver -w
  fi
  wineserver -p
  # The first program after a server start also starts Wine's helper
  # processes; keep them off any pipe the caller may be reading.
  wine reg query 'HKCU\Software\Wine' >/dev/null 2>&1 </dev/null
  if [ -x "$here/tests/win32/setup-prefix.sh" ]; then
    "$here/tests/win32/setup-prefix.sh" >/dev/null 2>&1 </dev/null
  fi
  ;;
stop)
  wineserver -k 2>/dev/null || true
  ;;
esac
