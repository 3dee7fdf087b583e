"""Each editor assembled from its bitmaps at the controls' default values, drawn where the
editor's layout puts them, for the contact sheet: it shows that labels, trays and strips
line up."""
import math

from . import raster
from .style import context, rgb


def _frame(strip, frames, k):
    h = strip.height // frames
    return k * h, h


def _strip(surface, strip, frames, k, x, y):
    source_y, h = _frame(strip, frames, k)
    raster.draw(surface, strip, x, y, source_y, h)


def _vertical_fader(surface, track, handle, x, y, travel, value, handle_dx=0):
    raster.draw(surface, track, x, y)
    raster.draw_keyed(surface, handle, x + handle_dx, y + math.trunc(travel * (1 - value)))


def _horizontal_fader(surface, track, handle, x, y, travel, value, left_min, handle_dx=0):
    raster.draw(surface, track, x, y)
    left = max(left_min, math.trunc(travel * (1 - value)) + handle_dx)
    raster.draw_keyed(surface, handle, x + left, y)


def _value_display(surface, rect, label):
    """A value display as the zoom editor draws it: black box, blue outline, white text."""
    x, y, w, h = rect
    cr = context(surface)
    cr.set_source_rgb(0, 0, 0)
    cr.rectangle(x, y, w, h)
    cr.fill()
    cr.set_source_rgb(0, 0, 1)
    cr.set_line_width(1)
    cr.rectangle(x + 0.5, y + 0.5, w - 1, h - 1)
    cr.stroke()
    cr.select_font_face("Liberation Sans")
    cr.set_font_size(11)
    cr.set_source_rgb(*rgb("#fefefe"))
    width = cr.text_extents(label).x_advance
    cr.move_to(round(x + (w - width) / 2), y + 11)
    cr.show_text(label)


def panner(bitmaps, master):
    from .panner import FADERS, FADER_TOP, FADER_TRAVEL, KNOBS, MIRROR
    s = bitmaps[128][1].surface()
    defaults = [0.1, 0.8333333, 0.1, 0.5, 0.5, 0.1, 0.8333333, 0.1]
    for (x, _), value in zip(FADERS, defaults):
        _vertical_fader(s, bitmaps[129][1], bitmaps[130][1], x, FADER_TOP, FADER_TRAVEL, value, 1)
    for x, y in KNOBS:
        _strip(s, bitmaps[132][1], 45, 44, x, y)
    if master:
        _strip(s, bitmaps[133][1], 5, 0, MIRROR[0], MIRROR[1])
    return raster.to_rgb(s)


def field(bitmaps):
    from .field import KNOBS, ORDER
    s = bitmaps[128][1].surface()
    for x, y, _ in KNOBS:
        _strip(s, bitmaps[132][1], 45, 44, x, y)
    _strip(s, bitmaps[133][1], 6, 0, ORDER[0], ORDER[1])
    return raster.to_rgb(s)


def zoom(bitmaps):
    from .zoom import DISPLAYS, FADER, HANDLE_LEFT_MIN, HANDLE_TRAVEL, KNOBS
    s = bitmaps[128][1].surface()
    for (x, y, _), k in zip(KNOBS, (0, 11)):
        _strip(s, bitmaps[132][1], 45, k, x, y)
    _horizontal_fader(s, bitmaps[129][1], bitmaps[130][1], FADER[0], FADER[1], HANDLE_TRAVEL, 0.5, HANDLE_LEFT_MIN)
    for rect, label in zip(DISPLAYS, ("360.00", "0.00", "0.00")):
        _value_display(s, rect, label)
    return raster.to_rgb(s)


def decoder(bitmaps):
    from .decoder import PICTURE, SWITCH
    s = bitmaps[128][1].surface()
    _strip(s, bitmaps[132][1], 8, 0, SWITCH[0], SWITCH[1])
    _strip(s, bitmaps[129][1], 8, 0, PICTURE[0], PICTURE[1])
    return raster.to_rgb(s)


def rigdecoder(bitmaps):
    from .rigdecoder import (BLEND, BLEND_LEFT_MIN, BLEND_TRAVEL, FORCE_BOX, LOOP_BOX, MENU, PICTURE, TEST_BUTTON,
                             VOLUME, VOLUME_TRAVEL)
    s = bitmaps[128][1].surface()
    _strip(s, bitmaps[136][1], 11, 0, PICTURE[0], PICTURE[1])
    _horizontal_fader(s, bitmaps[131][1], bitmaps[132][1], BLEND[0], BLEND[1], BLEND_TRAVEL, 0.5, BLEND_LEFT_MIN,
                      BLEND_LEFT_MIN)
    _vertical_fader(s, bitmaps[129][1], bitmaps[130][1], VOLUME[0], VOLUME[1], VOLUME_TRAVEL, 1.0)
    for (x, y), strip in ((FORCE_BOX, bitmaps[133][1]), (LOOP_BOX, bitmaps[134][1])):
        _strip(s, strip, 2, 0, x, y)
    _strip(s, bitmaps[135][1], 2, 0, TEST_BUTTON[0], TEST_BUTTON[1])
    cr = context(s)
    cr.select_font_face("Liberation Sans")
    cr.set_font_size(11)
    cr.set_source_rgb(*rgb("#fefefe"))
    cr.move_to(MENU[0] + 1, MENU[1] + 10)
    cr.show_text("Stereo")
    return raster.to_rgb(s)


def assembled(all_bitmaps):
    """(title, picture) of every editor, in the order of make_art's editors."""
    pm, pe, f, z, d, r = all_bitmaps
    return [("panner, master variant", panner(pm, True)), ("panner, effect variant", panner(pe, False)),
            ("field processor", field(f)), ("zoom", zoom(z)), ("decoder", decoder(d)),
            ("rig decoder (Halvane)", rigdecoder(r))]
