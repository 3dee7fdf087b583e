"""Loudspeaker pictures: speakers placed at their directions (azimuth from the front
towards the left, elevation upwards, in degrees) around a listener, seen in perspective
from behind and above, so the front is up the picture and the left is on the left."""
import math

import cairo

from .style import AMBER, LABEL_DIM, SCREEN, SCREEN_GRID, SPEAKER, rgb, text


class Camera:
    def __init__(self, cx, cy, focal, distance, elevation_deg, azimuth_deg=0.0):
        e, a = math.radians(elevation_deg), math.radians(azimuth_deg)
        # position behind the listener (towards -X), turned by azimuth, raised by elevation
        self.pos = (-distance * math.cos(e) * math.cos(a), -distance * math.cos(e) * math.sin(a),
                    distance * math.sin(e))
        f = _normal(tuple(-c for c in self.pos))
        r = _normal(_cross(f, (0.0, 0.0, 1.0)))
        self.forward, self.right, self.up = f, r, _cross(r, f)
        self.cx, self.cy, self.focal = cx, cy, focal

    def project(self, p):
        d = tuple(a - b for a, b in zip(p, self.pos))
        depth = _dot(d, self.forward)
        return (self.cx + self.focal * _dot(d, self.right) / depth,
                self.cy - self.focal * _dot(d, self.up) / depth, depth)


def _dot(a, b):
    return sum(x * y for x, y in zip(a, b))


def _cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def _normal(v):
    n = math.sqrt(_dot(v, v))
    return tuple(c / n for c in v)


def unit(azimuth_deg, elevation_deg):
    a, e = math.radians(azimuth_deg), math.radians(elevation_deg)
    return (math.cos(a) * math.cos(e), math.sin(a) * math.cos(e), math.sin(e))


def backdrop(cr, w, h):
    cr.set_source_rgb(*rgb(SCREEN))
    cr.paint()
    g = cairo.RadialGradient(w / 2, h / 2, 2, w / 2, h / 2, max(w, h) * 0.7)
    g.add_color_stop_rgba(0, 1, 0.68, 0.24, 0.06)
    g.add_color_stop_rgba(1, 1, 0.68, 0.24, 0)
    cr.set_source(g)
    cr.paint()


def ring(cr, camera, z=0.0, radius=1.0, colour=SCREEN_GRID, width=1.0):
    cr.set_source_rgb(*rgb(colour))
    cr.set_line_width(width)
    for i in range(73):
        a = 2 * math.pi * i / 72
        x, y, _ = camera.project((radius * math.cos(a), radius * math.sin(a), z))
        (cr.move_to if i == 0 else cr.line_to)(x, y)
    cr.stroke()


def axes(cr, camera, length=1.35, labels=True, z_length=None):
    """X (front), Y (left) and Z (up) through the listener, with their letters."""
    for vector, name in (((1, 0, 0), "X"), ((0, 1, 0), "Y"), ((0, 0, 1), "Z")):
        tip = tuple((z_length or length if name == "Z" else length) * c for c in vector)
        tail = tuple(-0.9 * length * c if name != "Z" else -0.55 * length * c for c in vector)
        x0, y0, _ = camera.project(tail)
        x1, y1, _ = camera.project(tip)
        cr.set_line_width(1)
        cr.set_source_rgb(*rgb("#3c444c"))
        cr.move_to(x0, y0)
        cr.line_to(x1, y1)
        cr.stroke()
        # arrow head
        ang = math.atan2(y1 - y0, x1 - x0)
        cr.move_to(x1, y1)
        cr.line_to(x1 - 5 * math.cos(ang - 0.4), y1 - 5 * math.sin(ang - 0.4))
        cr.line_to(x1 - 5 * math.cos(ang + 0.4), y1 - 5 * math.sin(ang + 0.4))
        cr.close_path()
        cr.fill()
        if labels:
            lx, ly = x1 + 7 * math.cos(ang), y1 + 7 * math.sin(ang)
            text(cr, name, lx, ly + 3, LABEL_DIM, 8, True, 0, "centre")


def listener(cr, camera, size):
    x, y, _ = camera.project((0, 0, 0))
    cr.set_source_rgb(*rgb("#59606a"))
    cr.arc(x, y, size, 0, 2 * math.pi)
    cr.fill()
    # the nose shows where the front is
    fx, fy, _ = camera.project((0.14, 0, 0))
    cr.set_source_rgb(*rgb(AMBER))
    cr.arc(fx, fy, size * 0.4, 0, 2 * math.pi)
    cr.fill()


def speaker(cr, x, y, radius, number, near):
    """A numbered speaker: a light disc, brighter when near the viewer, with a stem
    shadow below it for depth."""
    cr.set_source_rgba(0, 0, 0, 0.55)
    cr.arc(x + 0.8, y + 1.2, radius, 0, 2 * math.pi)
    cr.fill()
    g = cairo.RadialGradient(x - radius * 0.4, y - radius * 0.5, 0.5, x, y, radius * 1.1)
    g.add_color_stop_rgb(0, *rgb(SPEAKER))
    g.add_color_stop_rgb(1, *rgb("#8d949d" if near else "#6d747d"))
    cr.set_source(g)
    cr.arc(x, y, radius, 0, 2 * math.pi)
    cr.fill()
    cr.set_source_rgb(*rgb(AMBER))
    cr.set_line_width(1.0)
    cr.arc(x, y, radius - 0.5, 0, 2 * math.pi)
    cr.stroke()
    size = 8 if radius >= 6 else 7
    text(cr, str(number), x, y + size * 0.36, "#15181b", size, True, 0, "centre")


def edges(cr, camera, directions):
    """Lines between nearest neighbours, so a solid rig reads as its solid."""
    points = [unit(d["azimuth"], d["elevation"]) for d in directions]
    pairs = [(i, j, sum(a * b for a, b in zip(points[i], points[j])))
             for i in range(len(points)) for j in range(i + 1, len(points))]
    closest = max(c for _, _, c in pairs)
    cr.set_source_rgba(0.85, 0.88, 0.92, 0.22)
    cr.set_line_width(1)
    for i, j, c in pairs:
        if c > closest - 0.01:
            x0, y0, _ = camera.project(points[i])
            x1, y1, _ = camera.project(points[j])
            cr.move_to(x0, y0)
            cr.line_to(x1, y1)
    cr.stroke()


def speakers(cr, camera, directions, radius_near, radius_far, floor_lines=True):
    """Speakers at their directions on the unit sphere, drawn far to near."""
    placed = []
    for number, d in enumerate(directions, 1):
        p = unit(d["azimuth"], d["elevation"])
        x, y, depth = camera.project(p)
        placed.append((depth, number, p, x, y))
    depths = [d for d, *_ in placed]
    near, far = min(depths), max(depths)
    if floor_lines:
        # a thin line from each raised or lowered speaker to the horizontal plane
        for _, _, p, x, y in placed:
            if abs(p[2]) > 0.05:
                fx, fy, _ = camera.project((p[0], p[1], 0.0))
                cr.set_source_rgba(1, 0.68, 0.24, 0.25)
                cr.set_line_width(1)
                cr.move_to(x, y)
                cr.line_to(fx, fy)
                cr.stroke()
    for depth, number, p, x, y in sorted(placed, key=lambda t: (-t[0], t[1])):
        t = 0.0 if far == near else (far - depth) / (far - near)
        speaker(cr, x, y, radius_far + (radius_near - radius_far) * t, number, t > 0.5)


def clearest_camera(directions, cx, cy, focal):
    """The view from behind and above that keeps the speakers of a solid rig furthest
    apart on the picture."""
    best, best_gap = None, -1.0
    for elevation in range(14, 42, 4):
        for azimuth in range(10, 56, 5):
            camera = Camera(cx, cy, focal, 5.0, elevation, azimuth)
            points = [camera.project(unit(d["azimuth"], d["elevation"])) for d in directions]
            gap = min(math.hypot(a[0] - b[0], a[1] - b[1]) for i, a in enumerate(points) for b in points[i + 1:])
            if gap > best_gap + 0.01:
                best, best_gap = camera, gap
    return best
