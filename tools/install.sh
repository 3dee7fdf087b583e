#!/bin/bash
# Installs one platform's plug-ins into a VST 2 folder:
#   tools/install.sh [--prefix DIR] [--platform linux-x86_64|win32|win64]
# Builds the platform first when it has not been built. The default folder is ~/.vst for
# Linux; the Windows platforms install into install/<platform>/ unless --prefix is given.
# Only the deliverables are copied (never dist/<platform>/test-only), with testtone.wav
# beside them, where the rig decoder looks for it.
set -euo pipefail
cd "$(dirname "$0")/.."
platform=linux-x86_64
prefix=""
while [ $# -gt 0 ]; do
  case "$1" in
    --prefix) [ $# -ge 2 ] || { echo "install.sh: --prefix needs a folder" >&2; exit 2; }; prefix=$2; shift 2 ;;
    --platform) [ $# -ge 2 ] || { echo "install.sh: --platform needs a name" >&2; exit 2; }; platform=$2; shift 2 ;;
    -h|--help) sed -n '2,7p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "install.sh: unknown argument '$1' (see --help)" >&2; exit 2 ;;
  esac
done
case "$platform" in
  linux-x86_64|win32|win64) ;;
  *) echo "install.sh: unknown platform '$platform'" >&2; exit 2 ;;
esac

if [ ! -f "build/$platform/build.ninja" ]; then
  tools/build-all.sh "$platform" >/dev/null
else
  cmake --build --preset "$platform" >/dev/null
fi
if [ -n "$prefix" ]; then
  mkdir -p "$prefix"
  cmake --install "build/$platform" --prefix "$prefix"
else
  cmake --install "build/$platform"
fi
