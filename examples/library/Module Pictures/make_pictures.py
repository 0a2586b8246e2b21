#!/usr/bin/env python3
"""Writes the module pictures (<name>.bmp, 96 x 96, 24-bit) from the drawings below: dark line
art with blue accents on white. Run it from this folder after changing a drawing."""

import sys
from pathlib import Path

# The canvas and .bmp writer all picture scripts share stand in the repository's scripts/.
sys.path.insert(0, str(Path(__file__).resolve().parents[3] / "scripts"))
import bmp_canvas

SIZE = 96
DARK = (40, 40, 40)
BLUE = (30, 90, 200)
FILL = (205, 220, 245)


def canvas():
    """A picture whose strokes are two pixels wide unless told otherwise."""
    return bmp_canvas.Canvas(SIZE, pen=2)


def plate():
    c = canvas()
    c.rect(20, 12, 76, 84, DARK, FILL)
    for x in (33, 63):
        for y in (26, 48, 70):
            c.ring(x, y, 5, BLUE)
    return c


def stiffener():
    c = canvas()
    # an H section seen end-on, with a stiffener plate between the flanges
    c.rect(14, 12, 82, 20, DARK, FILL)
    c.rect(14, 76, 82, 84, DARK, FILL)
    c.rect(45, 20, 51, 76, DARK, FILL)
    c.rect(53, 24, 76, 72, BLUE)
    c.line(53, 24, 76, 72, BLUE, width=1)
    return c


def cleat():
    c = canvas()
    # an angle cleat: its two legs with a bolt in each
    c.poly([(18, 16), (30, 16), (30, 68), (80, 68), (80, 80), (18, 80)], DARK)
    c.ring(24, 38, 4, BLUE)
    c.ring(56, 74, 4, BLUE)
    return c


def haunch():
    c = canvas()
    # a beam meeting a column, deepened near the column by a haunch
    c.rect(10, 8, 22, 88, DARK, FILL)
    c.rect(22, 24, 88, 36, DARK, FILL)
    c.poly([(22, 36), (62, 36), (22, 60)], BLUE)
    return c


for name, draw in (("Plate", plate), ("Stiffener", stiffener), ("Cleat", cleat),
                   ("Haunch", haunch)):
    draw().write(name + ".bmp", bmp_canvas.PRINT_RESOLUTION)
