"""Pictures as cairo surfaces, and their files: 24-bit BMP (bottom-up, as windres and the
toolkit's BMP decoder read them) and PNG (the contact sheet).

White (255, 255, 255) is the key colour of keyed draws. Every picture is written through
`to_rgb`, which keeps pure white only where a keyed picture asks for it: anywhere else a
white pixel becomes (254, 254, 254), so no picture punches an accidental hole.
"""
import struct
import zlib

import cairo

KEY = (255, 255, 255)
NEAR_WHITE = (254, 254, 254)


class Picture:
    """An opaque RGB picture with an optional key mask (True where the key colour goes)."""

    def __init__(self, width, height, rgb, key_mask=None):
        self.width = width
        self.height = height
        self.rgb = rgb  # bytearray, rows top to bottom, 3 bytes per pixel (R, G, B)
        self.key_mask = key_mask

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def crop(self, x, y, width, height):
        rows = bytearray()
        for row in range(y, y + height):
            start = (row * self.width + x) * 3
            rows += self.rgb[start:start + width * 3]
        return Picture(width, height, rows)

    def surface(self):
        """A cairo RGB24 surface holding this picture (to draw on top of it)."""
        surface = cairo.ImageSurface(cairo.FORMAT_RGB24, self.width, self.height)
        stride = surface.get_stride()
        data = surface.get_data()
        for y in range(self.height):
            src = self.rgb[y * self.width * 3:(y + 1) * self.width * 3]
            row = bytearray(self.width * 4)
            row[0::4] = src[2::3]
            row[1::4] = src[1::3]
            row[2::4] = src[0::3]
            data[y * stride:y * stride + self.width * 4] = bytes(row)
        surface.mark_dirty()
        return surface


def new_surface(width, height, alpha=False):
    return cairo.ImageSurface(cairo.FORMAT_ARGB32 if alpha else cairo.FORMAT_RGB24, width, height)


def to_rgb(surface):
    """An opaque surface as a Picture, pure white nudged off the key colour."""
    surface.flush()
    width, height, stride = surface.get_width(), surface.get_height(), surface.get_stride()
    data = bytes(surface.get_data())
    rgb = bytearray(width * height * 3)
    for y in range(height):
        row = data[y * stride:y * stride + width * 4]
        out = y * width * 3
        rgb[out + 0:out + width * 3:3] = row[2::4]
        rgb[out + 1:out + width * 3:3] = row[1::4]
        rgb[out + 2:out + width * 3:3] = row[0::4]
    _avoid_key(rgb, None)
    return Picture(width, height, rgb)


def keyed(surface, underlay):
    """A keyed picture from an ARGB surface: pixels at least half covered are flattened
    over `underlay` (the colour they will mostly be seen on, so edges blend into it);
    the rest become the key colour. No anti-aliased fringe is left against white."""
    surface.flush()
    width, height, stride = surface.get_width(), surface.get_height(), surface.get_stride()
    data = bytes(surface.get_data())
    rgb = bytearray(width * height * 3)
    mask = [False] * (width * height)
    for y in range(height):
        for x in range(width):
            b, g, r, a = data[y * stride + x * 4:y * stride + x * 4 + 4]
            i = y * width + x
            if a < 128:
                mask[i] = True
                rgb[i * 3:i * 3 + 3] = bytes(KEY)
                continue
            # cairo stores premultiplied colour; add the underlay for the uncovered part
            rgb[i * 3:i * 3 + 3] = bytes(min(255, c + (255 - a) * u // 255)
                                         for c, u in zip((r, g, b), underlay))
    _avoid_key(rgb, mask)
    return Picture(width, height, rgb, mask)


def _avoid_key(rgb, mask):
    start = 0
    white = bytes(KEY)
    while True:
        i = rgb.find(white, start)
        if i < 0:
            return
        if i % 3 == 0 and not (mask and mask[i // 3]):
            rgb[i:i + 3] = bytes(NEAR_WHITE)
            start = i + 3
        else:
            start = i + 1


def draw(surface, picture, x0, y0, source_y=0, height=None):
    """Draws (part of) a picture onto a surface opaquely, as the toolkit's opaque draw."""
    part = picture.crop(0, source_y, picture.width, height or picture.height)
    cr = cairo.Context(surface)
    cr.set_source_surface(part.surface(), x0, y0)
    cr.paint()


def draw_keyed(surface, picture, x0, y0):
    """Draws a keyed picture onto a surface as the toolkit's keyed draw does: key-colour
    pixels leave the surface unchanged."""
    cr = cairo.Context(surface)
    for y in range(picture.height):
        for x in range(picture.width):
            if picture.key_mask[y * picture.width + x]:
                continue
            cr.set_source_rgb(*(c / 255.0 for c in picture.pixel(x, y)))
            cr.rectangle(x0 + x, y0 + y, 1, 1)
            cr.fill()


def stack(pictures):
    """Frames stacked from the top into one strip."""
    width = pictures[0].width
    rgb = bytearray()
    mask = [] if any(p.key_mask for p in pictures) else None
    for p in pictures:
        assert p.width == width, "frames of a strip share one width"
        rgb += p.rgb
        if mask is not None:
            mask += p.key_mask or [False] * (p.width * p.height)
    return Picture(width, sum(p.height for p in pictures), rgb, mask)


def bmp_bytes(picture):
    """24-bit bottom-up BMP with a 40-byte info header and fixed resolution fields."""
    stride = (picture.width * 3 + 3) & ~3
    pad = b"\0" * (stride - picture.width * 3)
    rows = bytearray()
    for y in range(picture.height - 1, -1, -1):
        src = picture.rgb[y * picture.width * 3:(y + 1) * picture.width * 3]
        row = bytearray(picture.width * 3)
        row[0::3] = src[2::3]
        row[1::3] = src[1::3]
        row[2::3] = src[0::3]
        rows += row + pad
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, picture.width, picture.height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return header + info + bytes(rows)


def png_bytes(picture):
    """An 8-bit RGB PNG with fixed compression, so the same picture gives the same bytes."""
    raw = bytearray()
    for y in range(picture.height):
        raw += b"\0" + picture.rgb[y * picture.width * 3:(y + 1) * picture.width * 3]

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", picture.width, picture.height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
            chunk(b"IEND", b""))
