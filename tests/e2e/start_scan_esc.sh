#!/bin/bash
# Start-up caption, the list filled from the network in enumeration order and
# saved to the scan cache, and Esc ending the program with exit code 0.
source "$(dirname "$0")/lib.sh" "$1"
start_display
prepare_prefix
name=$(computer_name)
rm -f "$(scan_cache)" "$(company_file)"
set_network 'WORKGROUP' '\\localhost' '\\财务室' '\\127.0.0.2' '空组' '研发部' '\\PC-02.invalid'
gbk_lines 'localhost' '财务室' '127.0.0.2' 'PC-02.invalid' > "$work/expected-cache"

start_program
wait_for 10 caption_is "xx公司局域网文件共享---计算机名：$name" ||
  fail "caption is '$(xdotool getwindowname "$window")'"
wait_for 15 file_is "$(scan_cache)" "$work/expected-cache" ||
  fail "scan cache: $(od -c "$(scan_cache)" 2>&1 | head -5)"
# localhost answers its ping and turns to the coloured picture; 财务室 does
# not resolve and stays grey.
wait_for 5 eval '[ "$(blue_pixels 35 20 20)" -gt 50 ]' || fail "localhost did not get the coloured picture"
[ "$(colours_at 135 20 20)" -gt 3 ] || fail "财务室 has no picture"
[ "$(blue_pixels 135 20 20)" = 0 ] || fail "财务室 got the coloured picture"
save_screenshot scan

escape_in_main
wait_exit 20
[ "$exit_code" = 0 ] || fail "exit code $exit_code after Esc"
note "ok: caption, scan cache, Esc"
