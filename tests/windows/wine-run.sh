#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's own prefix, which is made
# on first use. Used by CTest as the cross build's emulator.
set -euo pipefail
: "${WINEPREFIX:=$(cd "$(dirname "$0")/../.." && pwd)/build-windows/wine-prefix}"
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
fi
# A server that outlives each program by a while spares the next one its
# start; its diagnostics stay out of the test logs.
wineserver -p10 >/dev/null 2>&1 || true
exec wine "$@"
