#!/usr/bin/python3
"""Draws every bitmap the six editors load, their resource scripts and the contact sheet.

Usage: make_art.py <speakers.json> <output root>
  speakers.json  the output of orva_art_speakers (loudspeaker directions from the
                 plug-ins' own tables)
  output root    the repository root, or a scratch folder to compare with it; files go to
                 <root>/resources/<plug-in>/ and <root>/docs/art.png

Run tools/art/make_art.sh to build the speaker tool and regenerate everything in place.
The output depends only on the inputs, the fonts and cairo: the same inputs give the
same bytes (tests/art checks the committed files against a fresh run).
"""
import json
import os
import sys

sys.dont_write_bytecode = True  # runs from the source tree, also in tests: leave it clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from artlib import contact, controls, decoder, field, panner, preview, raster, rigdecoder, style, zoom  # noqa: E402

# (folder, resource script, what the script's comment calls it)
EDITORS = [
    ("panner", "panner_master.rc", "panner editor, master variant"),
    ("panner", "panner_effect.rc", "panner editor, effect variant"),
    ("field", "field.rc", "field processor editor"),
    ("zoom", "zoom.rc", "zoom editor"),
    ("decoder", "decoder.rc", "decoder editor"),
    ("rigdecoder", "rigdecoder.rc", "rig decoder editor (Halvane)"),
]
FRAMES = {
    "knob.bmp": 45, "mirror.bmp": 5, "order.bmp": 6, "layouts.bmp": 8, "switch.bmp": 8, "check_order.bmp": 2,
    "check_loop.bmp": 2, "test_button.bmp": 2, "rigs.bmp": 11,
}


def editor_bitmaps(speakers):
    knob = controls.knob_strip()
    return [
        panner.bitmaps(True, knob),
        panner.bitmaps(False, knob),
        field.bitmaps(knob),
        zoom.bitmaps(knob),
        decoder.bitmaps(speakers["decoder_layouts"]),
        rigdecoder.bitmaps(speakers["rigs"]),
    ]


def resource_script(description, bitmaps):
    lines = [f"// Bitmap resources of the {description} (made by tools/art/make_art.sh)."]
    lines += [f'{rid} BITMAP "{name}"' for rid, (name, _) in sorted(bitmaps.items())]
    return "\n".join(lines) + "\n"


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    style.check_fonts()
    with open(sys.argv[1]) as f:
        speakers = json.load(f)
    root = sys.argv[2]
    sheet = []
    all_bitmaps = editor_bitmaps(speakers)
    for (folder, script, description), bitmaps in zip(EDITORS, all_bitmaps):
        for rid, (name, picture) in sorted(bitmaps.items()):
            write(os.path.join(root, "resources", folder, name), raster.bmp_bytes(picture))
            sheet.append((f"{folder}/{script}", rid, name, picture, FRAMES.get(name, 1)))
        write(os.path.join(root, "resources", folder, script), resource_script(description, bitmaps).encode())
    write(os.path.join(root, "docs", "art.png"), raster.png_bytes(contact.sheet(sheet, preview.assembled(all_bitmaps))))


if __name__ == "__main__":
    main()
