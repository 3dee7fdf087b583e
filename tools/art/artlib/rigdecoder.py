"""The rig decoder's editor (430 x 264), product name Halvane: rig menu and picture, blend
slider, volume fader, check boxes, the test button and the about screen."""
import math

import cairo

from . import controls, raster, speakers, style
from .style import AMBER, HEADING, LABEL, LABEL_DIM, SCREEN, context, rgb, text

WIDTH, HEIGHT = 430, 264
MENU = (18, 15, 269, 13)
PICTURE = (14, 36, 274, 140)
BLEND = (20, 203, 259, 22)
BLEND_HANDLE = (15, 21)
BLEND_LEFT_MIN, BLEND_TRAVEL = 1, 243      # handle left = 1 + trunc(243 * (1 - value))
VOLUME = (323, 53, 17, 132)
VOLUME_HANDLE = (17, 25)
VOLUME_TRAVEL = 106                        # handle top = trunc(106 * (1 - value))
FORCE_BOX = (16, 240)
TEST_BUTTON = (261, 240, 46, 18)
LOOP_BOX = (347, 240)
LOGO = (372, 244, 54, 18)
# the click labels: the printed words must lie inside these rects
LABEL_FORCE = (39, 240, 95, 15)
LABEL_TEST = (261, 225, 150, 15)
LABEL_LOOP = (317, 240, 30, 18)
RIG_NAMES = ["Stereo", "Square", "Pentagon", "Hexagon", "Octagon 1", "Octagon 2", "Surround", "-", "Cube",
             "Dodecahedron 1", "Dodecahedron 2"]


def baseline_in(rect, size=8):
    """The baseline that centres capitals of `size` pixels vertically in a rect."""
    return rect[1] + rect[3] / 2 + size * 0.36


def background():
    s = raster.new_surface(WIDTH, HEIGHT)
    cr = context(s)
    style.panel(cr, WIDTH, HEIGHT)
    text(cr, "LOUDSPEAKER RIG", 18, 11, HEADING, 7, True, 1)
    # rig menu: a dark field for the white entry text, with a drop-down arrow
    mx, my, mw, mh = MENU
    style.tray(cr, mx - 4, my, mw + 4, mh, 2, SCREEN)
    cr.set_source_rgb(*rgb(AMBER))
    cr.move_to(mx + mw - 12, my + 5)
    cr.line_to(mx + mw - 4, my + 5)
    cr.line_to(mx + mw - 8, my + 9)
    cr.close_path()
    cr.fill()
    px, py, pw, ph = PICTURE
    style.tray(cr, px, py, pw, ph, 2, SCREEN)
    # blend scale
    bx, by, bw, bh = BLEND
    text(cr, "STRICT SOUNDFIELD", bx, by - 5, LABEL, 7, True, 1, "left")
    text(cr, "CONTROLLED OPPOSITES", bx + bw, by - 5, LABEL, 7, True, 1, "right")
    style.tray(cr, bx - 2, by - 1, bw + 4, bh + 2, 3)
    for i in range(11):
        x = bx + BLEND_LEFT_MIN + BLEND_HANDLE[0] / 2 + math.trunc(BLEND_TRAVEL * i / 10)
        cr.set_source_rgb(*rgb(LABEL if i in (0, 5, 10) else LABEL_DIM))
        cr.rectangle(math.floor(x), by + bh + 3, 1, 3 if i in (0, 5, 10) else 2)
        cr.fill()
    # volume scale in dB at the handle centre
    vx, vy, vw, vh = VOLUME
    text(cr, "VOLUME", vx + vw / 2 + 4, vy - 10, HEADING, 7, True, 1, "centre")
    style.tray(cr, vx - 2, vy - 1, vw + 4, vh + 2, 3)
    for db, label in ((0, "0"), (-3, "-3"), (-6, "-6"), (-12, "-12"), (None, "-\u221e")):
        value = 0.0 if db is None else 10 ** (db / 20)
        y = vy + VOLUME_HANDLE[1] // 2 + math.trunc(VOLUME_TRAVEL * (1 - value))
        cr.set_source_rgb(*rgb(LABEL_DIM))
        cr.rectangle(vx + vw + 3, y, 3, 1)
        cr.fill()
        text(cr, label, vx + vw + 8, y + 3, LABEL, 7, False, 0, "left")
    text(cr, "dB", vx + vw + 8, vy + vh + 10, LABEL_DIM, 7, False, 0, "left")
    # check boxes, test button and their words
    text(cr, "FORCE 1ST ORDER", LABEL_FORCE[0] + 2, baseline_in(LABEL_FORCE, 7), LABEL, 7, True, 1)
    text(cr, "TEST SPEAKERS:", LABEL_TEST[0] + 1, baseline_in(LABEL_TEST, 7), HEADING, 7, True, 1)
    text(cr, "LOOP", LABEL_LOOP[0] + LABEL_LOOP[2] - 4, baseline_in(LABEL_LOOP, 7), LABEL, 7, True, 1, "right")
    for x, y in (FORCE_BOX, LOOP_BOX):
        style.tray(cr, x, y, 18, 18, 3)
    tx, ty, tw, th = TEST_BUTTON
    style.tray(cr, tx, ty, tw, th, 3)
    title(cr)
    # logo in the about-screen click area
    lx, ly, lw, lh = LOGO
    style.wordmark(cr, lx + lw / 2, ly + 13, 12, HEADING, "centre")
    for x, y in ((6, 6), (WIDTH - 7, 6), (6, HEIGHT - 7)):
        style.screw(cr, x, y)
    return raster.to_rgb(s)


def title(cr):
    """The product name up the right edge, with its line of purpose."""
    cr.save()
    cr.translate(415, 214)
    cr.rotate(-math.pi / 2)
    text(cr, "HALVANE", 0, 0, HEADING, 24, True, 6)
    text(cr, "SECOND ORDER RIG DECODER", 1, 12, AMBER, 7, True, 1)
    cr.restore()


def check_strip(under, dark):
    frames = []
    for ticked in (False, True):
        s = under.surface()
        cr = context(s)
        style.rounded(cr, 2, 2, 14, 14, 2.5)
        g = cairo.LinearGradient(0, 2, 0, 16)
        if dark:
            g.add_color_stop_rgb(0, *rgb("#1d2024"))
            g.add_color_stop_rgb(1, *rgb("#0d0f11"))
        else:
            g.add_color_stop_rgb(0, *rgb("#555b64"))
            g.add_color_stop_rgb(1, *rgb("#33373d"))
        cr.set_source(g)
        cr.fill_preserve()
        cr.set_source_rgba(0, 0, 0, 0.7)
        cr.set_line_width(1)
        cr.stroke()
        if ticked:
            cr.set_line_cap(cairo.LINE_CAP_ROUND)
            cr.set_line_join(cairo.LINE_JOIN_ROUND)
            cr.set_line_width(2.2)
            cr.set_source_rgb(*rgb(AMBER))
            cr.move_to(5, 9.5)
            cr.line_to(8, 12.5)
            cr.line_to(13, 5.5)
            cr.stroke()
        frames.append(raster.to_rgb(s))
    return raster.stack(frames)


def test_button_strip(under):
    frames = []
    for running in (False, True):
        s = under.surface()
        cr = context(s)
        style.rounded(cr, 1, 1, 44, 16, 3)
        g = cairo.LinearGradient(0, 1, 0, 17)
        top, bottom = ("#3b3026", "#241d17") if running else ("#5a616a", "#353a41")
        g.add_color_stop_rgb(0, *rgb(top))
        g.add_color_stop_rgb(1, *rgb(bottom))
        cr.set_source(g)
        cr.fill_preserve()
        cr.set_source_rgba(0, 0, 0, 0.7)
        cr.set_line_width(1)
        cr.stroke()
        controls.led(cr, 8, 9, running, 2.0)
        text(cr, "STOP" if running else "START", 27, 12, AMBER if running else HEADING, 7, True, 1, "centre")
        frames.append(raster.to_rgb(s))
    return raster.stack(frames)


def rig_frame(index, rig):
    w, h = PICTURE[2], PICTURE[3]
    s = raster.new_surface(w, h)
    cr = context(s)
    speakers.backdrop(cr, w, h)
    directions = rig["speakers"]
    if not directions:
        text(cr, "DUMMY NO RIG!", w / 2, h / 2 + 4, LABEL_DIM, 11, True, 2, "centre")
        return raster.to_rgb(s)
    periphonic = any(abs(d["elevation"]) > 1 for d in directions)
    if periphonic:
        camera = speakers.clearest_camera(directions, w / 2, h / 2, 240)
    else:
        camera = speakers.Camera(w / 2, h / 2 + 2, 350, 5.0, 24, 28)
    speakers.ring(cr, camera, width=1.2)
    speakers.axes(cr, camera, 1.45, True, None if periphonic else 0.8)
    if periphonic:
        speakers.edges(cr, camera, directions)
    speakers.listener(cr, camera, 4)
    dense = len(directions) > 8
    speakers.speakers(cr, camera, directions, 7.5 if dense else 8.5, 5.5 if dense else 6.5)
    count = len(directions)
    text(cr, f"{count} SPEAKERS", w - 8, h - 7, LABEL_DIM, 7, True, 1, "right")
    text(cr, RIG_NAMES[index].upper(), 8, h - 7, AMBER, 7, True, 1, "left")
    return raster.to_rgb(s)


def about():
    s = raster.new_surface(WIDTH, HEIGHT)
    cr = context(s)
    style.splash(cr, WIDTH, HEIGHT, "HALVANE", "SECOND ORDER AMBISONIC RIG DECODER",
                 ["Ten loudspeaker rigs from stereo to two dodecahedra, a blend from strict",
                  "soundfield to controlled opposites, and a speaker test with its own tone.",
                  "An Orva product  \u00b7  click to close"])
    return raster.to_rgb(s)


def bitmaps(rigs):
    bg = background()
    bx, by, bw, bh = BLEND
    vx, vy, vw, vh = VOLUME
    blend_track = controls.horizontal_track(bg.crop(bx, by, bw, bh), BLEND_HANDLE[0], BLEND_LEFT_MIN, BLEND_TRAVEL,
                                            BLEND_HANDLE[1] / 2)
    volume_track = controls.vertical_track(bg.crop(vx, vy, vw, vh), VOLUME_HANDLE[1], VOLUME_TRAVEL)
    tx, ty, tw, th = TEST_BUTTON
    return {
        128: ("background.bmp", bg),
        129: ("volume_track.bmp", volume_track),
        130: ("volume_handle.bmp", controls.fader_cap(*VOLUME_HANDLE)),
        131: ("blend_track.bmp", blend_track),
        132: ("blend_handle.bmp", controls.fader_cap(*BLEND_HANDLE, vertical=False)),
        133: ("check_order.bmp", check_strip(bg.crop(*FORCE_BOX, 18, 18), False)),
        134: ("check_loop.bmp", check_strip(bg.crop(*LOOP_BOX, 18, 18), True)),
        135: ("test_button.bmp", test_button_strip(bg.crop(tx, ty, tw, th))),
        136: ("rigs.bmp", raster.stack([rig_frame(i, r) for i, r in enumerate(rigs)])),
        137: ("about.bmp", about()),
    }
