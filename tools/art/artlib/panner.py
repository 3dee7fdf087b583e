"""The panner's editor (373 x 207), master and effect variants: two sources, each with
four vertical faders and an azimuth knob; the master variant's mirror switch between the
two knobs."""
import math

from . import controls, raster, style
from .style import AMBER, HEADING, LABEL, LABEL_DIM, context, rgb, text

WIDTH, HEIGHT = 373, 207
FADER_W, FADER_H = 16, 160
HANDLE_W, HANDLE_H = 14, 12
FADER_TOP = 28
FADER_TRAVEL = 147  # handle top = trunc(147 * (1 - value))
# left edges of the faders and their labels, left source then right source
FADERS = [(15, "CTR"), (50, "VOL"), (85, "DIST"), (120, "ELEV"), (238, "ELEV"), (273, "DIST"), (308, "VOL"),
          (343, "CTR")]
KNOBS = [(162, 28), (162, 118)]
MIRROR = (162, 98, 48, 18)
MIRROR_LABELS = ["No Pan", "Stereo", "Y Mirror", "X Mirror", "XY Mirror"]


def background(master):
    s = raster.new_surface(WIDTH, HEIGHT)
    cr = context(s)
    style.panel(cr, WIDTH, HEIGHT)
    style.title_strip(cr, WIDTH, 150, 220, "PANNER" if master else "PANNER FX")
    # the two source groups and the centre column, each a tray
    for x0, x1, name in ((7, 144, "LEFT SOURCE"), (230, 367, "RIGHT SOURCE")):
        text(cr, name, (x0 + x1) / 2, 25, HEADING, 7, True, 1.4, "centre")
    for x, label in FADERS:
        style.tray(cr, x - 3, FADER_TOP - 1, FADER_W + 6, FADER_H + 2, 3)
        scale(cr, x)
        text(cr, label, x + FADER_W / 2, 200, LABEL, 7, True, 0.6, "centre")
    style.tray(cr, 156, 22, 60, 150, 5)
    for (x, y), side in zip(KNOBS, "LR"):
        text(cr, side, x - 1, y + 5, AMBER, 7, True, 0, "right")
    text(cr, "AZIMUTH", 186, 185, LABEL, 7, True, 0.6, "centre")
    if master:
        text(cr, "MIRROR", 186, 94, LABEL_DIM, 6.5, True, 0.8, "centre")
    else:
        style.mark(cr, 186, 97, 12, "#4a4036")
    return raster.to_rgb(s)


def scale(cr, x):
    """Ticks beside a fader at the handle centre for values 0, 0.1, ..., 1 (0.5 longer)."""
    for i in range(11):
        y = FADER_TOP + HANDLE_H / 2 + math.trunc(FADER_TRAVEL * i / 10) + 0.5
        long = i in (0, 5, 10)
        cr.set_source_rgb(*rgb(LABEL if long else LABEL_DIM))
        length = 3 if long else 2
        cr.rectangle(x - 3 - length - 1, math.floor(y), length, 1)
        cr.rectangle(x + FADER_W + 4, math.floor(y), length, 1)
        cr.fill()


def mirror_strip(under):
    frames = []
    for k, label in enumerate(MIRROR_LABELS):
        s = under.surface()
        cr = context(s)
        controls.screen(cr, 1, 0, 46, 18, 2.5)
        controls.display_text(cr, label, 24, 11, True, 8, "centre")
        for i in range(5):
            cr.set_source_rgb(*rgb(AMBER if i == k else "#3a3f46"))
            cr.rectangle(6 + i * 8, 14, 5, 1)
            cr.fill()
        frames.append(raster.to_rgb(s))
    return raster.stack(frames)


def splash():
    s = raster.new_surface(WIDTH, HEIGHT)
    cr = context(s)
    style.splash(cr, WIDTH, HEIGHT, "ORVA PANNER", "STEREO B-FORMAT ENCODER",
                 ["Two sources placed by azimuth, elevation, distance and centre zone",
                  "Click to close"])
    return raster.to_rgb(s)


def bitmaps(master, knob):
    bg = background(master)
    track_under = bg.crop(FADERS[0][0], FADER_TOP, FADER_W, FADER_H)
    for x, _ in FADERS:
        assert bg.crop(x, FADER_TOP, FADER_W, FADER_H).rgb == track_under.rgb, "fader slots differ"
    files = {
        128: ("background_master.bmp" if master else "background_effect.bmp", bg),
        129: ("fader_track.bmp", controls.vertical_track(track_under, HANDLE_H, FADER_TRAVEL)),
        130: ("fader_handle.bmp", controls.fader_cap(HANDLE_W, HANDLE_H)),
        132: ("knob.bmp", knob),
        134: ("splash.bmp", splash()),
    }
    if master:
        x, y, w, h = MIRROR
        files[133] = ("mirror.bmp", mirror_strip(bg.crop(x, y, w, h)))
    return files
