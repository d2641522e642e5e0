#!/bin/bash
# Installs the test network provider in the test prefix: the DLL goes to
# system32 and is registered the way Windows network providers are. Run by
# tools/wine-prefix.sh once the server is up; safe to run again.
# The DLL is $QY_TESTNP_DLL, else the one of the win64 build, else the newest
# x86-64 one of any build folder (they are all built from the same source).
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=-all

is_x64() { x86_64-w64-mingw32-objdump -f "$1" 2>/dev/null | grep -q 'x86-64'; }
dll=${QY_TESTNP_DLL:-$here/build/win64/qytestnp.dll}
if [ ! -f "$dll" ]; then
  dll=
  for candidate in $(ls -t "$here"/build/*/qytestnp.dll 2>/dev/null); do
    if is_x64 "$candidate"; then dll=$candidate; break; fi
  done
fi
[ -n "$dll" ] || { echo "setup-prefix: no qytestnp.dll built, test network provider not installed" >&2; exit 0; }

name=QyTestNp
# Replaced only when it differs, and by a rename, so a test starting meanwhile
# never loads a half-written DLL.
target=$WINEPREFIX/drive_c/windows/system32/qytestnp.dll
if ! cmp -s "$dll" "$target"; then
  cp -f "$dll" "$target.new" && mv -f "$target.new" "$target"
fi

reg() { wine reg add "$@" /f >/dev/null 2>&1 </dev/null; }
reg 'HKLM\System\CurrentControlSet\Control\NetworkProvider\Order' /v ProviderOrder /t REG_SZ /d "$name"
key="HKLM\\System\\CurrentControlSet\\Services\\$name\\NetworkProvider"
reg "$key" /v ProviderPath /t REG_EXPAND_SZ /d '%SystemRoot%\system32\qytestnp.dll'
reg "$key" /v Name /t REG_SZ /d 'Qingyu Test Network'
reg "$key" /v Class /t REG_DWORD /d 1
exit 0
