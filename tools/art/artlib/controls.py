"""Control pictures shared by the editors: the knob, fader tracks and handles, and the
pieces of stepped switches. Opaque strips are drawn over a crop of the background they
cover, so no seam shows; keyed handles are solid shapes whose outside is the key colour.
"""
import math

import cairo

from . import raster
from .style import AMBER, LABEL, LABEL_DIM, SCREEN, TRAY, context, rgb, rgb8, rounded, text

KNOB_PX = 48
KNOB_FRAMES = 45


def knob_frame(k, frames=KNOB_FRAMES):
    """Frame k: the pointer turned clockwise from straight up by k / (frames - 1) of a turn."""
    s = raster.new_surface(KNOB_PX, KNOB_PX)
    cr = context(s)
    cr.set_source_rgb(*rgb(TRAY))
    cr.paint()
    c = KNOB_PX / 2
    # scale: 24 fine ticks, the four quarters longer
    cr.set_line_cap(cairo.LINE_CAP_BUTT)
    for t in range(24):
        a = t * 2 * math.pi / 24
        long = t % 6 == 0
        cr.set_line_width(1.2 if long else 0.8)
        cr.set_source_rgb(*rgb(LABEL if long else LABEL_DIM))
        r0, r1 = (19.6, 23.2) if long else (20.4, 22.4)
        cr.move_to(c + r0 * math.sin(a), c - r0 * math.cos(a))
        cr.line_to(c + r1 * math.sin(a), c - r1 * math.cos(a))
        cr.stroke()
    # shadow, then the body with its light rim and a brushed cap lit from the top left
    shadow = cairo.RadialGradient(c + 0.8, c + 1.8, 14, c + 0.8, c + 1.8, 19.5)
    shadow.add_color_stop_rgba(0, 0, 0, 0, 0.7)
    shadow.add_color_stop_rgba(1, 0, 0, 0, 0)
    cr.set_source(shadow)
    cr.arc(c + 0.8, c + 1.8, 19.5, 0, 2 * math.pi)
    cr.fill()
    rim = cairo.LinearGradient(c - 17, c - 17, c + 17, c + 17)
    rim.add_color_stop_rgb(0, *rgb("#9ba2ac"))
    rim.add_color_stop_rgb(1, *rgb("#24282d"))
    cr.set_source(rim)
    cr.arc(c, c, 17, 0, 2 * math.pi)
    cr.fill()
    cap = cairo.RadialGradient(c - 5, c - 6, 1, c, c, 16)
    cap.add_color_stop_rgb(0, *rgb("#5d646e"))
    cap.add_color_stop_rgb(1, *rgb("#2b2f35"))
    cr.set_source(cap)
    cr.arc(c, c, 15.2, 0, 2 * math.pi)
    cr.fill()
    cr.set_line_width(0.6)
    for i in range(3):
        cr.set_source_rgba(1, 1, 1, 0.035)
        cr.arc(c, c, 5 + i * 3.6, 0, 2 * math.pi)
        cr.stroke()
    # pointer: an amber bar from the centre area to the rim, with a dot on the rim
    a = 2 * math.pi * k / (frames - 1)
    dx, dy = math.sin(a), -math.cos(a)
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    cr.set_line_width(3.2)
    cr.set_source_rgba(0, 0, 0, 0.45)
    cr.move_to(c + 5.5 * dx + 0.6, c + 5.5 * dy + 0.9)
    cr.line_to(c + 13 * dx + 0.6, c + 13 * dy + 0.9)
    cr.stroke()
    cr.set_line_width(2.4)
    cr.set_source_rgb(*rgb(AMBER))
    cr.move_to(c + 5.5 * dx, c + 5.5 * dy)
    cr.line_to(c + 13 * dx, c + 13 * dy)
    cr.stroke()
    return raster.to_rgb(s)


def knob_strip():
    return raster.stack([knob_frame(k) for k in range(KNOB_FRAMES)])


def vertical_track(under, handle_h, travel):
    """A vertical fader slot over the background crop `under`: the groove spans the
    handle centre's travel (handle_h / 2 to handle_h / 2 + travel)."""
    s = under.surface()
    cr = context(s)
    w = under.width
    cx = w / 2
    top, bottom = handle_h / 2 - 2, handle_h / 2 + travel + 2
    rounded(cr, cx - 2.5, top, 5, bottom - top, 2.5)
    cr.set_source_rgb(*rgb("#07080a"))
    cr.fill()
    rounded(cr, cx - 2.5, top + 0.5, 5, bottom - top, 2.5)
    cr.set_source_rgba(1, 1, 1, 0.10)
    cr.set_line_width(0.8)
    cr.stroke()
    return raster.to_rgb(s)


def horizontal_track(under, handle_w, handle_left_min, travel, centre_y):
    """A horizontal fader slot: the groove spans the handle centre's travel."""
    s = under.surface()
    cr = context(s)
    left = handle_left_min + handle_w / 2 - 2
    right = handle_left_min + handle_w / 2 + travel + 2
    rounded(cr, left, centre_y - 2.5, right - left, 5, 2.5)
    cr.set_source_rgb(*rgb("#07080a"))
    cr.fill()
    rounded(cr, left, centre_y - 2.0, right - left, 5, 2.5)
    cr.set_source_rgba(1, 1, 1, 0.10)
    cr.set_line_width(0.8)
    cr.stroke()
    return raster.to_rgb(s)


def fader_cap(width, height, vertical=True, radius=2.0):
    """A keyed fader cap: a solid rounded block, lit from above, with an amber index line
    across its middle. The corners are the key colour."""
    s = raster.new_surface(width, height, alpha=True)
    cr = context(s)
    rounded(cr, 0, 0, width, height, radius)
    g = cairo.LinearGradient(0, 0, 0, height)
    g.add_color_stop_rgb(0, *rgb("#b6bcc4"))
    g.add_color_stop_rgb(0.5, *rgb("#80868f"))
    g.add_color_stop_rgb(1, *rgb("#4f545b"))
    cr.set_source(g)
    cr.fill()
    rounded(cr, 0.5, 0.5, width - 1, height - 1, radius)
    cr.set_source_rgba(0, 0, 0, 0.55)
    cr.set_line_width(1)
    cr.stroke()
    # grip lines and the amber index
    cr.set_line_width(1)
    if vertical:
        mid = height // 2
        for dy in (-3, 3):
            if 2 <= mid + dy < height - 2:
                cr.set_source_rgba(0, 0, 0, 0.35)
                cr.rectangle(2, mid + dy, width - 4, 1)
                cr.fill()
        cr.set_source_rgb(*rgb(AMBER))
        cr.rectangle(1, mid, width - 2, 1)
        cr.fill()
    else:
        mid = width // 2
        for dx in (-3, 3):
            if 2 <= mid + dx < width - 2:
                cr.set_source_rgba(0, 0, 0, 0.35)
                cr.rectangle(mid + dx, 2, 1, height - 4)
                cr.fill()
        cr.set_source_rgb(*rgb(AMBER))
        cr.rectangle(mid, 1, 1, height - 2)
        cr.fill()
    return raster.keyed(s, rgb8("#202328"))


def led(cr, x, y, on, r=2.0):
    if on:
        glow = cairo.RadialGradient(x, y, 0, x, y, r * 2.6)
        glow.add_color_stop_rgba(0, 1, 0.68, 0.24, 0.55)
        glow.add_color_stop_rgba(1, 1, 0.68, 0.24, 0)
        cr.set_source(glow)
        cr.arc(x, y, r * 2.6, 0, 2 * math.pi)
        cr.fill()
    cr.set_source_rgb(*rgb(AMBER if on else "#3a3128"))
    cr.arc(x, y, r, 0, 2 * math.pi)
    cr.fill()


def screen(cr, x, y, w, h, r=2.5):
    """A dark display face. Keep it a pixel inside a strip's corners, so the corners of
    every frame stay the background's own pixels."""
    rounded(cr, x, y, w, h, r)
    cr.set_source_rgb(*rgb(SCREEN))
    cr.fill()


def display_text(cr, s, x, y, lit, size=7.0, align="left"):
    text(cr, s, x, y, AMBER if lit else "#4d535b", size, True, 0, align)

