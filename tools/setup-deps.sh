#!/bin/bash
# Installs what the suite needs on Debian (run as root), or prints the exact apt-get line
# when it cannot. Safe to run again: it installs only what is missing.
#   setup-deps.sh demo   what the Linux build and tools/demo.sh use
#   setup-deps.sh        everything building and testing all three platforms needs
set -euo pipefail
set_name="${1:-test}"

# The Linux build (plug-ins, command-line host, its tests and benchmarks), and a virtual
# display for the demo's editor screenshots.
demo_packages=(
  cmake ninja-build g++ pkg-config file xvfb xauth
  libsndfile1-dev libfreetype-dev fonts-liberation2 libx11-dev libxext-dev libxtst-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
)
# The Windows builds, Wine to run their tests, a virtual display, the hosts the host
# checks load the libraries in, sox to read render's output files, cairo for the art
# generator's freshness test, and clang for the sanitizer and fuzzer builds.
test_packages=(
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64 wine32:i386 qemu-user-static x11-utils
  ardour iem-plugin-suite-vst sox
  python3-cairo clang libclang-rt-dev
)
case "$set_name" in
  demo) packages=("${demo_packages[@]}") ;;
  test) packages=("${demo_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: setup-deps.sh [demo|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  line="apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
  [ "$set_name" = demo ] || line="dpkg --add-architecture i386 && $line"
  if [ "$(id -u)" != 0 ]; then
    echo "setup: missing packages; run as root:" >&2
    echo "  $line" >&2
    exit 1
  fi
  echo "setup: installing ${missing[*]}"
  [ "$set_name" = demo ] || dpkg --add-architecture i386
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

[ "$set_name" = demo ] && exit 0

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
