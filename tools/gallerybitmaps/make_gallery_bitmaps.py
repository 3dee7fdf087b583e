#!/usr/bin/env python3
"""Draws the gallery editor's bitmaps (our own pictures) as 24-bit BMP files.

Usage: make_gallery_bitmaps.py <output folder>
  128 background 240 x 360: a blue-green gradient with a grid every 16 pixels
  129 strip 32 x 160: five 32 x 32 frames, a coloured disc with k bars on a white key
  130 toggle 40 x 40: upper half off (dark), lower half on (orange)
  131 knob strip 24 x 1080: 45 frames of 24 x 24; frame k is a disc whose red is 5 k
  132 fader handle 12 x 12: a light bar with a dark edge
  133 fader track 20 x 200: a dark slot down the middle
  134 switch strip 48 x 80: five frames of 16 rows; frame k has a lit cell at k
  135 splash 240 x 360: a dark plate with a light border
  136 column strip 24 x 400: five frames of 80 rows; frame k has a lit band at 16 k
"""
import struct
import sys


def write_bmp(path, width, height, pixel):
    stride = (width * 3 + 3) & ~3
    rows = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - width * 3)
        rows += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + rows)


def background(x, y):
    if x % 16 == 0 or y % 16 == 0:
        return (40, 60, 70)
    # the lower part (below the first 160 rows) keeps the green of row 159
    return (20 + x * 100 // 240, 90 + min(y, 159) * 80 // 160, 150 - x * 60 // 240)


FRAME_COLOURS = [(200, 40, 40), (220, 160, 30), (60, 170, 60), (40, 120, 200), (150, 60, 180)]


def strip(x, y):
    frame, fy = divmod(y, 32)
    dx, dy = x - 15.5, fy - 15.5
    if dx * dx + dy * dy > 14 * 14:
        return (255, 255, 255)
    # frame k shows k bars across the disc
    if frame > 0 and 8 <= fy < 24 and (x - 6) % 5 == 0 and 0 <= (x - 6) // 5 < frame:
        return (250, 250, 240)
    return FRAME_COLOURS[frame]


def toggle(x, y):
    edge = x in (0, 39) or y in (0, 19, 20, 39)
    if y < 20:
        return (90, 90, 90) if edge else (50, 50, 55)
    return (120, 60, 0) if edge else (250, 140, 20)


KNOB_FRAMES = 45
KNOB_PX = 24


def knob_strip(x, y):
    frame, fy = divmod(y, KNOB_PX)
    dx, dy = x - 11.5, fy - 11.5
    if dx * dx + dy * dy > 11 * 11:
        return (255, 255, 255)
    return (5 * frame, 80, 160)


def fader_handle(x, y):
    if x in (0, 11) or y in (0, 11):
        return (30, 30, 30)
    return (230, 230, 210)


def fader_track(x, y):
    if 8 <= x < 12 and 4 <= y < 196:
        return (10, 10, 10)
    return (70, 80, 90)


def switch_strip(x, y):
    frame, fy = divmod(y, 16)
    if 2 <= fy < 14 and frame * 10 <= x < frame * 10 + 8:
        return (250, 220, 40)
    return (40, 40, 60)


def splash(x, y):
    if x < 4 or y < 4 or x >= 236 or y >= 356:
        return (240, 240, 230)
    return (30, 20, 50)


def column_strip(x, y):
    frame, fy = divmod(y, 80)
    if 4 <= x < 20 and frame * 16 + 2 <= fy < frame * 16 + 14:
        return (60, 220, 120)
    return (40, 40, 60)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    write_bmp(f"{out}/background.bmp", 240, 360, background)
    write_bmp(f"{out}/strip.bmp", 32, 160, strip)
    write_bmp(f"{out}/toggle.bmp", 40, 40, toggle)
    write_bmp(f"{out}/knob.bmp", KNOB_PX, KNOB_PX * KNOB_FRAMES, knob_strip)
    write_bmp(f"{out}/handle.bmp", 12, 12, fader_handle)
    write_bmp(f"{out}/track.bmp", 20, 200, fader_track)
    write_bmp(f"{out}/switch.bmp", 48, 80, switch_strip)
    write_bmp(f"{out}/splash.bmp", 240, 360, splash)
    write_bmp(f"{out}/column.bmp", 24, 400, column_strip)


if __name__ == "__main__":
    main()
