#!/bin/bash
# Screenshots of every editor: opens each library of dist/linux-x86_64 that has an editor
# with `render shot` and writes docs/shots/<library>.png. Without a display (DISPLAY
# unset) it runs itself under a virtual one (xvfb-run). Builds the Linux libraries first
# unless ORVA_SHOTS_NO_BUILD=1.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a "$0" "$@"
fi
if [ "${ORVA_SHOTS_NO_BUILD:-0}" != 1 ]; then
  tools/setup-deps.sh
  tools/build-all.sh linux-x86_64 >/dev/null
fi

render=build/linux-x86_64/bin/render
out=docs/shots
mkdir -p "$out"
shots=0
for lib in dist/linux-x86_64/*.so; do
  name=$(basename "$lib" .so)
  # Libraries without an editor are left out (render info lists the HasEditor flag).
  "$render" info "$lib" | grep -q HasEditor || continue
  "$render" shot "$lib" "$out/$name.png"
  echo "$out/$name.png"
  shots=$((shots + 1))
done
echo "$shots screenshots in $out"
