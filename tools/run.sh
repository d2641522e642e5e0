#!/bin/bash
# Starts dist/qingyu-share.exe under Wine in the build's prefix.
# With $DISPLAY set it runs there until the user closes it. Without one it
# runs on a private Xvfb, saves a picture of the window to build/screenshot.png
# after a few seconds, and ends the program, the X server and the Wine server.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
exe=${QY_EXE:-$here/dist/qingyu-share.exe}
shot=${QY_SCREENSHOT:-$here/build/screenshot.png}
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
[ -f "$exe" ] || { echo "run: no $exe (make dist builds it)" >&2; exit 1; }

stop_server() { "$here/tools/wine-prefix.sh" stop; }

if [ -n "${DISPLAY:-}" ]; then
  "$here/tools/wine-prefix.sh" start
  wine "$exe" </dev/null
  rc=$?
  stop_server
  exit $rc
fi

xvfb_pid= exe_pid=
cleanup() {
  [ -n "$exe_pid" ] && kill "$exe_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  stop_server
}
trap cleanup EXIT

for n in $(seq 99 199); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  [ -e "/tmp/.X11-unix/X$n" ] && break
  kill "$xvfb_pid" 2>/dev/null; xvfb_pid=
done
[ -n "$xvfb_pid" ] || { echo "run: no X server could be started" >&2; exit 1; }
export DISPLAY=:$n
"$here/tools/wine-prefix.sh" start
# No window manager: let Wine draw the frame and caption itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null

wine "$exe" >/dev/null 2>&1 </dev/null &
exe_pid=$!
window=$(timeout 20 xdotool search --sync --limit 1 --name '文件共享') || { echo "run: the window did not appear" >&2; exit 1; }
sleep "${QY_RUN_SECONDS:-4}"
echo "run: caption: $(xdotool getwindowname "$window")"
geometry=$(xdotool getwindowgeometry "$window" | awk '/Position/ { split($2, p, ","); x = p[1]; y = p[2] }
                                                   /Geometry/ { split($2, s, "x"); print s[1] "x" s[2] "+" x "+" y }')
mkdir -p "$(dirname "$shot")"
import -window root -crop "$geometry" +repage "$shot" && echo "run: screenshot in $shot"

# Ask it to close (WM_CLOSE), as a user would.
wine taskkill /im qingyu-share.exe >/dev/null 2>&1 </dev/null
for _ in $(seq 100); do kill -0 "$exe_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$exe_pid" 2>/dev/null; then echo "run: the program did not end, stopping it" >&2; else
  wait "$exe_pid"; echo "run: exit code $?"; fi
exe_pid=
