#!/usr/bin/env python3
"""Writes the pictures of the macro dialog's bolt sub-dialogs into the product folder's icons:
DrawBolt2.bmp (a bolt through two plates, with the lengths the advanced bolt dialog sets) and
BoltAlternation1.bmp ... BoltAlternation5.bmp (the five ways a pattern's rows alternate). 24-bit
.bmp line drawings on white, which the buttons treat as transparent."""

from pathlib import Path

import bmp_canvas

OUT = Path(__file__).resolve().parent.parent / "resources/product/icons"
WHITE, INK, STEEL, PLATE, DIM = (255, 255, 255), (30, 30, 30), (120, 130, 150), (200, 205, 215), (40, 90, 200)


class Canvas(bmp_canvas.Canvas):
    def arrow_line(self, x0, x1, y, colour):
        """A horizontal dimension line with arrow heads at both ends."""
        self.line(x0, y, x1, y, colour)
        for i in range(1, 4):
            self.line(x0 + i, y - i, x0 + i, y + i, colour)
            self.line(x1 - i, y - i, x1 - i, y + i, colour)

    def disc(self, cx, cy, r, colour, fill):
        """A filled circle with its outline."""
        for y in range(-r, r + 1):
            for x in range(-r, r + 1):
                d = x * x + y * y
                if fill and d <= (r - 1) * (r - 1):
                    self.dot(cx + x, cy + y, fill)
                elif (r - 0.6) ** 2 <= d <= (r + 0.4) ** 2:
                    self.dot(cx + x, cy + y, colour)


def bolt():
    """A bolt seen from the side, horizontal: head, washer, two plates, washer, nut, the shank
    end; dimension lines for the bolt length, the grip and the hole clearance."""
    c = Canvas(280, 126)
    axis = 56
    # Plates (the grip), with the hole drawn wider than the shank.
    c.rect(100, 14, 130, 98, INK, PLATE)
    c.rect(130, 14, 160, 98, INK, PLATE)
    for x in range(101, 160):
        for y in range(axis - 12, axis + 13):
            c.dot(x, y, WHITE)
    c.line(100, axis - 12, 160, axis - 12, INK)
    c.line(100, axis + 12, 160, axis + 12, INK)
    # Head and washer.
    c.rect(62, axis - 26, 88, axis + 26, INK, STEEL)
    c.line(62, axis - 13, 88, axis - 13, INK)
    c.line(62, axis + 13, 88, axis + 13, INK)
    c.rect(88, axis - 20, 99, axis + 20, INK, (225, 228, 235))
    # Shank through the plates and beyond the nut.
    c.rect(99, axis - 10, 222, axis + 10, INK, STEEL)
    # Washer and nut.
    c.rect(161, axis - 20, 172, axis + 20, INK, (225, 228, 235))
    c.rect(172, axis - 24, 198, axis + 24, INK, STEEL)
    c.line(172, axis - 12, 198, axis - 12, INK)
    c.line(172, axis + 12, 198, axis + 12, INK)
    # Thread end.
    for x in range(202, 222, 4):
        c.line(x, axis - 10, x + 3, axis + 10, INK)
    # Dimensions: bolt length (under the head to the end), grip (the plates), clearance.
    for x in (88, 222):
        c.line(x, axis + 28, x, 120, DIM)
    c.arrow_line(88, 222, 116, DIM)
    for x in (100, 160):
        c.line(x, 99, x, 108, DIM)
    c.arrow_line(100, 160, 104, DIM)
    c.line(236, axis - 12, 250, axis - 12, DIM)
    c.line(236, axis + 12, 250, axis + 12, DIM)
    c.line(243, axis - 22, 243, axis + 22, DIM)
    for i in range(1, 4):
        c.line(243 - i, axis - 12 - i, 243 + i, axis - 12 - i, DIM)
        c.line(243 - i, axis + 12 + i, 243 + i, axis + 12 + i, DIM)
    # Centre line.
    for x in range(50, 232, 8):
        c.line(x, axis, x + 4, axis, DIM)
    c.write(OUT / "DrawBolt2.bmp")


# Per picture, the columns of the holes in each of three rows (x positions on a 4-step grid).
ALTERNATIONS = {
    1: [[0, 1, 2, 3], [0, 1, 2, 3], [0, 1, 2, 3]],        # no alternation
    2: [[0, 1, 2, 3], [0.5, 1.5, 2.5, 3.5], [0, 1, 2, 3]],  # every row shifted from the last
    3: [[0, 1, 2, 3], [0.5, 1.5, 2.5], [0, 1, 2, 3]],        # the middle row between the others
    4: [[0.5, 1.5, 2.5], [0, 1, 2, 3], [0.5, 1.5, 2.5]],     # the outer rows between
    5: [[0, 1, 2, 3], [0.5, 1.5, 2.5, 3.5], [1, 2, 3]],      # shifted, ending short
}


def alternation(number, rows):
    c = Canvas(40, 24)
    c.rect(1, 1, 38, 22, (170, 175, 185))
    for r, columns in enumerate(rows):
        for col in columns:
            c.disc(int(7 + col * 8.5), 6 + r * 6, 2, INK, INK)
    c.write(OUT / f"BoltAlternation{number}.bmp")


if __name__ == "__main__":
    bolt()
    for number, rows in ALTERNATIONS.items():
        alternation(number, rows)
