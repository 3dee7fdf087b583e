#!/bin/bash
# Runs the validator on every deliverable of one platform (dist/<platform>/, not test-only):
#   tools/validate/validate-dist.sh linux-x86_64|win32|win64 [--strict]
# Linux runs natively in a virtual X display, Windows under Wine (cmake/wine-run.sh).
# The last line is the validator's "validate: N passed, M failed, K skipped, J n/a".
set -uo pipefail
cd "$(dirname "$0")/../.."
platform=$1
shift
case "$platform" in
  linux-x86_64) program=(build/linux-x86_64/bin/validate); suffix=so ;;
  win64) program=(cmake/wine-run.sh 64 build/win64/bin/validate.exe); suffix=dll ;;
  # Under user-mode emulation every program start costs minutes: one process for all checks.
  win32) program=(cmake/wine-run.sh 32 build/win32/bin/validate.exe)
    if grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null || [ "${ORVA_EMULATE_WIN32:-0}" = 1 ]; then
      program+=(--in-process)
    fi
    suffix=dll ;;
  *) echo "usage: $0 linux-x86_64|win32|win64 [--strict]" >&2; exit 2 ;;
esac
libraries=(dist/"$platform"/*."$suffix")
if [ ! -e "${libraries[0]}" ]; then
  echo "validate: 0 passed, 1 failed, 0 skipped, 0 n/a (no libraries in dist/$platform)"
  exit 1
fi
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "${program[@]}" "${libraries[@]}" "$@"
