#!/bin/bash
# "查看本机共享资源": LocalSharesWindow opens centred over a disabled
# MainWindow with the local computer's shares in reverse order of the network,
# "删除" runs net share (a recording stand-in beside the exe) and removes the
# row once it succeeded, and Esc closes only this window.
source "$(dirname "$0")/lib.sh" "$1"
recorder=$build/qy_recorder.exe
[ -f "$recorder" ] || fail "no $recorder (build the qy_recorder target)"
start_display
prepare_prefix
name=$(computer_name)
set_network 'WORKGROUP' "\\\\$name" "\\\\$name\\共享文档" "\\\\$name\\资料" "\\\\$name\\打印机"
cp -f "$recorder" "$build/net.exe"
trap 'rm -f "$build/net.exe"; cleanup' EXIT
export QY_RECORD_LOG=$(winepath -w "$work/net.log" 2>/dev/null)

start_program
wait_for 10 caption_is "xx公司局域网文件共享---计算机名：$name" || fail "start-up caption"
before=$(visible_windows)
click_client 400 200 3
wait_for 5 eval '[ "$(visible_windows)" -gt "$before" ]' || fail "no context menu"
xdotool key Down Down Return   # 查看本机共享资源

shares=$(timeout 10 xdotool search --sync --onlyvisible --limit 1 --name '本机共享资源列表') || fail "no LocalSharesWindow"
geometry=$(xdotool getwindowgeometry "$shares")
echo "$geometry" | grep -q 'Position: 352,243' || fail "not centred: $geometry"
echo "$geometry" | grep -q 'Geometry: 319x282' || fail "wrong size: $geometry"
sx=$((352 + 3)) sy=$((243 + 22))   # client area inside Wine's own frame

# MainWindow is disabled: a click on its computer would otherwise open it and end the program.
click_client 40 40 1
sleep 1
kill -0 "$exe_pid" 2>/dev/null || fail "MainWindow took a click while LocalSharesWindow was open"

# The top row is the last share the network listed; delete it.
xdotool mousemove $((sx + 60)) $((sy + 4 + 28)) click 1
sleep 0.3
xdotool mousemove $((sx + 216 + 44)) $((sy + 64 + 16)) click 1
wait_for 10 eval '[ -s "$work/net.log" ]' || fail "删除 started no net command"
grep -a '^cmd=' "$work/net.log" | iconv -f GBK -t UTF-8 | tr -d '\r' > "$work/commands.txt"
[ "$(cat "$work/commands.txt")" = "cmd=net share 打印机 /delete" ] || fail "delete ran: $(cat "$work/commands.txt")"

xdotool key Escape
wait_for 5 eval '[ -z "$(xdotool search --onlyvisible --name "本机共享资源列表" 2>/dev/null)" ]' ||
  fail "Esc did not close LocalSharesWindow"
sleep 0.5
kill -0 "$exe_pid" 2>/dev/null || fail "Esc in LocalSharesWindow ended the program"
xdotool search --onlyvisible --name '文件共享' >/dev/null || fail "MainWindow is gone"

escape_in_main
wait_exit 20
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
note "ok: local shares window"
