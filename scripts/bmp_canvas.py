"""The pixel canvas and the .bmp writer every picture script draws with: a buffer of (r, g, b)
rows, the few strokes our line art needs, and an uncompressed 24-bit, bottom-up .bmp, the one
kind of picture the dialogs load.

Each stroke keeps the exact way its pixels are chosen, so a drawing made again with this module
is the same file to the byte; a picture that needs a different touch keeps its own helper built
on `dot`."""

import math
import struct
from pathlib import Path

WHITE = (255, 255, 255)

# 96 dots an inch, in pixels a metre: what most pictures say of themselves.
SCREEN_RESOLUTION = 3780
# 72 dots an inch, written by the example library's module and macro pictures.
PRINT_RESOLUTION = 2835


def bmp_bytes(pixels, resolution=SCREEN_RESOLUTION):
    """The file of a picture given as rows of (r, g, b), top row first."""
    height, width = len(pixels), len(pixels[0])
    padding = b"\0" * ((-width * 3) % 4)
    body = b"".join(b"".join(bytes((b, g, r)) for r, g, b in row) + padding
                    for row in reversed(pixels))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), resolution,
                       resolution, 0, 0)
    return header + info + body


def write_bmp(path, pixels, resolution=SCREEN_RESOLUTION):
    """Writes the picture to path, making its folder when it is missing."""
    path = Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(bmp_bytes(pixels, resolution))


class Canvas:
    """A picture being drawn: width by height pixels of background colour. Coordinates may be
    fractions; a pixel outside the picture is left out, so a drawing may run over its edge."""

    def __init__(self, width, height=None, background=WHITE, pen=1):
        self.width, self.height = width, width if height is None else height
        self.pen = pen  # the width of a stroke that names none
        self.pixels = [[background] * self.width for _ in range(self.height)]

    def dot(self, x, y, colour):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle, both corners included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, colour)

    def line(self, x0, y0, x1, y1, colour, dash=0, width=None):
        """A line between whole-pixel ends, one pixel a step along its longer axis; dash leaves
        out every other run of that many pixels; a wider pen grows right and down."""
        width = self.pen if width is None else width
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            if dash and (i // dash) % 2:
                continue
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            for dx in range(width):
                for dy in range(width):
                    self.dot(x + dx, y + dy, colour)

    def fine_line(self, x0, y0, x1, y1, colour, density=1, width=None):
        """A line between ends that may be fractions, sampled density times a pixel so no pixel
        is skipped; a wider pen grows on both sides of it."""
        width = self.pen if width is None else width
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * density) + 1
        for i in range(steps + 1):
            x = x0 + (x1 - x0) * i / steps
            y = y0 + (y1 - y0) * i / steps
            for dx in range(width):
                for dy in range(width):
                    self.dot(x + dx - width // 2, y + dy - width // 2, colour)

    def poly(self, points, colour, width=None):
        """A closed outline through the points, drawn with `line`."""
        for a, b in zip(points, points[1:] + points[:1]):
            self.line(a[0], a[1], b[0], b[1], colour, width=width)

    def rect(self, x0, y0, x1, y1, colour, fill=None, width=None):
        """An outline with its corners at (x0, y0) and (x1, y1), over fill when one is given."""
        if fill:
            self.fill(x0, y0, x1, y1, fill)
        self.poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], colour, width)

    def arc(self, cx, cy, r, start, end, colour, steps):
        """An arc from start to end degrees, counter-clockwise as seen (y grows downwards),
        sampled at steps + 1 points."""
        for i in range(steps + 1):
            a = math.radians(start + (end - start) * i / steps)
            self.dot(cx + r * math.cos(a), cy - r * math.sin(a), colour)

    def ring(self, cx, cy, r, colour):
        """A circle a little over a pixel thick, chosen by each pixel's distance from the centre."""
        for y in range(cy - r - 1, cy + r + 2):
            for x in range(cx - r - 1, cx + r + 2):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if r - 1.2 <= d <= r + 0.6:
                    self.dot(x, y, colour)

    def bmp_bytes(self, resolution=SCREEN_RESOLUTION):
        return bmp_bytes(self.pixels, resolution)

    def write(self, path, resolution=SCREEN_RESOLUTION):
        write_bmp(path, self.pixels, resolution)
