#!/usr/bin/env python3
"""Writes the pictures of the macro editor as 24-bit .bmp line drawings:

- resources/icons/217.bmp and 234.bmp: the buttons "select another macro" and "zoom"
  (16 x 16, white shows through);
- resources/product/icons/<Command>.bmp: the macro commands (24 x 24, silver shows through);
- resources/product/icons/Flush.bmp, Offset.bmp and Mirror.bmp: constraint image buttons of
  the example macros (20 x 20, magenta shows through).

Run it from anywhere after changing a drawing."""

from pathlib import Path

import bmp_canvas

ROOT = Path(__file__).resolve().parent.parent
ICONS = ROOT / "resources/icons"
PRODUCT = ROOT / "resources/product/icons"

WHITE, SILVER, MAGENTA = (255, 255, 255), (192, 192, 192), (255, 0, 255)
DARK, BLUE, RED = (40, 40, 40), (30, 90, 200), (200, 40, 40)


class Picture(bmp_canvas.Canvas):
    """A square picture whose strokes are dark unless told otherwise."""

    def __init__(self, size, background):
        super().__init__(size, size, background)

    def line(self, x0, y0, x1, y1, colour=DARK, width=None):
        self.fine_line(x0, y0, x1, y1, colour, width=width)

    def rect(self, x0, y0, x1, y1, colour=DARK):
        super().rect(x0, y0, x1, y1, colour)

    def circle(self, cx, cy, r, colour=DARK, start=0, end=360):
        self.arc(cx, cy, r, start, end, colour, steps=max(16, int(r * 8)))


def select_macro():
    p = Picture(16, WHITE)
    p.rect(1, 1, 10, 8, BLUE)
    p.line(3, 4, 8, 4, BLUE)
    for i in range(7):  # the pointer
        p.line(7, 7 + i, 7 + i * 0.6, 7 + i)
    p.line(7, 7, 14, 12)
    p.line(10, 12, 13, 15)
    return p


def zoom():
    p = Picture(16, WHITE)
    p.circle(6, 6, 4.5)
    p.line(3.5, 6, 8.5, 6, BLUE)
    p.line(6, 3.5, 6, 8.5, BLUE)
    p.line(9.5, 9.5, 14, 14)
    p.line(10, 9.5, 14.5, 14)
    return p


def command(name):
    p = Picture(24, SILVER)
    if name == "Parallel":
        p.line(4, 18, 16, 4)
        p.line(9, 20, 21, 6)
    elif name == "Perpendicular":
        p.line(4, 20, 20, 20)
        p.line(12, 20, 12, 4)
        p.rect(12, 16, 16, 20, BLUE)
    elif name == "Coincident":
        p.line(3, 20, 12, 12)
        p.line(12, 12, 21, 18)
        p.fill(11, 11, 13, 13, RED)
    elif name == "Symmetric":
        p.line(12, 2, 12, 22, BLUE)
        p.line(4, 8, 9, 16)
        p.line(20, 8, 15, 16)
    elif name == "Tangent":
        p.circle(10, 13, 7)
        p.line(3, 5, 21, 5)
    elif name == "Concentric":
        p.circle(12, 12, 9)
        p.circle(12, 12, 5, BLUE)
        p.fill(11, 11, 12, 12, RED)
    elif name == "EqualRadius":
        p.circle(7, 12, 5)
        p.circle(17, 12, 5)
        p.line(7, 12, 11, 9, BLUE)
        p.line(17, 12, 21, 9, BLUE)
    elif name == "Distance":
        p.line(3, 4, 3, 20)
        p.line(21, 4, 21, 20)
        p.line(4, 12, 20, 12, BLUE)
        for d in range(3):
            p.line(4 + d, 12 - d, 4 + d, 12 + d, BLUE)
            p.line(20 - d, 12 - d, 20 - d, 12 + d, BLUE)
    elif name == "Angle":
        p.line(3, 20, 21, 20)
        p.line(3, 20, 18, 5)
        p.circle(3, 20, 11, BLUE, 0, 45)
    elif name == "Radius":
        p.circle(12, 12, 9)
        p.line(12, 12, 19, 6, BLUE)
        p.fill(11, 11, 12, 12, RED)
    elif name == "AddModule":
        p.rect(3, 6, 15, 18)
        p.line(6, 10, 12, 10)
        p.line(18, 4, 18, 12, BLUE)
        p.line(14, 8, 22, 8, BLUE)
    elif name == "BoltPattern":
        p.rect(2, 2, 21, 21)
        for cx in (7, 16):
            for cy in (7, 16):
                p.circle(cx, cy, 2.5, BLUE)
    elif name == "CoordSys":
        p.line(5, 19, 20, 19, RED)
        p.line(5, 19, 5, 4, BLUE)
        p.line(5, 19, 14, 12)
        p.line(18, 17, 20, 19, RED)
        p.line(18, 21, 20, 19, RED)
        p.line(3, 6, 5, 4, BLUE)
        p.line(7, 6, 5, 4, BLUE)
    return p


def placement(kind):
    p = Picture(20, MAGENTA)
    p.line(10, 1, 10, 18, DARK)  # the face
    if kind == "Flush":
        p.fill(11, 5, 14, 14, BLUE)
    elif kind == "Offset":
        p.fill(14, 5, 17, 14, BLUE)
        p.line(11, 9, 13, 9, RED)
    elif kind == "Mirror":
        p.fill(5, 5, 8, 14, BLUE)
        p.line(13, 6, 17, 10, RED)
        p.line(17, 10, 13, 14, RED)
    return p


COMMANDS = ["Parallel", "Perpendicular", "Coincident", "Symmetric", "Tangent", "Concentric",
            "EqualRadius", "Distance", "Angle", "Radius", "AddModule", "BoltPattern", "CoordSys"]

if __name__ == "__main__":
    select_macro().write(ICONS / "217.bmp")
    zoom().write(ICONS / "234.bmp")
    for name in COMMANDS:
        command(name).write(PRODUCT / f"{name}.bmp")
    for kind in ("Flush", "Offset", "Mirror"):
        placement(kind).write(PRODUCT / f"{kind}.bmp")
