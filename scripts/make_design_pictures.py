#!/usr/bin/env python3
"""Writes the pictures of the example library's dialog designs: simple line drawings of the
connections, 24-bit .bmp, white where the dialog face shows through."""

import math
from pathlib import Path

import bmp_canvas

OUT = Path(__file__).resolve().parent.parent / "examples/library/Dialog Templates/Dialog Design"
BLACK, BLUE, GREY = (30, 30, 30), (30, 90, 200), (150, 150, 150)


class Canvas(bmp_canvas.Canvas):
    def circle(self, cx, cy, r, colour):
        for i in range(360):
            a = math.radians(i)
            self.dot(round(cx + r * math.cos(a)), round(cy + r * math.sin(a)), colour)

    def arrow_dimension(self, x0, y0, x1, y1, colour):
        self.line(x0, y0, x1, y1, colour)
        for (x, y, dx, dy) in ((x0, y0, 1, 1), (x1, y1, -1, -1)):
            if y0 == y1:
                self.line(x, y, x + 4 * dx, y - 3, colour)
                self.line(x, y, x + 4 * dx, y + 3, colour)
            else:
                self.line(x, y, x - 3, y + 4 * dy, colour)
                self.line(x, y, x + 3, y + 4 * dy, colour)


def end_plate():
    """An end plate seen from the front with four bolts, its width, height and the bolt
    gauge and pitch dimensioned."""
    c = Canvas(420, 300)
    # the plate
    c.rect(60, 40, 200, 260, BLACK)
    # the beam behind it (dashed I-section)
    c.rect(80, 60, 180, 70, GREY)
    c.rect(80, 230, 180, 240, GREY)
    c.line(127, 70, 127, 230, GREY, dash=4)
    c.line(133, 70, 133, 230, GREY, dash=4)
    # four bolts
    for (x, y) in ((95, 95), (165, 95), (95, 205), (165, 205)):
        c.circle(x, y, 9, BLUE)
        c.line(x - 12, y, x + 12, y, BLUE, dash=2)
        c.line(x, y - 12, x, y + 12, BLUE, dash=2)
    # width, gauge, height and pitch
    c.line(60, 262, 60, 282, GREY)
    c.line(200, 262, 200, 282, GREY)
    c.arrow_dimension(60, 278, 200, 278, BLACK)
    c.line(95, 30, 95, 14, GREY)
    c.line(165, 30, 165, 14, GREY)
    c.arrow_dimension(95, 18, 165, 18, BLACK)
    c.line(202, 40, 222, 40, GREY)
    c.line(202, 260, 222, 260, GREY)
    c.arrow_dimension(218, 40, 218, 260, BLACK)
    c.line(40, 95, 56, 95, GREY)
    c.line(40, 205, 56, 205, GREY)
    c.arrow_dimension(44, 95, 44, 205, BLACK)
    return c


def beam_splice():
    """Two beam ends joined by a splice plate over the web, two bolt columns on each side at
    the pitch, the plate's width and height and the bolt pitch dimensioned."""
    c = Canvas(420, 300)
    # the two beams (flanges and web outline), a gap between them
    for (x0, x1) in ((10, 118), (122, 230)):
        c.rect(x0, 50, x1, 60, GREY)
        c.rect(x0, 240, x1, 250, GREY)
        c.line(x0, 60, x0, 240, GREY, dash=4)
        c.line(x1, 60, x1, 240, GREY, dash=4)
    # the splice plate
    c.rect(60, 80, 180, 220, BLACK)
    # two columns of bolts each side
    for x in (78, 100, 140, 162):
        for y in (105, 150, 195):
            c.circle(x, y, 7, BLUE)
    # width, height, pitch
    c.line(60, 222, 60, 270, GREY)
    c.line(180, 222, 180, 270, GREY)
    c.arrow_dimension(60, 266, 180, 266, BLACK)
    c.line(182, 80, 214, 80, GREY)
    c.line(182, 220, 214, 220, GREY)
    c.arrow_dimension(210, 80, 210, 220, BLACK)
    c.line(40, 105, 70, 105, GREY)
    c.line(40, 150, 70, 150, GREY)
    c.arrow_dimension(44, 105, 44, 150, BLACK)
    return c


if __name__ == "__main__":
    end_plate().write(OUT / "EndPlate.bmp")
    beam_splice().write(OUT / "BeamSplice.bmp")
