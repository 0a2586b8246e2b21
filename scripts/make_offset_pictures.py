#!/usr/bin/env python3
"""Writes the pictures of the advanced profile dialog's reference-point buttons into the
product folder's icons: OffsetPoint1.bmp ... OffsetPoint9.bmp, an I-section in outline with the
reference point marked, point n of a 3 x 3 grid over the section counted row by row from the top
left. 24-bit .bmp line drawings on white, which the buttons treat as transparent."""

import struct
from pathlib import Path

OUT = Path(__file__).resolve().parent.parent / "resources/product/icons"
WHITE, INK, STEEL, MARK, GRID = (255, 255, 255), (40, 40, 40), (205, 210, 220), (200, 30, 30), (150, 160, 180)
WIDTH, HEIGHT = 28, 26


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[WHITE] * width for _ in range(height)]

    def dot(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def hline(self, x0, x1, y, colour):
        for x in range(min(x0, x1), max(x0, x1) + 1):
            self.dot(x, y, colour)

    def vline(self, x, y0, y1, colour):
        for y in range(min(y0, y1), max(y0, y1) + 1):
            self.dot(x, y, colour)

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, colour)

    def write(self, name):
        row_bytes = self.width * 3 + (-self.width * 3) % 4
        body = b""
        for row in reversed(self.pixels):
            line = b"".join(bytes((b, g, r)) for r, g, b in row)
            body += line + b"\0" * (row_bytes - len(line))
        header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(body),
                           3780, 3780, 0, 0)
        OUT.mkdir(parents=True, exist_ok=True)
        (OUT / name).write_bytes(header + info + body)


def i_section(c, left, top, right, bottom):
    """An I-section: two flanges of 3 pixels and a web of 3 pixels, filled, outlined."""
    mid = (left + right) // 2
    flange = 3
    c.fill(left, top, right, top + flange - 1, STEEL)
    c.fill(left, bottom - flange + 1, right, bottom, STEEL)
    c.fill(mid - 1, top + flange, mid + 1, bottom - flange, STEEL)
    # Outline.
    c.hline(left, right, top, INK)
    c.hline(left, right, bottom, INK)
    c.vline(left, top, top + flange - 1, INK)
    c.vline(right, top, top + flange - 1, INK)
    c.vline(left, bottom - flange + 1, bottom, INK)
    c.vline(right, bottom - flange + 1, bottom, INK)
    c.hline(left, mid - 2, top + flange - 1, INK)
    c.hline(mid + 2, right, top + flange - 1, INK)
    c.hline(left, mid - 2, bottom - flange + 1, INK)
    c.hline(mid + 2, right, bottom - flange + 1, INK)
    c.vline(mid - 2, top + flange - 1, bottom - flange + 1, INK)
    c.vline(mid + 2, top + flange - 1, bottom - flange + 1, INK)


def picture(point):
    c = Canvas(WIDTH, HEIGHT)
    left, top, right, bottom = 5, 4, WIDTH - 6, HEIGHT - 5
    i_section(c, left, top, right, bottom)
    xs = (left, (left + right) // 2, right)
    ys = (top, (top + bottom) // 2, bottom)
    # The nine points faintly, the chosen one as a red square with a cross.
    for gy in ys:
        for gx in xs:
            c.dot(gx, gy, GRID)
    row, col = divmod(point - 1, 3)
    x, y = xs[col], ys[row]
    c.fill(x - 2, y - 2, x + 2, y + 2, MARK)
    c.hline(x - 4, x + 4, y, MARK)
    c.vline(x, y - 4, y + 4, MARK)
    c.write(f"OffsetPoint{point}.bmp")


if __name__ == "__main__":
    for n in range(1, 10):
        picture(n)
