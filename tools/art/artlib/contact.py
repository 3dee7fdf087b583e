"""The contact sheet: every bitmap on one page, captioned with its resource script(s), id,
file and size. Strips are shown as their frames laid out in a grid."""
import cairo

from . import raster
from .style import AMBER, HEADING, LABEL_DIM, context, font, rgb, text, text_width

PAGE_W = 1180
MARGIN = 16
GAP = 14
CAPTION_H = 28
FRAME_GAP = 3


def frames_grid(picture, frames):
    fw, fh = picture.width, picture.height // frames
    limit = PAGE_W - 2 * MARGIN
    columns = max(1, min(frames, (limit + FRAME_GAP) // (fw + FRAME_GAP), 15))
    rows = (frames + columns - 1) // columns
    return fw, fh, columns, rows, columns * (fw + FRAME_GAP) - FRAME_GAP, rows * (fh + FRAME_GAP) - FRAME_GAP


def captions(tile):
    p = tile["picture"]
    frames = f"  {tile['frames']} frames" if tile["frames"] > 1 else ""
    return (f"{tile['folder']}/{', '.join(tile['scripts'])}",
            f"{tile['id']}  {tile['name']}  {p.width}\u00d7{p.height}{frames}")


def caption_width(cr, tile):
    first, second = captions(tile)
    font(cr, 9, False)
    w1 = text_width(cr, first)
    font(cr, 10, True)
    return max(w1, text_width(cr, second))


def sheet(entries):
    # one tile per file; a file loaded by several scripts names them all
    tiles = {}
    for script, rid, name, picture, frames in entries:
        key = (script.split("/")[0], name)
        if key in tiles:
            tiles[key]["scripts"].append(script.split("/")[1])
            continue
        tiles[key] = {"scripts": [script.split("/")[1]], "folder": key[0], "id": rid, "name": name,
                      "picture": picture, "frames": frames}
    placed = []
    x, y, row_h = MARGIN, 52, 0
    measure = context(raster.new_surface(1, 1))
    for tile in tiles.values():
        *_, w, h = frames_grid(tile["picture"], tile["frames"])
        w = max(w, caption_width(measure, tile))
        if x + w > PAGE_W - MARGIN:
            x, y, row_h = MARGIN, y + row_h + GAP, 0
        placed.append((tile, x, y))
        x += w + GAP
        row_h = max(row_h, h + CAPTION_H + (14 if tile["picture"].key_mask else 0))
    height = y + row_h + MARGIN
    s = raster.new_surface(PAGE_W, height)
    cr = context(s)
    cr.set_source_rgb(*rgb("#1e2125"))
    cr.paint()
    text(cr, "ORVA EDITOR ART", MARGIN, 24, HEADING, 16, True, 3)
    text(cr, "every bitmap the editors load, by resource script and id (made by tools/art/make_art.sh)",
         MARGIN, 40, LABEL_DIM, 10, False, 0)
    for tile, x, y in placed:
        p = tile["picture"]
        fw, fh, columns, _, _, _ = frames_grid(p, tile["frames"])
        first, second = captions(tile)
        text(cr, first, x, y + 10, LABEL_DIM, 9, False, 0)
        text(cr, second, x, y + 22, AMBER, 10, True, 0)
        source = p.surface()
        for k in range(tile["frames"]):
            dx = x + (k % columns) * (fw + FRAME_GAP)
            dy = y + CAPTION_H + (k // columns) * (fh + FRAME_GAP)
            cr.save()
            cr.rectangle(dx, dy, fw, fh)
            cr.clip()
            pattern = cairo.SurfacePattern(source)
            pattern.set_filter(cairo.FILTER_NEAREST)
            pattern.set_matrix(cairo.Matrix(x0=-dx, y0=-dy + k * fh))
            cr.set_source(pattern)
            cr.paint()
            cr.restore()
        if p.key_mask:
            text(cr, "keyed: white is left out", x, y + CAPTION_H + p.height + 12, LABEL_DIM, 9, False, 0)
    return raster.to_rgb(s)
