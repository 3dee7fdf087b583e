"""The contact sheet: each editor assembled at its default values, then every bitmap,
captioned with its resource script(s), id, file and size. Strips are shown as their
frames laid out in a grid."""
import cairo

from . import raster
from .style import AMBER, HEADING, LABEL_DIM, context, font, rgb, text, text_width

PAGE_W = 1180
MARGIN = 16
GAP = 14
CAPTION_H = 28
FRAME_GAP = 3
SECTION_H = 30


class Tile:
    def __init__(self, first, second, picture, frames=1):
        self.first, self.second, self.picture, self.frames = first, second, picture, frames

    def grid(self):
        fw, fh = self.picture.width, self.picture.height // self.frames
        limit = PAGE_W - 2 * MARGIN
        columns = max(1, min(self.frames, (limit + FRAME_GAP) // (fw + FRAME_GAP), 15))
        rows = (self.frames + columns - 1) // columns
        return fw, fh, columns, columns * (fw + FRAME_GAP) - FRAME_GAP, rows * (fh + FRAME_GAP) - FRAME_GAP

    def size(self, measure):
        *_, w, h = self.grid()
        font(measure, 9, False)
        w = max(w, text_width(measure, self.first))
        font(measure, 10, True)
        w = max(w, text_width(measure, self.second))
        return w, h + CAPTION_H + (14 if self.picture.key_mask else 0)

    def draw(self, cr, x, y):
        fw, fh, columns, _, _ = self.grid()
        text(cr, self.first, x, y + 10, LABEL_DIM, 9, False, 0)
        text(cr, self.second, x, y + 22, AMBER, 10, True, 0)
        source = self.picture.surface()
        for k in range(self.frames):
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
        if self.picture.key_mask:
            text(cr, "keyed: white is left out", x, y + CAPTION_H + self.picture.height + 12, LABEL_DIM, 9, False, 0)


def bitmap_tiles(entries):
    """One tile per file; a file loaded by several scripts names them all."""
    tiles = {}
    for script, rid, name, picture, frames in entries:
        folder, script_name = script.split("/")
        if (folder, name) in tiles:
            tiles[(folder, name)][0].append(script_name)
            continue
        tiles[(folder, name)] = ([script_name], folder, rid, name, picture, frames)
    result = []
    for scripts, folder, rid, name, picture, frames in tiles.values():
        count = f"  {frames} frames" if frames > 1 else ""
        size = f"{picture.width}\u00d7{picture.height}"
        result.append(Tile(f"{folder}/{', '.join(scripts)}", f"{rid}  {name}  {size}{count}", picture, frames))
    return result


def flow(tiles, top, measure):
    """Places tiles left to right in rows; returns the placements and the bottom edge."""
    placed = []
    x, y, row_h = MARGIN, top, 0
    for tile in tiles:
        w, h = tile.size(measure)
        if x + w > PAGE_W - MARGIN and x > MARGIN:
            x, y, row_h = MARGIN, y + row_h + GAP, 0
        placed.append((tile, x, y))
        x += w + GAP
        row_h = max(row_h, h)
    return placed, y + row_h


def sheet(entries, previews):
    measure = context(raster.new_surface(1, 1))
    preview_tiles = [Tile("assembled at the default values", title, picture) for title, picture in previews]
    top_previews = 52 + SECTION_H
    placed_previews, bottom = flow(preview_tiles, top_previews, measure)
    top_bitmaps = bottom + GAP + SECTION_H
    placed_bitmaps, bottom = flow(bitmap_tiles(entries), top_bitmaps, measure)
    s = raster.new_surface(PAGE_W, bottom + MARGIN)
    cr = context(s)
    cr.set_source_rgb(*rgb("#1e2125"))
    cr.paint()
    text(cr, "ORVA EDITOR ART", MARGIN, 24, HEADING, 16, True, 3)
    text(cr, "every bitmap the editors load, by resource script and id (made by tools/art/make_art.sh)", MARGIN, 40,
         LABEL_DIM, 10, False, 0)
    text(cr, "EDITORS", MARGIN, top_previews - 10, HEADING, 11, True, 2)
    text(cr, "BITMAPS", MARGIN, top_bitmaps - 10, HEADING, 11, True, 2)
    for tile, x, y in placed_previews + placed_bitmaps:
        tile.draw(cr, x, y)
    return raster.to_rgb(s)
