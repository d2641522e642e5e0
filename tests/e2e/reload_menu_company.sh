#!/bin/bash
# With a network that lists nothing: a click in the empty list reloads the
# scan cache; a right click shows ContextMenu and Escape dismisses it; menu
# commands run once the menu has closed ("关于", "更改公司名称"); the company
# name then shows in the caption at the next start.
source "$(dirname "$0")/lib.sh" "$1"
start_display
prepare_prefix
name=$(computer_name)
rm -f "$(company_file)"
trap 'rm -f "$(company_file)"; cleanup' EXIT
set_network ''
gbk_lines '缓存机-01' '127.0.0.3' > "$(scan_cache)"
cp "$(scan_cache)" "$work/expected-cache"

start_program
wait_for 10 caption_is "xx公司局域网文件共享---计算机名：$name" || fail "start-up caption"
sleep 1.5  # the scan finds no workgroup and leaves the list empty
[ "$(colours_at 10 10 40)" = 1 ] || fail "the list is not empty at start"
click_client 400 200 1
wait_for 5 eval '[ "$(colours_at 10 10 40)" -gt 3 ]' || fail "a click in the empty list did not reload the cache"
file_is "$(scan_cache)" "$work/expected-cache" || fail "the reload changed the scan cache"

# Right click on empty space: the menu pops up; Escape only dismisses it.
before=$(visible_windows)
click_client 400 200 3
wait_for 5 eval '[ "$(visible_windows)" -gt "$before" ]' || fail "no context menu"
xdotool key Escape
wait_for 5 eval '[ "$(visible_windows)" = "$before" ]' || fail "Escape did not dismiss the menu"
sleep 0.5
kill -0 "$exe_pid" 2>/dev/null || fail "Escape in the menu ended the program"

choose_item() {  # 1-based item
  click_client 400 200 3
  wait_for 5 eval '[ "$(visible_windows)" -gt "$before" ]' || fail "no context menu"
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
}
dialog() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
dialog_up() { [ -n "$(dialog "$1")" ]; }
dialog_gone() { [ -z "$(dialog "$1")" ]; }
answer() {  # title key
  wait_for 5 dialog_up "$1" || fail "no window '$1'"
  local w; w=$(dialog "$1")
  xdotool windowfocus --sync "$w" key "$2"
  wait_for 5 dialog_gone "$1" || fail "window '$1' stayed"
}

choose_item 11  # 关于
answer '信息：' Return

choose_item 9   # 更改公司名称: confirm the proposed "青屿"
answer '公司名称' Return
wait_for 5 caption_is "青屿文件共享5.0---我的计算机名：$name" ||
  fail "caption after the change is '$(xdotool getwindowname "$window")'"
answer '信息：' Return

escape_in_main
wait_exit 20
[ "$exit_code" = 0 ] || fail "exit code $exit_code"

start_program
wait_for 10 caption_is "青屿文件共享---计算机名：$name" ||
  fail "caption at the next start is '$(xdotool getwindowname "$window")'"
escape_in_main
wait_exit 20
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
note "ok: reload, menu, about, company"
