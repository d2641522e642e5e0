#!/bin/bash
# A click on a computer hides the window, asks the shell to open "\\" + name
# and ends the program with exit code 0. Wine's ShellExecute trace is the
# witness of the request, so nothing else needs to run.
source "$(dirname "$0")/lib.sh" "$1"
start_display
prepare_prefix
rm -f "$(scan_cache)"
set_network 'WORKGROUP' '\\127.0.0.2' '\\localhost'
gbk_lines '127.0.0.2' 'localhost' > "$work/expected-cache"

program_debug=trace+exec start_program
wait_for 15 file_is "$(scan_cache)" "$work/expected-cache" || fail "the list was not filled"
click_client 40 30 1
wait_for 10 window_gone || fail "the window did not vanish"
wait_exit 20
[ "$exit_code" = 0 ] || fail "exit code $exit_code after opening a computer"
grep -aF 'verb=L"open" file=L"\\\\127.0.0.2"' "$work/program.log" >/dev/null ||
  fail "no shell open of \\\\127.0.0.2: $(grep -a 'SHELL_execute mask' "$work/program.log")"
[ "$(grep -ac 'SHELL_execute mask' "$work/program.log")" = 1 ] || fail "more than one shell request"
note "ok: click opens \\\\127.0.0.2 and ends with 0"
