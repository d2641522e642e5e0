#!/bin/bash
# MainView against the real window: runs the check program on a private X
# server and bounds the time its end may take with threads still asking.
source "$(dirname "$0")/lib.sh" "$1"
checker=$(readlink -f "$2")
start_display
"$root/tools/wine-prefix.sh" start
start=$SECONDS
timeout 60 wine "$checker" >"$work/out.txt" 2>&1 </dev/null
rc=$?
cat "$work/out.txt"
[ $rc = 124 ] && fail "the program did not end within 60 s"
[ $rc = 0 ] || fail "exit code $rc"
tr -d '\r' <"$work/out.txt" | grep -qx ok || fail "no result"
note "ok: MainView checks in $((SECONDS - start)) s"
