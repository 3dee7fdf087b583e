#!/bin/bash
# Regenerates the editors' bitmaps, their resource scripts and docs/art.png in place:
#   tools/art/make_art.sh [build folder, default build/linux-x86_64]
# Builds orva_art_speakers (loudspeaker directions from the plug-ins' own tables) in the
# native build, then draws everything with make_art.py (Debian's python3 with cairo).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build/linux-x86_64}"
cmake --build "$build" --target orva_art_speakers
speakers="$(mktemp)"
trap 'rm -f "$speakers"' EXIT
"$build/tools/art/orva_art_speakers" >"$speakers"
/usr/bin/python3 "$root/tools/art/make_art.py" "$speakers" "$root"
