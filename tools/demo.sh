#!/bin/bash
# The suite's main job from the shell: builds the Linux libraries, renders a short stereo
# signal through panner -> field rotator -> zoom with the command-line host, and prints
# the level of W, X, Y and Z after each stage, so the source can be seen to move. When the
# first-order decoder is built, the scene is also decoded to the Cube. Last, it saves a
# screenshot of every editor in docs/shots (under a virtual display when none is set).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-deps.sh demo
tools/build-all.sh linux-x86_64 >/dev/null

bin=build/linux-x86_64/bin
dist=dist/linux-x86_64
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

render() { "$bin/render" run "$@"; }
levels() { printf '%-20s' "$1"; "$bin/wav_rms" "$2" "${@:3}"; }

"$bin/demo_signal" "$work/stereo.wav" 1
echo "Input: 1 s of stereo at 48 kHz, 220 Hz left and 330 Hz right, -12 dBFS each."
echo

echo "1. orva_panner_effect: both sources together, moved round the listener"
for az in 1.0 0.75 0.5 0.25; do
  deg=$(awk "BEGIN { printf \"%g\", 360 - (1 - $az) * 360 }")
  render "$dist/orva_panner_effect.so" "$work/stereo.wav" "$work/pan_$az.wav" \
    --set "Left Az=$az" --set "Rht Az=$az"
  levels "   Az $deg degrees" "$work/pan_$az.wav" W X Y Z
done
echo "   (inv: opposite polarity to W. X in phase: front, X inv: behind, Y in phase: left, Y inv: right)"
echo

echo "2. orva_field: the front scene turned a quarter turn about Z (Angle1 0.25)"
render "$dist/orva_field.so" "$work/pan_1.0.wav" "$work/field.wav" --set Angle1=0.25
levels "   rotated" "$work/field.wav" W X Y Z
echo

echo "3. orva_zoom: the turned scene pushed towards the right (Zoom 0), neutral (0.5) and away (1)"
for zoom in 0 0.5 1; do
  render "$dist/orva_zoom.so" "$work/field.wav" "$work/zoom_$zoom.wav" \
    --set Azimuth=0.25 --set Elevation=0.25 --set Zoom=$zoom
  levels "   Zoom $zoom" "$work/zoom_$zoom.wav" W X Y Z
done

decoder=$dist/orva_decoder_ui.so
if [ -f "$decoder" ]; then
  echo
  echo "4. first-order decoder: the front scene decoded to the Cube"
  render "$decoder" "$work/pan_1.0.wav" "$work/cube.wav" --set Layout=0
  echo "   (lower front-left, front-right, back-right, back-left, then the upper four)"
  levels "   speakers" "$work/cube.wav" 1 2 3 4 5 6 7 8
fi

echo
echo "5. editor screenshots"
ORVA_SHOTS_NO_BUILD=1 tools/shots.sh
