#!/usr/bin/env python3
"""Draws the Quendrix program icon (48 x 48, 32 bits per pixel) from code.

The picture: a rounded tile, pale blue with a dark navy rim. On it, two lines
of bold rounded digits: "10" in navy at the top and "0A" in burnt orange at
the bottom, with a thick orange arrow pointing down from one to the other -
ten written in hexadecimal. Shapes are described in pixel coordinates (0..48)
as round-capped strokes, rings and polygons, and sampled on an 8 x 8 grid per
pixel so the edges come out anti-aliased. Everything outside the tile is fully
transparent.

The caption and the task bar show the icon shrunk, and some icon loaders
shrink by AND-ing neighbouring pixels together. The colours are picked for
that: the tile is flat (no gradient to band), each channel of the tile colour
is a run of high bits, and the ink colours use only bits the tile has, so an
AND of ink and tile gives the ink back - the digits stay dark and get bolder
instead of turning into stray colours. Navy and orange shapes keep at least
three pixels apart so they never meet inside one shrunk pixel.

Output is byte-for-byte the same on every run (no time stamps, fixed order).

    draw_icon.py --ico quendrix.ico
    draw_icon.py --png preview.png --png-scale 4

The .ico holds exactly one image: a BITMAPINFOHEADER with height 96 (colour
plus mask), 48 x 48 BGRA rows bottom-up, then the 1-bit AND mask whose bits
are set where a pixel is fully transparent.
"""

import argparse
import math
import struct
import sys
import zlib

SIZE = 48
SUBSAMPLES = 8  # per axis, per pixel

# Tile
TILE_MIN, TILE_MAX = 1.0, 47.0
TILE_RADIUS = 9.0
RIM_WIDTH = 2.2
TILE = (0xE0, 0xF0, 0xFF)   # pale blue
NAVY = (0x00, 0x30, 0x90)   # rim and source digits
ORANGE = (0xC0, 0x50, 0x00)  # arrow and result digits

# Digits and arrow
STROKE = 3.4  # full width of a digit stroke
GLYPH_W = 10.0
GLYPH_H = 12.0
GLYPH_GAP = 4.0
TOP_ROW_Y = 5.0
BOTTOM_ROW_Y = 30.5
ARROW_CLEARANCE = 3.0  # from the navy digits above


# ---------------------------------------------------------------- geometry

def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    qx, qy = ax + t * dx - px, ay + t * dy - py
    return math.hypot(qx, qy)


def rounded_rect_distance(px, py, x0, y0, x1, y1, r):
    """Signed distance to a rounded rectangle: negative inside."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
    qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    inside = min(max(qx, qy), 0.0)
    return outside + inside - r


def inside_polygon(px, py, points):
    inside = False
    n = len(points)
    for i in range(n):
        ax, ay = points[i]
        bx, by = points[(i + 1) % n]
        if (ay > py) != (by > py):
            x = ax + (py - ay) * (bx - ax) / (by - ay)
            if px < x:
                inside = not inside
    return inside


class Strokes:
    """Round-capped strokes of one width: the shape every digit is made of."""

    def __init__(self, segments, width):
        self.segments = segments
        self.half = width / 2
        xs = [c for s in segments for c in (s[0], s[2])]
        ys = [c for s in segments for c in (s[1], s[3])]
        self.box = (min(xs) - self.half, min(ys) - self.half,
                    max(xs) + self.half, max(ys) + self.half)

    def contains(self, x, y):
        x0, y0, x1, y1 = self.box
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        return any(segment_distance(x, y, *s) <= self.half for s in self.segments)


class Ring:
    """The outline of a rounded rectangle (a digit zero)."""

    def __init__(self, x0, y0, x1, y1, width):
        self.rect = (x0, y0, x1, y1)
        self.half = width / 2
        self.radius = min(x1 - x0, y1 - y0) / 2

    def contains(self, x, y):
        return abs(rounded_rect_distance(x, y, *self.rect, self.radius)) <= self.half


class Polygon:
    def __init__(self, points):
        self.points = points

    def contains(self, x, y):
        return inside_polygon(x, y, self.points)


class Union:
    def __init__(self, parts):
        self.parts = parts

    def contains(self, x, y):
        return any(p.contains(x, y) for p in self.parts)


# ------------------------------------------------------------------ glyphs
# Each glyph is built in a box of GLYPH_W x GLYPH_H whose top-left is (x, y);
# the stroke centre lines keep half a stroke away from the box edges.

def glyph_zero(x, y):
    inset = STROKE / 2
    return Ring(x + inset, y + inset, x + GLYPH_W - inset, y + GLYPH_H - inset, STROKE)


def glyph_one(x, y):
    inset = STROKE / 2
    stem_x = x + GLYPH_W / 2 + 0.5
    top, bottom = y + inset, y + GLYPH_H - inset
    return Strokes([
        (stem_x, top, stem_x, bottom),
        (stem_x, top, x + inset, top + 3.4),
    ], STROKE)


def glyph_a(x, y):
    """An A with a round top: an arch on two legs and a crossbar."""
    inset = STROKE / 2
    left, right = x + inset, x + GLYPH_W - inset
    top, bottom = y + inset, y + GLYPH_H - inset
    radius = (right - left) / 2
    centre_x, centre_y = (left + right) / 2, top + radius
    arch = []
    steps = 10
    for i in range(steps):
        a0 = math.pi * i / steps
        a1 = math.pi * (i + 1) / steps
        arch.append((centre_x - radius * math.cos(a0), centre_y - radius * math.sin(a0),
                     centre_x - radius * math.cos(a1), centre_y - radius * math.sin(a1)))
    bar_y = y + GLYPH_H * 0.58
    return Strokes(arch + [
        (left, centre_y, left, bottom),
        (right, centre_y, right, bottom),
        (left, bar_y, right, bar_y),
    ], STROKE)


def digit_row(glyphs, y):
    width = len(glyphs) * GLYPH_W + (len(glyphs) - 1) * GLYPH_GAP
    x = (SIZE - width) / 2
    parts = []
    for make in glyphs:
        parts.append(make(x, y))
        x += GLYPH_W + GLYPH_GAP
    return Union(parts)


def down_arrow():
    cx = SIZE / 2
    top = TOP_ROW_Y + GLYPH_H + ARROW_CLEARANCE
    bottom = BOTTOM_ROW_Y - 1.2
    shaft = 2.8   # half width of the shaft
    head = 8.0    # half width of the head
    neck = bottom - 4.6
    return Polygon([
        (cx - shaft, top), (cx + shaft, top), (cx + shaft, neck),
        (cx + head, neck), (cx, bottom), (cx - head, neck), (cx - shaft, neck),
    ])


# ---------------------------------------------------------------- painting

def build_scene():
    """Layers painted bottom to top on the tile: (shape, colour)."""
    return [
        (digit_row([glyph_one, glyph_zero], TOP_ROW_Y), NAVY),
        (down_arrow(), ORANGE),
        (digit_row([glyph_zero, glyph_a], BOTTOM_ROW_Y), ORANGE),
    ]


def tile_sample(x, y):
    """Colour of the tile at (x, y), or None outside it."""
    d = rounded_rect_distance(x, y, TILE_MIN, TILE_MIN, TILE_MAX, TILE_MAX, TILE_RADIUS)
    if d > 0:
        return None
    return NAVY if d > -RIM_WIDTH else TILE


def render():
    """Returns SIZE rows, top first, of (r, g, b, a) tuples of 0..255."""
    layers = build_scene()
    step = 1.0 / SUBSAMPLES
    count = SUBSAMPLES * SUBSAMPLES
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            r = g = b = covered = 0
            for sy in range(SUBSAMPLES):
                y = py + (sy + 0.5) * step
                for sx in range(SUBSAMPLES):
                    x = px + (sx + 0.5) * step
                    color = tile_sample(x, y)
                    if color is None:
                        continue
                    for shape, ink in layers:
                        if shape.contains(x, y):
                            color = ink
                    r += color[0]
                    g += color[1]
                    b += color[2]
                    covered += 1
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                # Colours are averaged over the covered samples only (straight
                # alpha), so the edge keeps the rim's colour, not black.
                row.append((round(r / covered), round(g / covered),
                            round(b / covered), round(255 * covered / count)))
        rows.append(row)
    return rows


# ----------------------------------------------------------------- writers

def ico_bytes(rows):
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((SIZE + 31) // 32) * 4
    for row in reversed(rows):  # bottom-up
        bits = bytearray(mask_stride)
        for px, (r, g, b, a) in enumerate(row):
            xor += bytes((b, g, r, a))
            if a == 0:
                bits[px // 8] |= 0x80 >> (px % 8)
        mask += bits
    # Height counts the colour and mask bitmaps together; biSizeImage is the
    # size of both.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_bytes(rows, scale):
    width = len(rows[0]) * scale
    height = len(rows) * scale
    raw = bytearray()
    for row in rows:
        line = bytearray(b"\x00")  # filter type None
        for pixel in row:
            line += bytes(pixel) * scale
        raw += bytes(line) * scale
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr)
            + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + png_chunk(b"IEND", b""))


def main(argv):
    parser = argparse.ArgumentParser(description="Draw the Quendrix program icon.")
    parser.add_argument("--ico", metavar="PATH", help="write the 48x48 32-bit .ico here")
    parser.add_argument("--png", metavar="PATH", help="write a PNG preview here")
    parser.add_argument("--png-scale", metavar="N", type=int, default=1,
                        help="enlarge the PNG preview N times (default 1)")
    args = parser.parse_args(argv)
    if not args.ico and not args.png:
        parser.error("nothing to write: give --ico and/or --png")
    if args.png_scale < 1:
        parser.error("--png-scale must be 1 or more")

    rows = render()
    if args.ico:
        with open(args.ico, "wb") as out:
            out.write(ico_bytes(rows))
    if args.png:
        with open(args.png, "wb") as out:
            out.write(png_bytes(rows, args.png_scale))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
