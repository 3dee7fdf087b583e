"""The suite's visual language: palette, type, the panel and tray materials, and the Orva
mark. Every editor draws with these, so the six editors read as one family.

Panels are dark graphite lit from above; controls sit in flat recessed trays, so a strip
drawn opaquely over a tray meets the same tray colour at its edges wherever it is placed.
One warm amber marks what moves or is selected; labels are small spaced capitals.
"""
import math
import os

import cairo

FONT_FACE = "Liberation Sans"
FONT_FILES = ("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
              "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf")


def rgb(hex_colour):
    v = int(hex_colour.lstrip("#"), 16)
    return ((v >> 16) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0)


def rgb8(hex_colour):
    v = int(hex_colour.lstrip("#"), 16)
    return (v >> 16, (v >> 8) & 255, v & 255)


PANEL_TOP = "#3a3f47"
PANEL_BOTTOM = "#2a2e34"
TRAY = "#1b1e22"           # flat recess the controls sit in
TRAY_EDGE_DARK = "#121417"
TRAY_EDGE_LIGHT = "#4a505a"
SCREEN = "#101316"         # displays and pictures
SCREEN_GRID = "#1f262b"
LABEL = "#c3c9d1"
LABEL_DIM = "#838b96"
HEADING = "#e9ecef"
AMBER = "#ffae3d"
AMBER_DIM = "#7a5524"
SPEAKER = "#d9dee4"


def check_fonts():
    for path in FONT_FILES:
        if not os.path.exists(path):
            raise SystemExit(f"make_art: missing font {path} (Debian package fonts-liberation2)")


def context(surface):
    """A cairo context with fixed text rendering, independent of the user's font settings."""
    cr = cairo.Context(surface)
    options = cairo.FontOptions()
    options.set_antialias(cairo.ANTIALIAS_GRAY)
    options.set_hint_style(cairo.HINT_STYLE_SLIGHT)
    options.set_hint_metrics(cairo.HINT_METRICS_ON)
    options.set_subpixel_order(cairo.SUBPIXEL_ORDER_DEFAULT)
    cr.set_font_options(options)
    return cr


def font(cr, size, bold=True):
    weight = cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL
    cr.select_font_face(FONT_FACE, cairo.FONT_SLANT_NORMAL, weight)
    cr.set_font_size(size)


def text_width(cr, text, spacing=0.0):
    if not text:
        return 0.0
    return sum(cr.text_extents(ch).x_advance for ch in text) + spacing * (len(text) - 1)


def text(cr, s, x, y, colour=LABEL, size=7.5, bold=True, spacing=0.6, align="left"):
    """Letter-spaced text with its baseline at y; align left, centre or right of x.
    Sizes and spacing are whole pixels below 12 px (hinted advances are whole too), so
    every glyph starts on a pixel and small capitals stay crisp."""
    if size < 12:
        size, spacing = round(size), round(spacing)
    font(cr, size, bold)
    w = text_width(cr, s, spacing)
    if align == "centre":
        x -= w / 2
    elif align == "right":
        x -= w
    cr.set_source_rgb(*rgb(colour))
    pen = round(x)
    for ch in s:
        cr.move_to(pen, round(y))
        cr.show_text(ch)
        pen += cr.text_extents(ch).x_advance + spacing
    return w


def panel(cr, width, height):
    """The brushed graphite panel, lit from above, with a fine top highlight."""
    g = cairo.LinearGradient(0, 0, 0, height)
    g.add_color_stop_rgb(0, *rgb(PANEL_TOP))
    g.add_color_stop_rgb(1, *rgb(PANEL_BOTTOM))
    cr.set_source(g)
    cr.paint()
    # fine horizontal grain: deterministic, faint, never near the key colour
    for y in range(0, height, 2):
        shade = ((y * 37) % 11) / 11.0
        cr.set_source_rgba(1, 1, 1, 0.012 + 0.012 * shade)
        cr.rectangle(0, y, width, 1)
        cr.fill()
    cr.set_source_rgba(1, 1, 1, 0.10)
    cr.rectangle(0, 0, width, 1)
    cr.fill()
    cr.set_source_rgba(0, 0, 0, 0.45)
    cr.rectangle(0, height - 1, width, 1)
    cr.fill()


def rounded(cr, x, y, w, h, r):
    cr.new_sub_path()
    cr.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    cr.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    cr.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    cr.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    cr.close_path()


def tray(cr, x, y, w, h, r=4, fill=TRAY):
    """A flat recess: dark upper edge, light lower edge, flat inside (x, y, w, h)."""
    rounded(cr, x - 1.5, y - 1.5, w + 3, h + 3, r + 1.5)
    cr.set_source_rgb(*rgb(TRAY_EDGE_LIGHT))
    cr.fill()
    rounded(cr, x - 1.5, y - 2, w + 3, h + 3, r + 1.5)
    cr.set_source_rgb(*rgb(TRAY_EDGE_DARK))
    cr.fill()
    rounded(cr, x, y, w, h, r)
    cr.set_source_rgb(*rgb(fill))
    cr.fill()


def screw(cr, x, y):
    g = cairo.RadialGradient(x - 1, y - 1, 0.5, x, y, 3.5)
    g.add_color_stop_rgb(0, *rgb("#9aa1ab"))
    g.add_color_stop_rgb(1, *rgb("#4a5058"))
    cr.arc(x, y, 3, 0, 2 * math.pi)
    cr.set_source(g)
    cr.fill()
    cr.set_source_rgba(0, 0, 0, 0.6)
    cr.set_line_width(1)
    cr.move_to(x - 2, y + 1)
    cr.line_to(x + 2, y - 1)
    cr.stroke()


def mark(cr, cx, cy, size, colour=AMBER):
    """The Orva mark: a source dot inside two open rings, a sound field spreading out."""
    cr.save()
    cr.set_source_rgb(*rgb(colour))
    cr.arc(cx, cy, size * 0.17, 0, 2 * math.pi)
    cr.fill()
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    # small marks keep one ring, so the gap still reads at a few pixels
    rings = ((0.36, 0.11, 1.2),) if size < 16 else ((0.34, 0.085, 0.9), (0.47, 0.07, 1.3))
    for radius, width, gap in rings:
        cr.set_line_width(size * width)
        start = -math.pi / 2 + gap / 2
        cr.arc(cx, cy, size * radius, start, start + 2 * math.pi - gap)
        cr.stroke()
    cr.restore()


def wordmark(cr, x, baseline, size, colour=HEADING, align="left"):
    """The suite's name beside its mark; returns the width used."""
    font(cr, size, True)
    word = "orva"
    w = text_width(cr, word, size * 0.02)
    total = size * 1.05 + w
    if align == "centre":
        x -= total / 2
    elif align == "right":
        x -= total
    mark(cr, x + size * 0.42, baseline - size * 0.36, size * 0.9)
    text(cr, word, x + size * 1.05, baseline, colour, size, True, size * 0.02)
    return total


def title_strip(cr, width, x0, x1, product, height=15):
    """The title strip at the top: the product name centred over the splash click area
    (x0 to x1), framed by fine rules that tell where to click."""
    cr.set_source_rgba(0, 0, 0, 0.28)
    cr.rectangle(0, 0, width, height)
    cr.fill()
    cr.set_source_rgba(1, 1, 1, 0.07)
    cr.rectangle(0, height, width, 1)
    cr.fill()
    cx = (x0 + x1) / 2
    font(cr, 8, True)
    name_w = text_width(cr, product, 1.2)
    total = 10 + name_w
    left = cx - total / 2
    mark(cr, left + 4, 7.5, 9)
    text(cr, product, left + 10, 11, HEADING, 8, True, 1.2)
    cr.set_source_rgb(*rgb(AMBER_DIM))
    for a, b in ((x0 + 2, left - 4), (left + total + 4, x1 - 2)):
        if b - a > 3:
            cr.rectangle(round(a), 7, round(b - a), 1)
            cr.fill()


def splash(cr, width, height, product, tagline, details):
    """A splash or about screen: the mark large, product name, a tagline, a few lines."""
    g = cairo.RadialGradient(width * 0.5, height * 0.35, 5, width * 0.5, height * 0.45, max(width, height) * 0.75)
    g.add_color_stop_rgb(0, *rgb("#2e333b"))
    g.add_color_stop_rgb(1, *rgb("#141619"))
    cr.set_source(g)
    cr.paint()
    # a faint sound field: rings behind the mark; wide, low screens put the mark at the left
    wide = width > 2.2 * height
    cx, cy = (height * 0.62, height * 0.5) if wide else (width * 0.5, height * 0.36)
    cr.set_line_width(1)
    for i in range(1, 9):
        cr.set_source_rgba(1, 0.68, 0.24, 0.10 - i * 0.01)
        cr.arc(cx, cy, i * min(width, height) * 0.085, 0, 2 * math.pi)
        cr.stroke()
    mark(cr, cx, cy, min(width, height) * (0.44 if wide else 0.26))
    scale = min(1.0, width / 330.0)
    size = max(15, 26 * scale)
    spacing = size * 0.18
    if wide:
        x, align, y = height * 1.16, "left", height * 0.47
        size, spacing = 17, 2
    else:
        x, align, y = cx, "centre", height * 0.64
    text(cr, product, x, y, HEADING, size, True, spacing, align)
    text(cr, tagline, x, y + size * 0.75, AMBER, max(7, 8.5 * scale), True, 1, align)
    y += size * 0.75 + 14
    for line in details:
        text(cr, line, x, y, LABEL_DIM, 8, False, 0, align)
        y += 10
    cr.set_source_rgba(1, 1, 1, 0.08)
    cr.rectangle(0.5, 0.5, width - 1, height - 1)
    cr.set_line_width(1)
    cr.stroke()
