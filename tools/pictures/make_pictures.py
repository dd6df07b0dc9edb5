#!/usr/bin/env python3
"""Draw the shipped pictures of Tarnwell into opdata/.

Standard library only: a small anti-aliased rasteriser (filled polygons by
scan-line coverage, round-capped strokes by distance), a monoline stroke font
of its own, a PNG writer built on zlib and an ICO container writer.

Run from anywhere:  python3 tools/pictures/make_pictures.py [output folder [icon folder]]
The default output folder is opdata/ next to tools/; the desktop's icons (hicolor theme
layout: PNG at the usual sizes and one SVG) go to packaging/icons/ next to tools/.
"""

import math
import os
import struct
import sys
import zlib

# ---------------------------------------------------------------------------
# Colours (r, g, b) 0..255
# ---------------------------------------------------------------------------
NAVY = (22, 52, 92)
BLUE = (38, 120, 200)
ICE = (120, 190, 240)
PALE = (226, 239, 250)
SLATE = (84, 100, 122)
WHITE = (255, 255, 255)
GRID = (196, 210, 226)


def mix(c1, c2, t):
    return tuple(c1[i] + (c2[i] - c1[i]) * t for i in range(3))


# ---------------------------------------------------------------------------
# Canvas: premultiplied RGBA floats, 0..1
# ---------------------------------------------------------------------------
class Canvas:
    def __init__(self, w, h, bg=None):
        self.w, self.h = w, h
        n = w * h
        if bg is None:
            self.r = [0.0] * n
            self.g = [0.0] * n
            self.b = [0.0] * n
            self.a = [0.0] * n
        else:
            self.r = [bg[0] / 255.0] * n
            self.g = [bg[1] / 255.0] * n
            self.b = [bg[2] / 255.0] * n
            self.a = [1.0] * n

    def blend(self, x, y, cov, colour, alpha=1.0):
        """Composite colour (tuple, or function of x, y) over pixel with coverage."""
        if cov <= 0.0:
            return
        if cov > 1.0:
            cov = 1.0
        if callable(colour):
            colour = colour(x + 0.5, y + 0.5)
        k = y * self.w + x
        sa = cov * alpha
        inv = 1.0 - sa
        self.r[k] = colour[0] / 255.0 * sa + self.r[k] * inv
        self.g[k] = colour[1] / 255.0 * sa + self.g[k] * inv
        self.b[k] = colour[2] / 255.0 * sa + self.b[k] * inv
        self.a[k] = sa + self.a[k] * inv

    # -- filled polygons (non-zero winding), exact horizontal coverage ------
    def fill_polys(self, polys, colour, alpha=1.0, ss=5):
        edges = []
        ymin, ymax = 1e9, -1e9
        for poly in polys:
            for i in range(len(poly)):
                x0, y0 = poly[i]
                x1, y1 = poly[(i + 1) % len(poly)]
                if y0 == y1:
                    continue
                d = 1
                if y0 > y1:
                    x0, y0, x1, y1 = x1, y1, x0, y0
                    d = -1
                edges.append((x0, y0, x1, y1, d))
                ymin = min(ymin, y0)
                ymax = max(ymax, y1)
        if not edges:
            return
        py0 = max(0, int(math.floor(ymin)))
        py1 = min(self.h - 1, int(math.ceil(ymax)))
        for py in range(py0, py1 + 1):
            cov = {}
            for s in range(ss):
                sy = py + (s + 0.5) / ss
                xs = []
                for (x0, y0, x1, y1, d) in edges:
                    if y0 <= sy < y1:
                        xs.append((x0 + (sy - y0) * (x1 - x0) / (y1 - y0), d))
                if not xs:
                    continue
                xs.sort()
                wind = 0
                for i in range(len(xs) - 1):
                    wind += xs[i][1]
                    if wind == 0:
                        continue
                    xa, xb = xs[i][0], xs[i + 1][0]
                    xa = max(xa, 0.0)
                    xb = min(xb, float(self.w))
                    if xb <= xa:
                        continue
                    for px in range(int(math.floor(xa)), int(math.ceil(xb))):
                        ov = min(xb, px + 1) - max(xa, px)
                        if ov > 0:
                            cov[px] = cov.get(px, 0.0) + ov / ss
            for px, c in cov.items():
                if 0 <= px < self.w:
                    self.blend(px, py, c, colour, alpha)

    # -- round-capped strokes along polylines ------------------------------
    def stroke(self, paths, width, colour, alpha=1.0):
        hw = width / 2.0
        segs = []
        for p in paths:
            if len(p) == 1:
                segs.append((p[0][0], p[0][1], p[0][0], p[0][1]))
            for i in range(len(p) - 1):
                segs.append((p[i][0], p[i][1], p[i + 1][0], p[i + 1][1]))
        if not segs:
            return
        mask = {}
        for (x0, y0, x1, y1) in segs:
            bx0 = max(0, int(math.floor(min(x0, x1) - hw - 1)))
            bx1 = min(self.w - 1, int(math.ceil(max(x0, x1) + hw + 1)))
            by0 = max(0, int(math.floor(min(y0, y1) - hw - 1)))
            by1 = min(self.h - 1, int(math.ceil(max(y0, y1) + hw + 1)))
            dx, dy = x1 - x0, y1 - y0
            ll = dx * dx + dy * dy
            for py in range(by0, by1 + 1):
                cy = py + 0.5
                for px in range(bx0, bx1 + 1):
                    cx = px + 0.5
                    if ll > 0:
                        t = ((cx - x0) * dx + (cy - y0) * dy) / ll
                        t = 0.0 if t < 0 else (1.0 if t > 1 else t)
                        ex, ey = x0 + t * dx - cx, y0 + t * dy - cy
                    else:
                        ex, ey = x0 - cx, y0 - cy
                    c = hw + 0.5 - math.sqrt(ex * ex + ey * ey)
                    if c > 0:
                        k = py * self.w + px
                        if c > mask.get(k, 0.0):
                            mask[k] = c if c < 1.0 else 1.0
        for k, c in mask.items():
            self.blend(k % self.w, k // self.w, c, colour, alpha)

    # -- PNG ----------------------------------------------------------------
    def png_bytes(self):
        raw = bytearray()
        for y in range(self.h):
            raw.append(0)
            for x in range(self.w):
                k = y * self.w + x
                a = self.a[k]
                if a > 0.0:
                    rr, gg, bb = self.r[k] / a, self.g[k] / a, self.b[k] / a
                else:
                    rr = gg = bb = 0.0
                raw.extend((_byte(rr), _byte(gg), _byte(bb), _byte(a)))

        def chunk(tag, data):
            c = struct.pack(">I", len(data)) + tag + data
            return c + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

        ihdr = struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
                + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))

    def save(self, path):
        with open(path, "wb") as f:
            f.write(self.png_bytes())


def _byte(v):
    v = int(round(v * 255.0))
    return 0 if v < 0 else (255 if v > 255 else v)


def write_ico(path, canvases):
    """An ICO container whose entries are PNG images."""
    pngs = [c.png_bytes() for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(pngs))
    offset = 6 + 16 * len(pngs)
    for c, data in zip(canvases, pngs):
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(pngs))


# ---------------------------------------------------------------------------
# Geometry helpers
# ---------------------------------------------------------------------------
def arc(cx, cy, rx, ry, a0, a1, step=6.0):
    """Points of an elliptic arc, angles in degrees, y axis pointing up."""
    n = max(2, int(abs(a1 - a0) / step) + 1)
    pts = []
    for i in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * i / n)
        pts.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return pts


def circle_poly(cx, cy, r, n=None):
    n = n or max(24, int(r * 3))
    return [(cx + r * math.cos(2 * math.pi * i / n), cy + r * math.sin(2 * math.pi * i / n))
            for i in range(n)]


def round_rect(x, y, w, h, r):
    pts = []
    for (cx, cy, a0) in ((x + w - r, y + r, -90), (x + w - r, y + h - r, 0),
                         (x + r, y + h - r, 90), (x + r, y + r, 180)):
        for i in range(9):
            a = math.radians(a0 + 90 * i / 8)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def vgrad(c_top, c_bot, y0, y1):
    def f(x, y):
        t = (y - y0) / float(y1 - y0)
        t = 0.0 if t < 0 else (1.0 if t > 1 else t)
        return mix(c_top, c_bot, t)
    return f


# ---------------------------------------------------------------------------
# Stroke font.  Units: cap height 10, x-height 7, baseline 0, y up.
# Each glyph: (ink width, [paths]); a path is a list of points.
# ---------------------------------------------------------------------------
def _L(*xy):
    return [(xy[i], xy[i + 1]) for i in range(0, len(xy), 2)]


def _dot(x, y):
    return [(x, y)]


def _build_font():
    g = {}
    bowl = arc(3.5, 3.5, 3.5, 3.5, 0, 360)
    g["a"] = (7, [bowl, _L(7, 7, 7, 0)])
    g["b"] = (7, [bowl, _L(0, 10, 0, 0)])
    g["c"] = (6.6, [arc(3.5, 3.5, 3.5, 3.5, 42, 318)])
    g["d"] = (7, [bowl, _L(7, 10, 7, 0)])
    g["e"] = (7, [[(0, 3.5), (7, 3.5)] + arc(3.5, 3.5, 3.5, 3.5, 0, 318)])
    g["f"] = (4.6, [_L(1.6, 0) + arc(3.6, 8, 2, 2, 180, 50), _L(0, 7, 4.4, 7)])
    g["g"] = (7, [bowl, _L(7, 7, 7, -0.6) + arc(3.5, -0.6, 3.5, 2.4, 0, -150)])
    g["h"] = (7, [_L(0, 10, 0, 0), _L(0, 3.5) + arc(3.5, 3.5, 3.5, 3.5, 180, 0) + _L(7, 0)])
    g["i"] = (0, [_L(0, 7, 0, 0), _dot(0, 9.6)])
    g["j"] = (2.6, [_L(2.6, 7, 2.6, -0.8) + arc(0.4, -0.8, 2.2, 2.2, 0, -110), _dot(2.6, 9.6)])
    g["k"] = (6, [_L(0, 10, 0, 0), _L(5.6, 7, 0, 2.4), _L(2.1, 4.2, 6, 0)])
    g["l"] = (0, [_L(0, 10, 0, 0)])
    g["m"] = (11, [_L(0, 7, 0, 0), _L(0, 4.3) + arc(2.75, 4.3, 2.75, 2.75, 180, 0) + _L(5.5, 0),
                   _L(5.5, 4.3) + arc(8.25, 4.3, 2.75, 2.75, 180, 0) + _L(11, 0)])
    g["n"] = (7, [_L(0, 7, 0, 0), _L(0, 3.5) + arc(3.5, 3.5, 3.5, 3.5, 180, 0) + _L(7, 0)])
    g["o"] = (7, [bowl])
    g["p"] = (7, [bowl, _L(0, 7, 0, -3)])
    g["q"] = (7, [bowl, _L(7, 7, 7, -3)])
    g["r"] = (4.6, [_L(0, 7, 0, 0), _L(0, 3.4) + arc(3.6, 3.4, 3.6, 3.6, 180, 75)])
    g["s"] = (5.8, [arc(2.9, 5.25, 2.9, 1.75, 25, 270) + arc(2.9, 1.75, 2.9, 1.75, 90, -155)])
    g["t"] = (4.4, [_L(1.6, 9.4, 1.6, 1.8) + arc(3.6, 1.8, 2, 1.8, 180, 300), _L(0, 7, 4.4, 7)])
    g["u"] = (7, [_L(0, 7, 0, 3.5) + arc(3.5, 3.5, 3.5, 3.5, 180, 360), _L(7, 7, 7, 0)])
    g["v"] = (7, [_L(0, 7, 3.5, 0, 7, 7)])
    g["w"] = (10.4, [_L(0, 7, 2.6, 0, 5.2, 7, 7.8, 0, 10.4, 7)])
    g["x"] = (6.6, [_L(0, 7, 6.6, 0), _L(0, 0, 6.6, 7)])
    g["y"] = (7, [_L(0, 7, 3.5, 0), _L(7, 7, 2.2, -3)])
    g["z"] = (6.4, [_L(0, 7, 6.4, 7, 0, 0, 6.4, 0)])

    g["A"] = (8.6, [_L(0, 0, 4.3, 10, 8.6, 0), _L(1.5, 3.4, 7.1, 3.4)])
    g["B"] = (7, [_L(4.2, 5.2, 0, 5.2, 0, 10, 3.8, 10) + arc(3.8, 7.6, 2.4, 2.4, 90, -90),
                  _L(0, 5.2, 0, 0, 4.2, 0) + arc(4.2, 2.6, 2.8, 2.6, -90, 90)])
    g["C"] = (9, [arc(5, 5, 5, 5, 45, 315)])
    g["D"] = (8.6, [_L(3.6, 0, 0, 0, 0, 10, 3.6, 10) + arc(3.6, 5, 5, 5, 90, -90)])
    g["E"] = (6.6, [_L(6.6, 10, 0, 10, 0, 0, 6.6, 0), _L(0, 5.1, 5.6, 5.1)])
    g["F"] = (6.4, [_L(6.4, 10, 0, 10, 0, 0), _L(0, 5.1, 5.4, 5.1)])
    g["G"] = (10, [arc(5, 5, 5, 5, 45, 360) + _L(5.6, 5)])
    g["H"] = (8, [_L(0, 0, 0, 10), _L(8, 0, 8, 10), _L(0, 5.1, 8, 5.1)])
    g["I"] = (0, [_L(0, 0, 0, 10)])
    g["J"] = (6, [_L(6, 10, 6, 3) + arc(3, 3, 3, 3, 0, -180)])
    g["K"] = (7.4, [_L(0, 0, 0, 10), _L(7.2, 10, 0, 2.8), _L(2.5, 5.2, 7.4, 0)])
    g["L"] = (6.4, [_L(0, 10, 0, 0, 6.4, 0)])
    g["M"] = (10, [_L(0, 0, 0, 10, 5, 2.4, 10, 10, 10, 0)])
    g["N"] = (8, [_L(0, 0, 0, 10, 8, 0, 8, 10)])
    g["O"] = (10, [arc(5, 5, 5, 5, 0, 360)])
    g["P"] = (7, [_L(0, 0, 0, 10, 4.2, 10) + arc(4.2, 7.4, 2.8, 2.6, 90, -90) + _L(0, 4.8)])
    g["Q"] = (10, [arc(5, 5, 5, 5, 0, 360), _L(6.2, 2.6, 10, -0.8)])
    g["R"] = (7.4, [_L(0, 0, 0, 10, 4.2, 10) + arc(4.2, 7.4, 2.8, 2.6, 90, -90) + _L(0, 4.8),
                    _L(4.0, 4.8, 7.4, 0)])
    g["S"] = (7.4, [arc(3.7, 7.5, 3.5, 2.5, 28, 270) + arc(3.7, 2.5, 3.7, 2.5, 90, -155)])
    g["T"] = (8, [_L(0, 10, 8, 10), _L(4, 10, 4, 0)])
    g["U"] = (8, [_L(0, 10, 0, 4) + arc(4, 4, 4, 4, 180, 360) + _L(8, 10)])
    g["V"] = (8.6, [_L(0, 10, 4.3, 0, 8.6, 10)])
    g["W"] = (12.6, [_L(0, 10, 3.1, 0, 6.3, 10, 9.5, 0, 12.6, 10)])
    g["X"] = (8, [_L(0, 10, 8, 0), _L(0, 0, 8, 10)])
    g["Y"] = (8, [_L(0, 10, 4, 5, 8, 10), _L(4, 5, 4, 0)])
    g["Z"] = (7.6, [_L(0, 10, 7.6, 10, 0, 0, 7.6, 0)])

    g["0"] = (7, [arc(3.5, 5, 3.5, 5, 0, 360)])
    g["1"] = (4, [_L(0.4, 7.8, 3.4, 10, 3.4, 0)])
    g["2"] = (7, [arc(3.5, 6.7, 3.3, 3.3, 160, -38) + _L(0, 0, 7, 0)])
    g["3"] = (7, [arc(3.4, 7.6, 2.9, 2.4, 155, -90) + arc(3.4, 2.75, 3.3, 2.75, 90, -155)])
    g["4"] = (7.4, [_L(5.4, 0, 5.4, 10, 0, 2.8, 7.4, 2.8)])
    g["5"] = (7, [_L(6.4, 10, 1.1, 10, 0.6, 5.6) + arc(3.6, 3.3, 3.4, 3.3, 135, -150)])
    g["6"] = (7, [arc(3.5, 3.3, 3.5, 3.3, 0, 360), _L(0.3, 4.4, 4.6, 10)])
    g["7"] = (7, [_L(0, 10, 7, 10, 2.4, 0)])
    g["8"] = (7, [arc(3.5, 7.6, 2.8, 2.4, 0, 360), arc(3.5, 2.7, 3.5, 2.7, 0, 360)])
    g["9"] = (7, [arc(3.5, 6.7, 3.5, 3.3, 0, 360), _L(6.7, 5.6, 2.4, 0)])

    g["-"] = (3.6, [_L(0, 3.8, 3.6, 3.8)])
    g["."] = (0, [_dot(0, 0)])
    g[","] = (0.8, [_L(0.8, 0, 0, -2)])
    g[":"] = (0, [_dot(0, 0), _dot(0, 6)])
    g["/"] = (5, [_L(0, -1, 5, 10.5)])
    g["'"] = (0, [_L(0, 10, 0, 7.4)])
    g["("] = (1.9, [arc(6, 4, 6, 9, 134, 226)])
    g[")"] = (1.9, [arc(-4.1, 4, 6, 9, 46, -46)])
    g["&"] = (8, [_L(8, 0) + [(3, 6.5)] + arc(3.9, 8, 2, 2, 215, -30) + [(1.8, 3.6)]
                  + arc(3.2, 2.6, 3.2, 2.6, 160, 320) + [(7.6, 4.4)]])
    g["°"] = (3.2, [arc(1.6, 8.4, 1.6, 1.6, 0, 360)])
    g[" "] = (3.6, [])
    # Umlauts: the base letter with two dots above it.
    for base, um, cx, y in (("a", "ä", 3.5, 9.2), ("o", "ö", 3.5, 9.2), ("u", "ü", 3.5, 9.2),
                            ("A", "Ä", 4.3, 12.2), ("O", "Ö", 5.0, 12.2), ("U", "Ü", 4.0, 12.2)):
        w, paths = g[base]
        g[um] = (w, paths + [_dot(cx - 1.7, y), _dot(cx + 1.7, y)])
    return g


FONT = _build_font()
KERN = {("T", "a"): -1.6, ("T", "o"): -1.6, ("T", "e"): -1.6, ("T", "r"): -1.0,
        ("T", "u"): -1.2, ("T", "y"): -1.2, ("W", "a"): -0.8, ("r", "a"): -0.4,
        ("L", "T"): -1.2, ("A", "V"): -1.2, ("V", "A"): -1.2}


def layout(text, size, weight, tracking=0.0):
    """Glyph paths in font units placed along x; returns (paths, width units).

    size = cap height in pixels; weight = stroke width in pixels.
    Spacing grows with the stroke so that heavy text does not clog."""
    gap = 2.1 + 10.0 * weight / size + tracking
    x = 0.0
    out = []
    prev = None
    for ch in text:
        w, paths = FONT.get(ch, FONT[" "])
        if prev is not None:
            x += gap + KERN.get((prev, ch), 0.0)
        for p in paths:
            out.append([(x + px, py) for (px, py) in p])
        x += w
        prev = ch
    return out, x


def text_width(text, size, weight, tracking=0.0):
    _, w = layout(text, size, weight, tracking)
    return w * size / 10.0 + weight


def draw_text(cv, text, x, baseline, size, weight, colour, align="left", tracking=0.0,
              alpha=1.0):
    """Draw text with its baseline at `baseline` (pixels, y down)."""
    paths, wu = layout(text, size, weight, tracking)
    s = size / 10.0
    width = wu * s
    if align == "center":
        x -= width / 2.0
    elif align == "right":
        x -= width
    pix = [[(x + px * s, baseline - py * s) for (px, py) in p] for p in paths]
    cv.stroke(pix, weight, colour, alpha)
    return width


# ---------------------------------------------------------------------------
# Motifs
# ---------------------------------------------------------------------------
def snowflake_paths(cx, cy, r, branches=2):
    paths = []
    for k in range(6):
        a = math.radians(90 + 60 * k)
        ux, uy = math.cos(a), -math.sin(a)
        paths.append([(cx, cy), (cx + ux * r, cy + uy * r)])
        spots = [(0.52, 0.30)] if branches == 1 else [(0.42, 0.30), (0.70, 0.22)]
        for (t, ln) in spots[:branches]:
            bx, by = cx + ux * r * t, cy + uy * r * t
            for side in (-1, 1):
                b = a + side * math.radians(55)
                vx, vy = math.cos(b), -math.sin(b)
                paths.append([(bx, by), (bx + vx * r * ln, by + vy * r * ln)])
    return paths


def draw_snowflake(cv, cx, cy, r, width, colour, branches=2, alpha=1.0):
    cv.stroke(snowflake_paths(cx, cy, r, branches), width, colour, alpha)


def badge(cv, cx, cy, r, flake_scale=0.66, width=None, branches=2):
    """A round blue badge holding a white snowflake."""
    cv.fill_polys([circle_poly(cx, cy, r)], vgrad(BLUE, NAVY, cy - r, cy + r))
    draw_snowflake(cv, cx, cy, r * flake_scale, width or max(1.2, r * 0.12), WHITE, branches)


# ---------------------------------------------------------------------------
# The pictures
# ---------------------------------------------------------------------------
def make_icon(size):
    cv = Canvas(size, size)
    m = size * 0.04
    cv.fill_polys([round_rect(m, m, size - 2 * m, size - 2 * m, size * 0.2)],
                  vgrad((52, 140, 220), NAVY, m, size - m))
    branches = 1 if size < 40 else 2
    width = 2.0 if size < 40 else size * 0.055
    draw_snowflake(cv, size / 2.0, size / 2.0, size * 0.37, width, WHITE, branches)
    return cv


# The sizes the desktop looks for in the hicolor theme.
DESKTOP_ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def hex_colour(c):
    return "#%02x%02x%02x" % tuple(int(round(v)) for v in c)


def icon_svg(size=256):
    """The icon as scalable vector graphics: the same rounded square and snowflake."""
    m = size * 0.04
    rect = round_rect(m, m, size - 2 * m, size - 2 * m, size * 0.2)
    outline = " ".join("%.2f,%.2f" % pt for pt in rect)
    flake = "".join('<path d="M%.2f %.2fL%.2f %.2f"/>' % (p[0][0], p[0][1], p[1][0], p[1][1])
                    for p in snowflake_paths(size / 2.0, size / 2.0, size * 0.37, 2))
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '<defs><linearGradient id="face" x1="0" y1="%.2f" x2="0" y2="%.2f" '
            'gradientUnits="userSpaceOnUse"><stop offset="0" stop-color="%s"/>'
            '<stop offset="1" stop-color="%s"/></linearGradient></defs>\n'
            '<polygon points="%s" fill="url(#face)"/>\n'
            '<g stroke="#ffffff" stroke-width="%.2f" stroke-linecap="round" fill="none">%s</g>\n'
            '</svg>\n') % (size, size, size, size, m, size - m, hex_colour((52, 140, 220)),
                           hex_colour(NAVY), outline,
                           size * 0.055, flake)


# The icon's name in the desktop's theme: the program's desktop identifier.
DESKTOP_ID = "example.tarnwell_refrigeration.Tarnwell"


def write_desktop_icons(folder, name=DESKTOP_ID):
    for size in DESKTOP_ICON_SIZES:
        apps = os.path.join(folder, "%dx%d" % (size, size), "apps")
        os.makedirs(apps, exist_ok=True)
        make_icon(size).save(os.path.join(apps, name + ".png"))
    apps = os.path.join(folder, "scalable", "apps")
    os.makedirs(apps, exist_ok=True)
    with open(os.path.join(apps, name + ".svg"), "w", encoding="utf-8") as f:
        f.write(icon_svg())
    print("wrote the desktop icons into", folder)


TAGLINES = {
    "en": {"logo": ("walk-in cold room load", "and equipment selection"),
           "print": "Refrigeration load calculation",
           "splash": ("Walk-in cold room load", "and equipment selection")},
    "de": {"logo": ("Kühlraumberechnung", "und Geräteauswahl"),
           "print": "Kältebedarfsberechnung",
           "splash": ("Kühlraumberechnung", "und Geräteauswahl")},
}


def make_logo(lang="en"):
    w, h = 300, 150
    cv = Canvas(w, h)
    card = round_rect(1, 1, w - 2, h - 2, 14)
    cv.fill_polys([card], vgrad(WHITE, (236, 244, 252), 0, h))
    edge = round_rect(1.5, 1.5, w - 3, h - 3, 13.5)
    cv.stroke([edge + [edge[0]]], 1.0, (186, 206, 228))
    badge(cv, 60, 75, 38)
    draw_text(cv, "Tarnwell", 112, 78, 26, 3.8, NAVY)
    cv.fill_polys([[(113, 90), (280, 90), (280, 91.6), (113, 91.6)]], ICE)
    line1, line2 = TAGLINES[lang]["logo"]
    draw_text(cv, line1, 114, 108, 8, 1.3, SLATE, tracking=0.5)
    draw_text(cv, line2, 114, 122, 8, 1.3, SLATE, tracking=0.5)
    return cv


def make_thumbnail():
    """Lower-left logo (it opens the catalogue); no words but the name, so it serves every language."""
    w, h = 100, 60
    cv = Canvas(w, h)
    card = round_rect(0.5, 0.5, w - 1, h - 1, 8)
    cv.fill_polys([card], vgrad(WHITE, (230, 240, 251), 0, h))
    edge = round_rect(1, 1, w - 2, h - 2, 7.5)
    cv.stroke([edge + [edge[0]]], 1.0, (186, 206, 228))
    badge(cv, 19, 30, 13, branches=1, width=1.7)
    draw_text(cv, "Tarnwell", 37, 34, 8, 1.5, NAVY)
    return cv


def make_printlogo(lang="en"):
    w, h = 400, 120
    cv = Canvas(w, h, WHITE)
    badge(cv, 56, 60, 44)
    draw_text(cv, "Tarnwell", 118, 62, 32, 4.4, NAVY)
    cv.fill_polys([[(119, 77), (388, 77), (388, 79.5), (119, 79.5)]], BLUE)
    draw_text(cv, TAGLINES[lang]["print"], 120, 100, 10, 1.5, SLATE, tracking=0.3)
    return cv


def make_arrow(forward, focus):
    s = 20
    cv = Canvas(s, s)
    c = s / 2.0
    if focus:
        cv.fill_polys([circle_poly(c, c, 9.3)], vgrad((60, 150, 230), NAVY, 0, s))
        col = WHITE
    else:
        cv.fill_polys([circle_poly(c, c, 9.3)], WHITE)
        cv.stroke([circle_poly(c, c, 8.7) + [circle_poly(c, c, 8.7)[0]]], 1.2, BLUE)
        col = BLUE
    d = 1 if forward else -1
    cv.stroke([[(c - 1.9 * d, c - 4.2), (c + 2.3 * d, c), (c - 1.9 * d, c + 4.2)]], 2.2, col)
    return cv


def make_speclink():
    # A data sheet: a page with a folded corner and a few lines of text.
    s = 18
    cv = Canvas(s, s)
    page = [(3.5, 1.5), (11.5, 1.5), (14.5, 4.5), (14.5, 16.5), (3.5, 16.5)]
    cv.fill_polys([page], WHITE)
    cv.stroke([page + [page[0]]], 1.0, NAVY)
    cv.stroke([[(11.5, 1.5), (11.5, 4.5), (14.5, 4.5)]], 1.0, NAVY)
    for y in (7.5, 10.0, 12.5):
        cv.stroke([[(6.0, y), (12.0, y)]], 1.0, BLUE)
    return cv


def make_connected():
    # Shown while the update service talks to the server: two linked arrows.
    s = 24
    cv = Canvas(s, s)
    c = s / 2.0
    cv.fill_polys([circle_poly(c, c, 11.0)], vgrad((60, 150, 230), NAVY, 0, s))
    cv.stroke([[(6.5, 9.5), (17.0, 9.5)], [(14.0, 6.5), (17.0, 9.5), (14.0, 12.5)]], 1.8, WHITE)
    cv.stroke([[(17.5, 14.5), (7.0, 14.5)], [(10.0, 11.5), (7.0, 14.5), (10.0, 17.5)]], 1.8, WHITE)
    return cv


def wall_label(cv, x, y, n):
    cv.fill_polys([circle_poly(x, y, 7.0)], WHITE)
    ring = circle_poly(x, y, 6.4)
    cv.stroke([ring + [ring[0]]], 1.2, BLUE)
    draw_text(cv, str(n), x + 0.1, y + 3.7, 7.4, 1.3, NAVY, align="center")


def inside(pts, x, y):
    c = False
    for i in range(len(pts)):
        (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % len(pts)]
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            c = not c
    return c


def draw_plan(cv, pts, labels):
    """Room outline (pixel points) and wall numbers outside each wall.

    labels: (segment index, wall number[, position along the segment 0..1])."""
    cv.fill_polys([pts], vgrad((238, 246, 253), (212, 231, 249), 0, cv.h))
    cv.stroke([pts + [pts[0]]], 2.6, NAVY)
    for lab in labels:
        i, n = lab[0], lab[1]
        t = lab[2] if len(lab) > 2 else 0.5
        (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % len(pts)]
        mx, my = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        ln = math.hypot(x1 - x0, y1 - y0)
        nx, ny = (y1 - y0) / ln, -(x1 - x0) / ln
        if inside(pts, mx + nx * 3, my + ny * 3):
            nx, ny = -nx, -ny
        wall_label(cv, mx + nx * 10.5, my + ny * 10.5, n)


def plan_canvas():
    cv = Canvas(160, 120, WHITE)
    return cv


def scaled(poly, x0, y0, s):
    return [(x0 + x * s, y0 + y * s) for (x, y) in poly]


def make_room4():
    cv = plan_canvas()
    # Walls 1 and 2 are the two long walls (the room length), 3 and 4 the end walls.
    pts = scaled([(0, 0), (110, 0), (110, 70), (0, 70)], 25, 25, 1)
    # segments: 0 top, 1 right, 2 bottom, 3 left
    draw_plan(cv, pts, [(0, 1), (2, 2), (3, 3), (1, 4)])
    return cv


def make_room6():
    cv = plan_canvas()
    # L shape: wall 1 = full width, walls 2 + 3 = wall 1 (bottom part and the
    # step of the notch); wall 4 = full depth, walls 5 + 6 = wall 4 (right
    # part and the riser of the notch).  Floor = 1 x 4 - 3 x 6.
    A, B, W3, W6 = 110, 76, 45, 34
    poly = [(0, 0), (A, 0), (A, B - W6), (A - W3, B - W6), (A - W3, B), (0, B)]
    pts = scaled(poly, 25, 22, 1)
    # segments: 0 top=1, 1 right=5, 2 notch step=3, 3 notch riser=6, 4 bottom=2, 5 left=4
    draw_plan(cv, pts, [(0, 1), (4, 2), (2, 3, 0.3), (5, 4), (1, 5), (3, 6, 0.65)])
    return cv


def make_room8():
    cv = plan_canvas()
    # Wall 1 = full width = walls 2 + 3 + 4 (bottom left, top of the recess,
    # bottom right); wall 5 = full depth; wall 8 = 5 - 6 + 7 (6 and 7 are the
    # two sides of the recess).
    A, B = 110, 76
    W2, W3, W4, W6, W7 = 40, 40, 30, 36, 16
    W8 = B - W6 + W7
    poly = [(0, 0), (A, 0), (A, W8), (A - W4, W8), (A - W4, B - W6), (W2, B - W6),
            (W2, B), (0, B)]
    pts = scaled(poly, 25, 22, 1)
    # segments: 0 top=1, 1 right=8, 2 bottom right=4, 3 recess right side=7,
    # 4 recess top=3, 5 recess left side=6, 6 bottom left=2, 7 left=5
    draw_plan(cv, pts, [(0, 1), (6, 2), (4, 3, 0.75), (2, 4), (7, 5), (5, 6, 0.7),
                        (3, 7), (1, 8)])
    return cv


def make_roomgrid():
    cv = plan_canvas()
    x0, y0, cw, rh = 22, 22, 29, 11
    cols, rows = 4, 6
    cv.fill_polys([[(x0, y0), (x0 + cw * cols, y0), (x0 + cw * cols, y0 + rh * rows),
                    (x0, y0 + rh * rows)]], WHITE)
    cv.fill_polys([[(x0, y0), (x0 + cw * cols, y0), (x0 + cw * cols, y0 + rh),
                    (x0, y0 + rh)]], (214, 232, 249))
    cv.fill_polys([[(x0, y0), (x0 + cw, y0), (x0 + cw, y0 + rh * rows), (x0, y0 + rh * rows)]],
                  (214, 232, 249))
    lines = []
    for i in range(rows + 1):
        lines.append([(x0, y0 + rh * i), (x0 + cw * cols, y0 + rh * i)])
    for j in range(cols + 1):
        lines.append([(x0 + cw * j, y0), (x0 + cw * j, y0 + rh * rows)])
    cv.stroke(lines, 1.0, (150, 175, 205))
    for j in range(1, cols):
        draw_text(cv, str(j), x0 + cw * j + cw / 2.0, y0 + 8.3, 6, 1.1, NAVY, align="center")
    for i in range(1, rows):
        cv.stroke([[(x0 + 5, y0 + rh * i + 5.5), (x0 + cw - 6, y0 + rh * i + 5.5)]], 1.6,
                  (150, 175, 205))
        for j in range(1, cols):
            ln = 8 + ((i * 7 + j * 5) % 9)
            cv.stroke([[(x0 + cw * j + 6, y0 + rh * i + 5.5),
                        (x0 + cw * j + 6 + ln, y0 + rh * i + 5.5)]], 1.6, (110, 150, 195))
    draw_text(cv, "surface list", 80, 107, 8, 1.35, NAVY, align="center", tracking=0.4)
    return cv


def make_splash(lang="en"):
    w, h = 400, 250
    cv = Canvas(w, h, NAVY)
    cv.fill_polys([[(0, 0), (w, 0), (w, h), (0, h)]], vgrad((36, 100, 170), (14, 36, 68), 0, h))
    # a large faint snowflake in the background, lower right
    draw_snowflake(cv, 350, 170, 120, 9, WHITE, 2, alpha=0.07)
    badge(cv, 74, 100, 44)
    ring = circle_poly(74, 100, 44.5)
    cv.stroke([ring + [ring[0]]], 1.4, (150, 200, 245))
    draw_text(cv, "Tarnwell", 138, 114, 34, 4.6, WHITE)
    line1, line2 = TAGLINES[lang]["splash"]
    draw_text(cv, line1, 140, 142, 10, 1.5, (205, 226, 248), tracking=0.4)
    draw_text(cv, line2, 140, 160, 10, 1.5, (205, 226, 248), tracking=0.4)
    cv.fill_polys([[(0, 206), (w, 206), (w, 207), (0, 207)]], WHITE, alpha=0.22)
    draw_text(cv, "Tarnwell Refrigeration", 24, 230, 8, 1.25, (170, 200, 232), tracking=0.5)
    return cv


def make_specimen():
    cv = Canvas(640, 200, WHITE)
    draw_text(cv, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", 10, 30, 18, 2.2, NAVY)
    draw_text(cv, "abcdefghijklmnopqrstuvwxyz", 10, 70, 18, 2.2, NAVY)
    draw_text(cv, "0123456789 -.,:/'()&° äöü ÄÖÜ", 10, 110, 18, 2.2, NAVY)
    draw_text(cv, "The quick brown fox jumps over 12 lazy dogs.", 10, 150, 12, 1.5, NAVY)
    draw_text(cv, "Walk-in cold room load 1 2 3 4 5 6 7 8", 10, 185, 7, 1.2, NAVY)
    return cv


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "opdata")
    out = os.path.normpath(out)
    os.makedirs(out, exist_ok=True)
    if os.environ.get("SPECIMEN"):
        make_specimen().save(os.path.join(out, "specimen.png"))
        return
    write_ico(os.path.join(out, "tarnwell.ico"), [make_icon(32), make_icon(48)])
    pictures = {
        "logo.png": make_logo,
        "thumbnail.png": make_thumbnail,
        "printlogo.png": make_printlogo,
        "arrow_back_focus.png": lambda: make_arrow(False, True),
        "arrow_back.png": lambda: make_arrow(False, False),
        "arrow_fwd_focus.png": lambda: make_arrow(True, True),
        "arrow_fwd.png": lambda: make_arrow(True, False),
        "room4.png": make_room4,
        "room6.png": make_room6,
        "room8.png": make_room8,
        "roomgrid.png": make_roomgrid,
        "splash.png": make_splash,
        "speclink.png": make_speclink,
        "connected.png": make_connected,
        # German variants, named by deutsch.lng
        "logo_de.png": lambda: make_logo("de"),
        "printlogo_de.png": lambda: make_printlogo("de"),
        "splash_de.png": lambda: make_splash("de"),
    }
    for name, fn in pictures.items():
        fn().save(os.path.join(out, name))
        print("wrote", os.path.join(out, name))
    icons = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, "..", "..", "packaging",
                                                               "icons")
    write_desktop_icons(os.path.normpath(icons))


if __name__ == "__main__":
    main()
