"""The zoom's editor (186 x 190): azimuth and elevation knobs, a horizontal zoom fader
from "away" (left) to "towards" (right), and room for the three value displays."""
import math

from . import controls, raster, style
from .style import HEADING, LABEL, LABEL_DIM, context, rgb, text

WIDTH, HEIGHT = 186, 190
KNOBS = [(22, 56, "AZIMUTH"), (118, 56, "ELEVATION")]
DISPLAYS = [(25, 110, 40, 14), (121, 110, 40, 14), (71, 164, 40, 14)]
FADER = (12, 144, 160, 16)
HANDLE_W, HANDLE_H = 12, 14
HANDLE_LEFT_MIN = 5      # minimum position 17 - handle width 12
HANDLE_TRAVEL = 146      # handle left = max(5, trunc(146 * (1 - value)))


def background():
    s = raster.new_surface(WIDTH, HEIGHT)
    cr = context(s)
    style.panel(cr, WIDTH, HEIGHT)
    style.title_strip(cr, WIDTH, 50, 136, "ZOOM")
    text(cr, "DIRECTION", WIDTH / 2, 30, HEADING, 7, True, 1, "centre")
    for x, y, label in KNOBS:
        style.tray(cr, x - 4, y - 4, 56, 74, 5)
        text(cr, label, x + 24, y - 8, LABEL, 7, True, 1, "centre")
    for x, y, w, h in DISPLAYS:
        # a bezel around each display; the display itself draws its own box
        style.rounded(cr, x - 2, y - 2, w + 4, h + 4, 2)
        cr.set_source_rgb(*rgb("#0c0e10"))
        cr.fill()
    fx, fy, fw, fh = FADER
    style.tray(cr, fx - 3, fy - 2, fw + 6, fh + 3, 3)
    text(cr, "ZOOM", WIDTH / 2, fy - 7, HEADING, 7, True, 1, "centre")
    for i in range(11):
        x = fx + HANDLE_LEFT_MIN + HANDLE_W / 2 + math.trunc(HANDLE_TRAVEL * i / 10)
        long = i in (0, 5, 10)
        cr.set_source_rgb(*rgb(LABEL if long else LABEL_DIM))
        cr.rectangle(math.floor(x), fy - 6 if long else fy - 5, 1, 3 if long else 2)
        cr.fill()
    text(cr, "AWAY", fx, fy + fh + 12, LABEL, 7, True, 1, "left")
    text(cr, "TOWARDS", fx + fw, fy + fh + 12, LABEL, 7, True, 1, "right")
    return raster.to_rgb(s)


def splash():
    s = raster.new_surface(WIDTH, HEIGHT)
    cr = context(s)
    style.splash(cr, WIDTH, HEIGHT, "ORVA ZOOM", "B-FORMAT DOMINANCE", ["Push the field towards a direction",
                                                                         "Click to close"])
    return raster.to_rgb(s)


def bitmaps(knob):
    bg = background()
    fx, fy, fw, fh = FADER
    track = controls.horizontal_track(bg.crop(fx, fy, fw, fh), HANDLE_W, HANDLE_LEFT_MIN, HANDLE_TRAVEL, HANDLE_H / 2)
    return {
        128: ("background.bmp", bg),
        129: ("fader_track.bmp", track),
        130: ("fader_handle.bmp", controls.fader_cap(HANDLE_W, HANDLE_H, vertical=False)),
        132: ("knob.bmp", knob),
        133: ("splash.bmp", splash()),
    }
