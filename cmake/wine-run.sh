#!/bin/sh
# Runs a Windows test program under Wine: wine-run.sh 64|32 PROGRAM [ARGS...].
# Each word size gets its own prefix so a 64-bit prefix never hosts the 32-bit loader.
arch="$1"
shift
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: their install prompts would stall a headless prefix set-up.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPREFIX="${ORVA_WINE_PREFIXES:-$HOME/.cache/orva-wine}/win$arch"
mkdir -p "$(dirname "$WINEPREFIX")"
if [ "$arch" = 64 ]; then
  export WINEARCH=win64
  loader=/usr/lib/wine/wine64
else
  export WINEARCH=win32
  loader=/usr/lib/wine/wine
fi
exec "$loader" "$@"
