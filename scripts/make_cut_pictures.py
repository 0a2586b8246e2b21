#!/usr/bin/env python3
"""Writes the pictures of the six cut types (resources/product/icons/Cut*.bmp): small line
drawings, 24-bit .bmp, white where the combo's face shows through. The profile that is cut is
black, what cuts it blue, the cut line red."""

import math
import struct
from pathlib import Path

OUT = Path(__file__).resolve().parent.parent / "resources/product/icons"
BLACK, BLUE, RED, GREY, WHITE = (30, 30, 30), (30, 90, 200), (200, 40, 40), (150, 150, 150), (255, 255, 255)
W, H = 48, 32


class Canvas:
    def __init__(self):
        self.pixels = [[WHITE] * W for _ in range(H)]

    def dot(self, x, y, colour):
        if 0 <= x < W and 0 <= y < H:
            self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour, dash=0):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            if dash and (i // dash) % 2:
                continue
            self.dot(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def rect(self, x0, y0, x1, y1, colour):
        self.line(x0, y0, x1, y0, colour)
        self.line(x1, y0, x1, y1, colour)
        self.line(x1, y1, x0, y1, colour)
        self.line(x0, y1, x0, y0, colour)

    def arc(self, cx, cy, r, start, end, colour):
        for i in range(start, end + 1):
            a = math.radians(i)
            self.dot(round(cx + r * math.cos(a)), round(cy - r * math.sin(a)), colour)

    def save(self, path):
        stride = (W * 3 + 3) & ~3
        data = bytearray()
        for row in reversed(self.pixels):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            data += line + bytes(stride - len(line))
        header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, W, H, 1, 24, 0, len(data), 3780, 3780, 0, 0)
        path.write_bytes(header + info + data)


def beam(c, x0, x1, top=10, bottom=22, colour=BLACK):
    """A profile seen from the side: its two flanges and the web between them."""
    c.line(x0, top, x1, top, colour)
    c.line(x0, top + 2, x1, top + 2, colour)
    c.line(x0, bottom - 2, x1, bottom - 2, colour)
    c.line(x0, bottom, x1, bottom, colour)


def prof_vs_plate():
    c = Canvas()
    beam(c, 4, 30)
    c.rect(33, 3, 37, 29, BLUE)           # the plate
    c.line(31, 6, 31, 26, RED, dash=2)     # the cut, short of the plate's face
    return c


def prof_vs_prof():
    c = Canvas()
    beam(c, 4, 30)
    c.rect(33, 2, 44, 30, BLUE)            # the column the beam runs into
    c.line(34, 2, 34, 30, BLUE)
    c.line(43, 2, 43, 30, BLUE)
    c.line(31, 6, 31, 26, RED, dash=2)
    return c


def prof_in_prof():
    c = Canvas()
    beam(c, 2, 46, 6, 26, BLUE)            # the outer profile
    beam(c, 14, 34, 12, 20)                # the inner one, inside it
    c.rect(12, 10, 36, 22, RED)            # the clearance cut around it
    return c


def three_segments():
    c = Canvas()
    beam(c, 4, 24)
    c.rect(35, 2, 44, 30, BLUE)
    # the cut in three segments: flanges square, the web at an angle
    c.line(26, 8, 26, 12, RED)
    c.line(26, 12, 32, 20, RED)
    c.line(32, 20, 32, 24, RED)
    c.line(24, 10, 24, 22, BLACK)
    return c


def chamfer():
    c = Canvas()
    c.line(4, 28, 44, 28, BLACK)
    c.line(4, 28, 4, 4, BLACK)
    c.line(4, 4, 32, 4, BLACK)
    c.line(44, 28, 44, 16, BLACK)
    c.line(32, 4, 44, 16, RED)             # the chamfered corner
    c.line(32, 4, 44, 4, GREY, dash=2)
    c.line(44, 4, 44, 16, GREY, dash=2)
    return c


def fillet():
    c = Canvas()
    c.line(4, 28, 44, 28, BLACK)
    c.line(4, 28, 4, 4, BLACK)
    c.line(4, 4, 32, 4, BLACK)
    c.line(44, 28, 44, 16, BLACK)
    c.arc(32, 16, 12, 0, 90, RED)          # the rounded corner
    c.line(32, 16, 41, 7, GREY, dash=2)    # its radius
    return c


PICTURES = {
    "CutProfvsPlate.bmp": prof_vs_plate,
    "CutProfvsProf.bmp": prof_vs_prof,
    "CutProfinProf.bmp": prof_in_prof,
    "CutProfvsProf3Segments.bmp": three_segments,
    "CutChamfer.bmp": chamfer,
    "CutFillet.bmp": fillet,
}

if __name__ == "__main__":
    OUT.mkdir(parents=True, exist_ok=True)
    for name, draw in PICTURES.items():
        draw().save(OUT / name)
