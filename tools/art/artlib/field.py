"""The field processor's editor (186 x 190): three full-turn knobs for the rotations in
the order applied, and a six-row switch for the order of processing."""
from . import controls, raster, style
from .style import AMBER, HEADING, LABEL, context, rgb, text

WIDTH, HEIGHT = 186, 190
KNOBS = [(22, 36, "FIRST"), (70, 36, "SECOND"), (118, 36, "THIRD")]
ORDER = (22, 90, 144, 80)
ORDERS = [("Rotate", "Tilt", "Tumble"), ("Rotate", "Tumble", "Tilt"), ("Tilt", "Rotate", "Tumble"),
          ("Tilt", "Tumble", "Rotate"), ("Tumble", "Rotate", "Tilt"), ("Tumble", "Tilt", "Rotate")]
COLUMNS = (19, 62, 105)


def background():
    s = raster.new_surface(WIDTH, HEIGHT)
    cr = context(s)
    style.panel(cr, WIDTH, HEIGHT)
    style.title_strip(cr, WIDTH, 50, 136, "FIELD")
    style.tray(cr, 16, 22, 154, 154, 5)
    for x, y, label in KNOBS:
        text(cr, label, x + 24, y - 5, LABEL, 7, True, 1, "centre")
    text(cr, "ORDER OF ROTATIONS", WIDTH / 2, 186, HEADING, 7, True, 1, "centre")
    return raster.to_rgb(s)


def row_top(k):
    return int(k * ORDER[3] / 6)


def order_strip(under):
    """Frame k marks row k; each row lies in the band a click selects (80 / 6 pixels)."""
    frames = []
    for k in range(6):
        s = under.surface()
        cr = context(s)
        controls.screen(cr, 1, 1, ORDER[2] - 2, ORDER[3] - 2, 3)
        for row, names in enumerate(ORDERS):
            top, bottom = row_top(row), row_top(row + 1)
            lit = row == k
            if lit:
                cr.set_source_rgba(1, 0.68, 0.24, 0.13)
                cr.rectangle(2, top + 1, ORDER[2] - 4, bottom - top - 1)
                cr.fill()
            controls.led(cr, 9, (top + bottom) / 2 + 0.5, lit, 1.8)
            base = bottom - 3
            for i, (name, x) in enumerate(zip(names, COLUMNS)):
                text(cr, name, x, base, AMBER if lit else "#8a919b", 8, lit, 0)
                if i < 2:
                    # an arrow to the rotation applied next
                    ax = COLUMNS[i + 1] - 6
                    cr.set_source_rgb(*rgb(AMBER if lit else "#4a5058"))
                    cr.move_to(ax, base - 6)
                    cr.line_to(ax, base - 1)
                    cr.line_to(ax + 3, base - 3.5)
                    cr.close_path()
                    cr.fill()
        frames.append(raster.to_rgb(s))
    return raster.stack(frames)


def splash():
    s = raster.new_surface(WIDTH, HEIGHT)
    cr = context(s)
    style.splash(cr, WIDTH, HEIGHT, "ORVA FIELD", "B-FORMAT ROTATION", ["Rotate, tilt and tumble", "Click to close"])
    return raster.to_rgb(s)


def bitmaps(knob):
    bg = background()
    x, y, w, h = ORDER
    return {
        128: ("background.bmp", bg),
        132: ("knob.bmp", knob),
        133: ("order.bmp", order_strip(bg.crop(x, y, w, h))),
        134: ("splash.bmp", splash()),
    }
