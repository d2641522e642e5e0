#!/bin/bash
# Installs the test network provider in the test prefix: the DLL goes to
# system32 and is registered the way Windows network providers are. Run by
# tools/wine-prefix.sh once the server is up; safe to run again.
# The DLL is $QY_TESTNP_DLL, else the one of the win64 build.
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=-all
dll=${QY_TESTNP_DLL:-$here/build/win64/qytestnp.dll}
[ -f "$dll" ] || { echo "setup-prefix: no $dll, test network provider not installed" >&2; exit 0; }

name=QyTestNp
cp -f "$dll" "$WINEPREFIX/drive_c/windows/system32/qytestnp.dll"

reg() { wine reg add "$@" /f >/dev/null 2>&1 </dev/null; }
reg 'HKLM\System\CurrentControlSet\Control\NetworkProvider\Order' /v ProviderOrder /t REG_SZ /d "$name"
key="HKLM\\System\\CurrentControlSet\\Services\\$name\\NetworkProvider"
reg "$key" /v ProviderPath /t REG_EXPAND_SZ /d '%SystemRoot%\system32\qytestnp.dll'
reg "$key" /v Name /t REG_SZ /d 'Qingyu Test Network'
reg "$key" /v Class /t REG_DWORD /d 1
exit 0
