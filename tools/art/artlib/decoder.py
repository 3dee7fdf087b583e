"""The decoder's editor (326 x 126): an eight-position layout switch, the picture of the
chosen layout beside it, and the title in the splash click area at the bottom left."""
import math

from . import controls, raster, speakers, style
from .style import AMBER, HEADING, LABEL, LABEL_DIM, context, rgb, text

WIDTH, HEIGHT = 326, 126
SWITCH = (5, 25, 218, 13)
PICTURE = (239, 28, 80, 88)
HANDLE_W = 21
NAMES = ["CUBE", "SQUARE", "RECTANGLE", "HEXAGON", "OCTAGON 1", "OCTAGON 2", "STEREO", "MONO"]
SHORT = ["CUBE", "SQR", "RECT", "HEX", "OCT 1", "OCT 2", "STER", "MONO"]


def band_centre(k):
    """Centre of the band a click selects for position k (the switch cuts 218 into 8)."""
    return SWITCH[0] + (k + 0.5) * SWITCH[2] / 8


def handle_left(k):
    return round(band_centre(k) - SWITCH[0] - HANDLE_W / 2)


def background():
    s = raster.new_surface(WIDTH, HEIGHT)
    cr = context(s)
    style.panel(cr, WIDTH, HEIGHT)
    text(cr, "LOUDSPEAKER LAYOUT", 8, 16, HEADING, 7, True, 1)
    x, y, w, h = SWITCH
    style.tray(cr, x, y, w, h, 3)
    for k in range(8):
        cx = band_centre(k)
        cr.set_source_rgb(*rgb(LABEL_DIM))
        cr.rectangle(math.floor(cx), y + h + 3, 1, 3)
        cr.fill()
        glyph(cr, k, cx, y + h + 20)
        text(cr, SHORT[k], cx, y + h + 42, LABEL, 7, True, 0, "centre")
    px, py, pw, ph = PICTURE
    style.tray(cr, px, py, pw, ph, 3)
    text(cr, "OUTPUTS", px + pw / 2, py - 5, HEADING, 7, True, 1, "centre")
    # the title sits in the splash click area (0, 90 to 220, 120)
    cr.set_source_rgba(0, 0, 0, 0.22)
    style.rounded(cr, 5, 92, 213, 26, 4)
    cr.fill()
    style.wordmark(cr, 14, 110, 13)
    text(cr, "DECODER", 66, 110, HEADING, 11, True, 2)
    text(cr, "B-FORMAT", 210, 109, LABEL_DIM, 7, True, 1, "right")
    return raster.to_rgb(s)


def glyph(cr, k, cx, cy):
    """A small outline of layout k for the label row under the switch."""
    cr.set_source_rgb(*rgb(LABEL_DIM))
    cr.set_line_width(1)
    r = 6.5
    if k == 0:
        cr.rectangle(cx - 6.5, cy - 3.5, 9, 9)
        cr.rectangle(cx - 2.5, cy - 7.5, 9, 9)
        for dx, dy in ((-6.5, -3.5), (2.5, -3.5), (-6.5, 5.5), (2.5, 5.5)):
            cr.move_to(cx + dx, cy + dy)
            cr.line_to(cx + dx + 4, cy + dy - 4)
        cr.stroke()
        return
    if k in (1, 2):
        w = 13 if k == 1 else 9
        cr.rectangle(round(cx - w / 2) + 0.5, cy - 6.5, w, 13)
        cr.stroke()
        return
    if k in (3, 4, 5):
        n, offset = (6, 0.5) if k == 3 else (8, 0.5 if k == 4 else 0.0)
        for i in range(n + 1):
            a = 2 * math.pi * (i + offset) / n
            (cr.move_to if i == 0 else cr.line_to)(cx - r * math.sin(a), cy - r * math.cos(a))
        cr.stroke()
        return
    dots = [(-5, 0), (5, 0)] if k == 6 else [(0, 0)]
    for dx, dy in dots:
        cr.arc(cx + dx, cy + dy, 2.5, 0, 2 * math.pi)
        cr.fill()


def switch_frame(under, k):
    s = under.surface()
    cr = context(s)
    draw_switch_track(cr)
    cap = controls.fader_cap(HANDLE_W, SWITCH[3], vertical=False)
    raster.draw_keyed(s, cap, handle_left(k), 0)
    return raster.to_rgb(s)


def draw_switch_track(cr):
    left, right = band_centre(0) - SWITCH[0], band_centre(7) - SWITCH[0]
    cr.set_source_rgb(*rgb("#07080a"))
    style.rounded(cr, left - 3, 4.5, right - left + 6, 4, 2)
    cr.fill()
    for k in range(8):
        cx = band_centre(k) - SWITCH[0]
        cr.set_source_rgb(*rgb("#4a5058"))
        cr.rectangle(math.floor(cx), 2, 1, 2)
        cr.rectangle(math.floor(cx), 9, 1, 2)
        cr.fill()


def layout_frame(layout, name):
    s = raster.new_surface(PICTURE[2], PICTURE[3])
    cr = context(s)
    w, h = PICTURE[2], PICTURE[3]
    speakers.backdrop(cr, w, h)
    outputs = layout["outputs"]
    periphonic = any(o and abs(o["elevation"]) > 1 for o in outputs)
    if periphonic:
        camera = speakers.clearest_camera(outputs, w / 2, 38, 130)
    else:
        camera = speakers.Camera(w / 2, 38, 118, 4.2, 62)
    speakers.ring(cr, camera)
    speakers.axes(cr, camera, 1.25, False)
    speakers.listener(cr, camera, 3)
    if all(o is None for o in outputs):
        # mono: no direction, every output carries the same signal
        directions = [{"azimuth": 14, "elevation": 0}, {"azimuth": -14, "elevation": 0}]
    else:
        directions = outputs
    if periphonic:
        speakers.edges(cr, camera, directions)
    speakers.speakers(cr, camera, directions, 6.0, 5.0)
    text(cr, name, w / 2, h - 5, AMBER, 6, True, 1, "centre")
    cr.set_source_rgba(1, 1, 1, 0.06)
    cr.rectangle(0.5, 0.5, w - 1, h - 1)
    cr.set_line_width(1)
    cr.stroke()
    return raster.to_rgb(s)


def splash():
    s = raster.new_surface(WIDTH, HEIGHT)
    cr = context(s)
    style.splash(cr, WIDTH, HEIGHT, "ORVA DECODER", "EIGHT LOUDSPEAKER LAYOUTS", ["Click to close"])
    return raster.to_rgb(s)


def bitmaps(layouts):
    bg = background()
    x, y, w, h = SWITCH
    under = bg.crop(x, y, w, h)
    track_surface = under.surface()
    draw_switch_track(context(track_surface))
    return {
        128: ("background.bmp", bg),
        129: ("layouts.bmp", raster.stack([layout_frame(l, n) for l, n in zip(layouts, NAMES)])),
        130: ("unused_track.bmp", raster.to_rgb(track_surface)),
        131: ("unused_handle.bmp", controls.fader_cap(HANDLE_W, h, vertical=False)),
        132: ("switch.bmp", raster.stack([switch_frame(under, k) for k in range(8)])),
        134: ("splash.bmp", splash()),
    }
