#!/bin/bash
# Checks that each program imports only Windows' own system DLLs and, for the
# i686 program, no function that Windows XP SP3 lacks.
# Usage: check-imports.sh X86_EXE [OTHER_EXE...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
list=$here/../../shared/vista_plus.txt
[ -f "$list" ] || list=$here/vista_plus.txt
system_dlls='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|mpr|ws2_32|wsock32|crypt32|msvcrt|iphlpapi|icmp|shlwapi|uxtheme|version|netapi32|winmm)\.dll$'
# The mingw objdump reads both PE flavours; the host's may not.
objdump=objdump
for candidate in x86_64-w64-mingw32-objdump i686-w64-mingw32-objdump; do
  if command -v "$candidate" >/dev/null; then objdump=$candidate; break; fi
done
if [ $# -lt 1 ]; then echo "usage: $0 X86_EXE [OTHER_EXE...]" >&2; exit 2; fi
fail=0
headers() {  # objdump's private headers, or nothing when the file is no PE program
  "$objdump" -p "$1" 2>/dev/null
}
imports() {  # prints "dll function" per import
  headers "$1" | awk '
    /DLL Name:/ { dll=tolower($3); next }
    dll && NF>=3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ { print dll, $3 }'
}
for exe in "$@"; do
  # An unreadable file must not pass as a program that imports nothing.
  if ! headers "$exe" | grep -c 'DLL Name:' >/dev/null; then echo "$exe: not a readable Windows program"; fail=1; continue; fi
  for dll in $(headers "$exe" | awk '/DLL Name:/ {print tolower($3)}' | sort -u); do
    if ! [[ $dll =~ $system_dlls ]]; then echo "$exe: imports $dll, which is not a Windows system DLL"; fail=1; fi
  done
done
x86=$1
bad=$(imports "$x86" | tr 'A-Z' 'a-z' | sort -u | comm -12 - <(tr 'A-Z' 'a-z' < "$list" | sort -u))
if [ -n "$bad" ]; then echo "$x86 imports functions that Windows XP lacks:"; echo "$bad"; fail=1; fi
if [ $fail -eq 0 ]; then echo "imports: $(imports "$x86" | wc -l) functions of the i686 program, all present on Windows XP; system DLLs only"; fi
exit $fail
