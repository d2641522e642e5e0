# Shared by the end-to-end tests: the real exe under Wine on a private Xvfb,
# driven with xdotool. Source it with the exe's path as $1.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
exe=$(readlink -f "$1")
build=$(dirname "$exe")
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDEBUG=-all
work=$(mktemp -d "${TMPDIR:-/tmp}/qy-e2e.XXXXXX")
xvfb_pid= exe_pid= exit_code=

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "$*"; }

cleanup() {
  [ -n "$exe_pid" ] && kill "$exe_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A private X server on the first free display from 100.
start_display() {
  local n
  for n in $(seq 100 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null; xvfb_pid=
  done
  fail "no X display could be started"
}

wine_quiet() { wine "$@" >/dev/null 2>&1 </dev/null; }

# The prefix: server up, test network provider installed, Wine drawing its
# own window frames (there is no window manager).
prepare_prefix() {
  "$root/tools/wine-prefix.sh" start
  QY_TESTNP_DLL=$build/qytestnp.dll "$root/tests/win32/setup-prefix.sh" >/dev/null 2>&1
  wine_quiet reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f
  temp_dir=$(wine cmd /c 'echo %TEMP%' 2>/dev/null </dev/null | tr -d '\r')
  temp_dir=$(winepath -u "$temp_dir" 2>/dev/null)
  [ -d "$temp_dir" ] || fail "no temporary folder in the prefix ($temp_dir)"
}

# The network the provider reports: lines as in tests/win32/testnp, UTF-8 here.
set_network() {
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t GBK > "$work/network.txt"
  export QY_TEST_NETWORK=$(winepath -w "$work/network.txt" 2>/dev/null)
}

computer_name() {
  wine reg query 'HKLM\SYSTEM\CurrentControlSet\Control\ComputerName\ComputerName' /v ComputerName \
    >"$work/name.txt" 2>/dev/null </dev/null
  iconv -f GBK -t UTF-8 "$work/name.txt" | tr -d '\r' | awk '/ComputerName/ && /REG_SZ/ { print $3 }'
}

start_program() {
  WINEDEBUG=${program_debug:--all} wine "$exe" >"$work/program.log" 2>&1 </dev/null &
  exe_pid=$!
  window=$(timeout 20 xdotool search --sync --limit 1 --name '文件共享') || fail "MainWindow did not appear"
  # Wine draws the frame itself: 3 px border, 19 px caption (Wine's metrics).
  read -r win_x win_y < <(xdotool getwindowgeometry "$window" | awk '/Position/ { split($2, p, ","); print p[1], p[2] }')
  client_x=$((win_x + 3)) client_y=$((win_y + 22))
}

# Waits up to $1 seconds for a condition given as the remaining arguments.
wait_for() {
  local seconds=$1; shift
  local end=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}

caption_is() { [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$1" ]; }

# Waits for the program's end and sets exit_code.
wait_exit() {
  local seconds=${1:-20}
  wait_for "$seconds" program_gone || fail "the program did not end within $seconds s"
  wait "$exe_pid"; exit_code=$?
  exe_pid=
}
program_gone() { ! kill -0 "$exe_pid" 2>/dev/null; }
window_gone() { ! xdotool getwindowname "$window" >/dev/null 2>&1 || ! xdotool search --onlyvisible --name '文件共享' >/dev/null 2>&1; }

# Esc in MainWindow. Without a window manager Wine ignores X focus changes
# and re-activates no window when a task-modal message box closes, so a click
# on the caption (Wine draws the frame) makes MainWindow active first.
escape_in_main() {
  xdotool mousemove $((client_x + 200)) $((win_y + 10)) click 1
  sleep 0.2
  xdotool key Escape
}

# Clicks at a point of MainWindow's client area.
click_client() {  # x y button
  xdotool mousemove $((client_x + $1)) $((client_y + $2)) click "$3"
}

scan_cache() { echo "$temp_dir/不通时.txt"; }
company_file() { echo "$temp_dir/公司名字"; }

# GBK bytes of UTF-8 lines, each ended by CR LF.
gbk_lines() { printf '%s\r\n' "$@" | iconv -f UTF-8 -t GBK; }

file_is() {  # path expected-file
  [ -f "$1" ] && cmp -s "$1" "$2"
}

# A picture of MainWindow beside the exe, for a person to look at.
save_screenshot() {  # name
  local geometry
  geometry=$(xdotool getwindowgeometry "$window" | awk '/Position/ { split($2, p, ","); x = p[1]; y = p[2] }
                                                     /Geometry/ { split($2, s, "x"); print s[1] "x" s[2] "+" x "+" y }')
  import -window root -crop "$geometry" +repage "$build/e2e-$1.png" 2>/dev/null
}

visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }

# Pixels of the answered picture's blue screen in a square (client coordinates).
blue_pixels() {  # x y size
  import -window root -crop "$3x$3+$((client_x + $1))+$((client_y + $2))" +repage "$work/crop.png" 2>/dev/null
  convert "$work/crop.png" txt:- | grep -c '#[0-3][0-9A-F][4-9A][0-9A-F][A-F][0-9A-F]'
}

# Number of colours in a square of the screen (client coordinates).
colours_at() {  # x y size
  import -window root -crop "$3x$3+$((client_x + $1))+$((client_y + $2))" +repage "$work/crop.png" 2>/dev/null
  identify -format '%k' "$work/crop.png"
}
