#!/bin/bash
# PingHostAsync where no computer answers, without sending anything off this
# machine: the benchmark runs in a private network namespace that has only
# the loopback interface, whose kernel ignores echo requests, and whose
# resolver cannot reach a name server. Wine runs there with its own server,
# in a prefix of its own. Needs root for unshare. Prints figures only.
# Usage: ping-silent.sh PING_BENCH_EXE [COUNT] [TIMEOUT_MS]
set -uo pipefail
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
count=${2:-10240}
timeout_ms=${3:-10000}
export WINEPREFIX=${QY_BENCH_PREFIX:-$(dirname "$exe")/bench-wineprefix}
export WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

if ! unshare -n true 2>/dev/null; then
  echo "ping-silent: skipped, a private network namespace needs root"
  exit 0
fi

unshare -n bash -s "$exe" "$count" "$timeout_ms" <<'INSIDE'
exe=$1 count=$2 timeout_ms=$3
ip link set lo up
echo 1 > /proc/sys/net/ipv4/icmp_echo_ignore_all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w
fi
wineserver -p
wine reg query 'HKCU\Software\Wine' >/dev/null 2>&1 </dev/null
out=$(mktemp)
echo "== loopback addresses that never answer (echo ignored) =="
wine "$exe" loopback "$count" "$timeout_ms" >"$out" 2>&1 </dev/null; cat "$out"
echo "== names under .invalid, no name server reachable =="
wine "$exe" unresolvable "$count" "$timeout_ms" >"$out" 2>&1 </dev/null; cat "$out"
rm -f "$out"
wineserver -k
INSIDE
