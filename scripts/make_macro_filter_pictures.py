#!/usr/bin/env python3
"""Writes the pictures of the macro settings' filter pages: 48 by 48 pixel, 24-bit .bmp line
drawings below resources/product/icons (the product folder's "icons\\" pictures)."""

import math
from pathlib import Path

import bmp_canvas

OUT = Path(__file__).resolve().parent.parent / "resources/product/icons"
SIZE = 48
STEEL, AXIS, MEASURE = (60, 60, 70), (150, 150, 160), (200, 40, 40)


class Picture(bmp_canvas.Canvas):
    def __init__(self):
        super().__init__(SIZE)

    def line(self, x0, y0, x1, y1, colour, width=None):
        self.fine_line(x0, y0, x1, y1, colour, density=2, width=width)

    def arc(self, cx, cy, r, start, end, colour):
        super().arc(cx, cy, r, start, end, colour, steps=int(abs(end - start) * r / 20) + 8)

    def arrow(self, x0, y0, x1, y1, colour):
        """A dimension line with a head at both ends."""
        self.line(x0, y0, x1, y1, colour)
        length = math.hypot(x1 - x0, y1 - y0)
        ux, uy = (x1 - x0) / length, (y1 - y0) / length
        for (px, py, sx) in ((x0, y0, 1), (x1, y1, -1)):
            for side in (-1, 1):
                self.line(px, py, px + sx * 4 * ux + side * 2.5 * uy,
                          py + sx * 4 * uy - side * 2.5 * ux, colour)


def i_section(p, cx, cy, half_w, half_h, colour):
    """An I-section outline: two flanges and a web."""
    flange = 3
    p.rect(cx - half_w, cy - half_h, cx + half_w, cy - half_h + flange, colour)
    p.rect(cx - half_w, cy + half_h - flange, cx + half_w, cy + half_h, colour)
    p.line(cx - 1, cy - half_h + flange, cx - 1, cy + half_h - flange, colour)
    p.line(cx + 1, cy - half_h + flange, cx + 1, cy + half_h - flange, colour)


def angle(sweep):
    """A beam meeting the axis of the member it connects to, the angle measured up to sweep."""
    p = Picture()
    cx, cy = 24, 38 if sweep == 90 else 30
    p.line(4, cy, 44, cy, AXIS)                    # the axis of the member
    if sweep == 90:
        p.line(cx, cy, cx, 4, AXIS)
    p.line(cx, cy, cx + 16, cy - 22, STEEL, 3)     # the beam
    p.arc(cx, cy, 12, 0, sweep, MEASURE)
    p.arc(cx, cy, 6, 0, 54, STEEL)
    return p


def section_angle():
    p = Picture()
    i_section(p, 20, 26, 10, 14, STEEL)
    p.line(20, 4, 20, 44, AXIS)
    p.arc(20, 26, 20, 60, 120, MEASURE)
    p.line(20, 26, 30, 8, MEASURE)
    return p


def path_distance():
    p = Picture()
    p.rect(4, 6, 12, 42, STEEL)                    # the member the path runs along
    p.rect(30, 18, 44, 30, STEEL)                  # the connected part
    p.line(8, 24, 44, 24, AXIS)                    # the path
    p.arrow(13, 36, 29, 36, MEASURE)
    p.line(29, 31, 29, 40, MEASURE)
    return p


def section_size():
    p = Picture()
    i_section(p, 20, 24, 12, 16, STEEL)
    p.arrow(40, 8, 40, 40, MEASURE)                # the height
    p.arrow(8, 45, 32, 45, MEASURE)                # the width
    return p


if __name__ == "__main__":
    angle(90).write(OUT / "MacroFilterAngle90.bmp")
    angle(180).write(OUT / "MacroFilterAngle180.bmp")
    section_angle().write(OUT / "MacroFilterSectionAngle.bmp")
    path_distance().write(OUT / "MacroFilterPathDistance.bmp")
    section_size().write(OUT / "MacroFilterSectionSize.bmp")
