#!/bin/bash
# Installs what the builds and tests need on Debian 12, only when missing.
set -euo pipefail
need=()
have() { command -v "$1" >/dev/null 2>&1; }
pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

have cmake || need+=(cmake)
have ninja || need+=(ninja-build)
have g++ || need+=(g++)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
for p in g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 \
         g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 \
         wine wine64 xvfb xdotool imagemagick fonts-wqy-zenhei locales x11-utils; do
  pkg "$p" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
# Wine takes its ANSI code page (936) from LANG, but only once the locale exists.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null 2>&1 || localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
