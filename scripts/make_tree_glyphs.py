#!/usr/bin/env python3
"""Writes the glyphs of the tree spreadsheet: 20 by 20 pixel, 24-bit .bmp line drawings of the
expand and collapse boxes and the tree lines, white where the sheet shows through."""

from pathlib import Path

import bmp_canvas

OUT = Path(__file__).resolve().parent.parent / "resources/bitmaps"
SIZE, MID = 20, 10
LINE, BOX, SIGN, WHITE = (160, 160, 160), (110, 110, 110), (20, 20, 20), (255, 255, 255)


def picture(up=False, down=False, right=False, box=None):
    glyph = bmp_canvas.Canvas(SIZE)
    dot = glyph.dot

    if up:
        for y in range(0, MID + 1):
            dot(MID, y, LINE)
    if down:
        for y in range(MID, SIZE):
            dot(MID, y, LINE)
    if right:
        for x in range(MID, SIZE):
            dot(x, MID, LINE)
    if box:
        for y in range(MID - 4, MID + 5):
            for x in range(MID - 4, MID + 5):
                edge = x in (MID - 4, MID + 4) or y in (MID - 4, MID + 4)
                dot(x, y, BOX if edge else WHITE)
        for x in range(MID - 2, MID + 3):
            dot(x, MID, SIGN)
        if box == "+":
            for y in range(MID - 2, MID + 3):
                dot(MID, y, SIGN)
    return glyph


GLYPHS = {
    274: dict(right=True, down=True, box="+"),
    272: dict(right=True, down=True, box="-"),
    8137: dict(right=True, box="+"),
    8138: dict(right=True, box="-"),
    280: dict(up=True, right=True, down=True, box="+"),
    281: dict(up=True, right=True, down=True, box="-"),
    277: dict(up=True, right=True, box="+"),
    278: dict(up=True, right=True, box="-"),
    275: dict(up=True, down=True, right=True),
    276: dict(up=True, right=True),
    279: dict(up=True, down=True),
}

if __name__ == "__main__":
    for number, lines in GLYPHS.items():
        picture(**lines).write(OUT / f"{number}.bmp")
