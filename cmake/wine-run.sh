#!/bin/bash
# Runs a Windows test program under Wine: wine-run.sh 64|32 PROGRAM [ARGS...].
#
# Both word sizes share one 64-bit prefix: 32-bit programs run on its WoW64 side with the
# 32-bit loader, as on 64-bit Windows. The prefix is always served by the native 64-bit
# wineserver, so where the kernel cannot run 32-bit programs and the 32-bit loader runs
# under user-mode emulation (qemu-i386 registered with binfmt_misc, see setup-deps.sh),
# only the test program itself is emulated.
set -uo pipefail
arch="$1"
shift
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: their install prompts would stall a headless prefix set-up.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
export WINEPREFIX="${ORVA_WINE_PREFIXES:-$HOME/.cache/orva-wine}/win64"
export WINESERVER=/usr/lib/wine/wineserver64
wine64=/usr/lib/wine/wine64
mkdir -p "$(dirname "$WINEPREFIX")"

# Creates the prefix once, natively, before any 32-bit program needs it; the lock keeps
# parallel test runs from creating it twice.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  (
    flock 9
    [ -f "$WINEPREFIX/system.reg" ] || "$wine64" wineboot --init >/dev/null 2>&1
    "$WINESERVER" -w
  ) 9>"$WINEPREFIX.lock"
fi

[ "$arch" = 64 ] && exec "$wine64" "$@"

# 32-bit: runs natively where the kernel can; otherwise (or with ORVA_EMULATE_WIN32=1,
# which runs the loader through the emulator explicitly) under qemu-i386.
loader=(/usr/lib/wine/wine)
if [ "${ORVA_EMULATE_WIN32:-0}" = 1 ] && ! grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null; then
  loader=(qemu-i386-static "${loader[@]}")
  # Without this the loader re-executes itself, and the kernel would run that natively.
  export WINELOADERNOEXEC=1
fi
if grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null || [ ${#loader[@]} = 2 ]; then
  # The emulator's default guest address space lets its own mappings land on the page
  # Wine needs at 0x7ffe0000 ("failed to map the shared user data"); reserving the whole
  # 4 GiB up front keeps the layout the loader expects.
  export QEMU_RESERVED_VA="${QEMU_RESERVED_VA:-0xffff0000}"
  # Tests the emulator does not run reliably (README, "32-bit Windows under emulation"),
  # left out of emulated runs only, unless a filter is given.
  excluded=$(sed -n 's/^ *\([A-Za-z0-9_]*\.[A-Za-z0-9_]*\) *#.*/\1/p' "$(dirname "$0")/emulated-exclusions.txt" | paste -sd:)
  if [ -n "$excluded" ] && [ -z "${GTEST_FILTER:-}" ]; then
    export GTEST_FILTER="-$excluded"
    echo "wine-run: emulated 32-bit run; left out: $excluded" >&2
  fi
fi

# The shared-user-data failure happens before the program starts, so one retry is safe.
# Standard error goes through a file, not a pipe: the wineserver and the session's
# services a first start launches inherit it and outlive the program, and a reader of a
# pipe would wait for them.
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
for attempt in 1 2; do
  "${loader[@]}" "$@" 2>"$errors"
  status=$?
  cat "$errors" >&2
  grep -q "failed to map the shared user data" "$errors" || break
  [ "$attempt" = 1 ] && echo "wine-run: the loader could not map the shared user data; retrying once" >&2
done
exit "$status"
