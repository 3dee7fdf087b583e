#!/bin/bash
# Configures and builds every platform: dist/linux-x86_64, dist/win32, dist/win64.
# With arguments, builds only the named presets.
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(linux-x86_64 win64 win32)
for preset in "${presets[@]}"; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
