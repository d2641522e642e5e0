#!/bin/bash
# Runs scan_bench over 10,240 computers of the test network provider.
# Usage: scan-bench.sh answering|silent SCAN_BENCH_EXE FIRST_PAINT_MIN_EXE [COUNT]
#   answering  in the build's prefix (tools/wine-run); every computer is a
#              127.0.y.x address, so every one answers. The minimal window
#              program runs first, for its start-to-first-paint figure.
#   silent     the same network where none answers: a private network
#              namespace whose loopback ignores echo requests, so nothing
#              leaves this machine; Wine runs there with its own server and
#              X display, in a prefix of its own. Needs root for unshare.
# The figures are noisy on a busy machine: each run is repeated
# $QY_SCAN_RUNS times (5), says how much processor time the host took away
# meanwhile, and the median ratio closes the output. Prints figures only.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
run=$1
exe=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
minimal=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
count=${4:-10240}
runs=${QY_SCAN_RUNS:-5}
out=$(mktemp)
ratios=$(mktemp)
trap 'rm -f "$out" "$ratios"' EXIT

# Processor time the virtual machine's host took away (steal), in seconds:
# a run with much of it says more about the host than about the program.
steal() { awk '/^cpu /{print $9}' /proc/stat 2>/dev/null || echo 0; }
report() {  # report STEAL_AT_START
  cat "$out"
  awk -v t="$(( $(steal) - $1 ))" 'BEGIN {printf "  %-52s %10.3f s\n", "processor time the host took (steal), whole run", t / 100}'
  awk '/ratio of the pass/ {for (i = NF; i > 0; --i) if ($i ~ /^[0-9.]+$/) {print $i; next}}' "$out" >>"$ratios"
}
summary() {
  sort -n "$ratios" | awk '{r[NR] = $1} END {if (NR) printf "== median ratio of the pass to the floor over %d runs: %.3f ==\n", NR, (NR % 2 ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2)}'
}

if [ "$run" = answering ]; then
  echo "== a minimal window program, three runs =="
  for _ in 1 2 3; do "$here/tools/wine-run" "$minimal" >"$out" 2>&1 </dev/null; cat "$out"; done
  for i in $(seq "$runs"); do
    echo "== every computer answers (loopback addresses), run $i of $runs =="
    at=$(steal)
    "$here/tools/wine-run" "$exe" answering "$count" >"$out" 2>&1 </dev/null; report "$at"
  done
  summary
  exit 0
fi

if ! unshare -n true 2>/dev/null; then
  echo "scan-bench silent: skipped, a private network namespace needs root"
  exit 0
fi
if ! command -v Xvfb >/dev/null; then
  echo "scan-bench silent: skipped, Xvfb is missing"
  exit 0
fi
export WINEPREFIX=${QY_BENCH_PREFIX:-$(dirname "$exe")/bench-wineprefix}
export QY_TESTNP_DLL=$(dirname "$exe")/qytestnp.dll
export WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export -f steal report
export out ratios
unshare -n bash -s "$here" "$exe" "$count" "$out" "$runs" <<'INSIDE'
here=$1 exe=$2 count=$3 out=$4 runs=$5
ip link set lo up
echo 1 > /proc/sys/net/ipv4/icmp_echo_ignore_all
n=90
while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
xvfb=$!
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
export DISPLAY=:$n
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w
fi
wineserver -p
wine reg query 'HKCU\Software\Wine' >/dev/null 2>&1 </dev/null
"$here/tests/win32/setup-prefix.sh" >/dev/null 2>&1 </dev/null
for i in $(seq "$runs"); do
  echo "== no computer answers (loopback addresses, echo ignored), run $i of $runs =="
  at=$(steal)
  wine "$exe" silent "$count" >"$out" 2>&1 </dev/null; report "$at"
done
wineserver -k
kill "$xvfb"
INSIDE
summary
