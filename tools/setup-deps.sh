#!/bin/bash
# Installs what building and testing the suite needs on Debian (run as root), or prints
# the exact apt-get line when it cannot. Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config file
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64 wine32:i386 qemu-user-static xvfb xauth x11-utils
  libsndfile1-dev libfreetype-dev fonts-liberation2 python3-cairo libx11-dev libxext-dev libxtst-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  ardour iem-plugin-suite-vst
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  line="dpkg --add-architecture i386 && apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
  if [ "$(id -u)" != 0 ]; then
    echo "setup: missing packages; run as root:" >&2
    echo "  $line" >&2
    exit 1
  fi
  echo "setup: installing ${missing[*]}"
  dpkg --add-architecture i386
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# 32-bit Windows programs need the 32-bit Wine loader. Kernels built without 32-bit
# support cannot run it directly; then the loader runs under user-mode emulation.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  if [ "$(id -u)" = 0 ]; then
    mountpoint -q /proc/sys/fs/binfmt_misc || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
      printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
        > /proc/sys/fs/binfmt_misc/register
    fi
  fi
  /usr/lib/wine/wine --version >/dev/null 2>&1 || echo "setup: warning: 32-bit programs cannot run here; 32-bit Windows tests will fail" >&2
fi
