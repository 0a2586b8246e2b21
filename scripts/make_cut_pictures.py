#!/usr/bin/env python3
"""Writes the pictures of the six cut types (resources/product/icons/Cut*.bmp): small line
drawings, 24-bit .bmp, white where the combo's face shows through. The profile that is cut is
black, what cuts it blue, the cut line red."""

from pathlib import Path

import bmp_canvas

OUT = Path(__file__).resolve().parent.parent / "resources/product/icons"
BLACK, BLUE, RED, GREY = (30, 30, 30), (30, 90, 200), (200, 40, 40), (150, 150, 150)
W, H = 48, 32


def beam(c, x0, x1, top=10, bottom=22, colour=BLACK):
    """A profile seen from the side: its two flanges and the web between them."""
    c.line(x0, top, x1, top, colour)
    c.line(x0, top + 2, x1, top + 2, colour)
    c.line(x0, bottom - 2, x1, bottom - 2, colour)
    c.line(x0, bottom, x1, bottom, colour)


def prof_vs_plate():
    c = bmp_canvas.Canvas(W, H)
    beam(c, 4, 30)
    c.rect(33, 3, 37, 29, BLUE)           # the plate
    c.line(31, 6, 31, 26, RED, dash=2)     # the cut, short of the plate's face
    return c


def prof_vs_prof():
    c = bmp_canvas.Canvas(W, H)
    beam(c, 4, 30)
    c.rect(33, 2, 44, 30, BLUE)            # the column the beam runs into
    c.line(34, 2, 34, 30, BLUE)
    c.line(43, 2, 43, 30, BLUE)
    c.line(31, 6, 31, 26, RED, dash=2)
    return c


def prof_in_prof():
    c = bmp_canvas.Canvas(W, H)
    beam(c, 2, 46, 6, 26, BLUE)            # the outer profile
    beam(c, 14, 34, 12, 20)                # the inner one, inside it
    c.rect(12, 10, 36, 22, RED)            # the clearance cut around it
    return c


def three_segments():
    c = bmp_canvas.Canvas(W, H)
    beam(c, 4, 24)
    c.rect(35, 2, 44, 30, BLUE)
    # the cut in three segments: flanges square, the web at an angle
    c.line(26, 8, 26, 12, RED)
    c.line(26, 12, 32, 20, RED)
    c.line(32, 20, 32, 24, RED)
    c.line(24, 10, 24, 22, BLACK)
    return c


def chamfer():
    c = bmp_canvas.Canvas(W, H)
    c.line(4, 28, 44, 28, BLACK)
    c.line(4, 28, 4, 4, BLACK)
    c.line(4, 4, 32, 4, BLACK)
    c.line(44, 28, 44, 16, BLACK)
    c.line(32, 4, 44, 16, RED)             # the chamfered corner
    c.line(32, 4, 44, 4, GREY, dash=2)
    c.line(44, 4, 44, 16, GREY, dash=2)
    return c


def fillet():
    c = bmp_canvas.Canvas(W, H)
    c.line(4, 28, 44, 28, BLACK)
    c.line(4, 28, 4, 4, BLACK)
    c.line(4, 4, 32, 4, BLACK)
    c.line(44, 28, 44, 16, BLACK)
    c.arc(32, 16, 12, 0, 90, RED, steps=90)          # the rounded corner
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
    for name, draw in PICTURES.items():
        draw().write(OUT / name)
