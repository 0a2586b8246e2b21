#!/usr/bin/env python3
"""Writes the module pictures (<name>.bmp, 96 x 96, 24-bit) from the drawings below: dark line
art with blue accents on white. Run it from this folder after changing a drawing."""

import struct

SIZE = 96
WHITE = (255, 255, 255)
DARK = (40, 40, 40)
BLUE = (30, 90, 200)
FILL = (205, 220, 245)


class Canvas:
    def __init__(self):
        self.px = [[WHITE] * SIZE for _ in range(SIZE)]

    def dot(self, x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = c

    def line(self, x0, y0, x1, y1, c, w=2):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            x = round(x0 + (x1 - x0) * i / n)
            y = round(y0 + (y1 - y0) * i / n)
            for dx in range(w):
                for dy in range(w):
                    self.dot(x + dx, y + dy, c)

    def rect(self, x0, y0, x1, y1, c, fill=None):
        if fill:
            for y in range(y0, y1):
                for x in range(x0, x1):
                    self.dot(x, y, fill)
        self.line(x0, y0, x1, y0, c)
        self.line(x1, y0, x1, y1, c)
        self.line(x1, y1, x0, y1, c)
        self.line(x0, y1, x0, y0, c)

    def poly(self, points, c):
        for a, b in zip(points, points[1:] + points[:1]):
            self.line(a[0], a[1], b[0], b[1], c)

    def hole(self, cx, cy, r, c):
        for y in range(cy - r - 1, cy + r + 2):
            for x in range(cx - r - 1, cx + r + 2):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if r - 1.2 <= d <= r + 0.6:
                    self.dot(x, y, c)

    def save(self, name):
        rows = b""
        for y in reversed(range(SIZE)):
            row = b"".join(bytes((b, g, r)) for (r, g, b) in self.px[y])
            rows += row + b"\0" * ((4 - len(row) % 4) % 4)
        header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
        with open(name, "wb") as f:
            f.write(header + info + rows)


def plate():
    c = Canvas()
    c.rect(20, 12, 76, 84, DARK, FILL)
    for x in (33, 63):
        for y in (26, 48, 70):
            c.hole(x, y, 5, BLUE)
    return c


def stiffener():
    c = Canvas()
    # an H section seen end-on, with a stiffener plate between the flanges
    c.rect(14, 12, 82, 20, DARK, FILL)
    c.rect(14, 76, 82, 84, DARK, FILL)
    c.rect(45, 20, 51, 76, DARK, FILL)
    c.rect(53, 24, 76, 72, BLUE)
    c.line(53, 24, 76, 72, BLUE, 1)
    return c


def cleat():
    c = Canvas()
    # an angle cleat: its two legs with a bolt in each
    c.poly([(18, 16), (30, 16), (30, 68), (80, 68), (80, 80), (18, 80)], DARK)
    c.hole(24, 38, 4, BLUE)
    c.hole(56, 74, 4, BLUE)
    return c


def haunch():
    c = Canvas()
    # a beam meeting a column, deepened near the column by a haunch
    c.rect(10, 8, 22, 88, DARK, FILL)
    c.rect(22, 24, 88, 36, DARK, FILL)
    c.poly([(22, 36), (62, 36), (22, 60)], BLUE)
    return c


for name, draw in (("Plate", plate), ("Stiffener", stiffener), ("Cleat", cleat),
                   ("Haunch", haunch)):
    draw().save(name + ".bmp")
