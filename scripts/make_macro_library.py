#!/usr/bin/env python3
"""Writes the example library's macro drawings and their thumbnails into
examples/library/macros: for each macro <Name>.dwg (the macro as a macro file, see
docs/macro-file.md) and <Name>.bmp (96 x 96, 24-bit line art: dark lines, blue accents on
white). Run it from the repository root after changing a macro or a drawing."""

import json
import pathlib

import bmp_canvas

FOLDER = pathlib.Path("examples/library/macros")
SIZE = 96
DARK = (40, 40, 40)
BLUE = (30, 90, 200)
FILL = (205, 220, 245)
GREY = (225, 228, 232)


def canvas():
    """A picture whose strokes are two pixels wide unless told otherwise."""
    return bmp_canvas.Canvas(SIZE, pen=2)


def column(c, x0, x1):
    """An H column seen from the side: two flange lines and the web between."""
    c.rect(x0, 4, x1, 92, DARK, GREY)
    c.line(x0 + 4, 4, x0 + 4, 92, DARK, width=1)
    c.line(x1 - 4, 4, x1 - 4, 92, DARK, width=1)


def end_plate():
    c = canvas()
    column(c, 8, 26)
    c.rect(26, 18, 34, 78, DARK, FILL)          # the plate
    c.rect(34, 28, 90, 68, DARK, GREY)          # the beam
    c.line(34, 32, 90, 32, DARK, width=1)
    c.line(34, 64, 90, 64, DARK, width=1)
    for y in (23, 38, 58, 73):
        c.ring(30, y, 3, BLUE)
    return c


def beam_splice():
    c = canvas()
    c.rect(4, 30, 46, 66, DARK, GREY)
    c.rect(50, 30, 92, 66, DARK, GREY)
    c.rect(24, 24, 72, 30, DARK, FILL)          # flange plates
    c.rect(24, 66, 72, 72, DARK, FILL)
    c.rect(30, 36, 66, 60, BLUE)                # web plate
    for x in (36, 42, 54, 60):
        for y in (42, 54):
            c.ring(x, y, 2, BLUE)
    return c


def stiffener():
    c = canvas()
    c.rect(14, 12, 82, 20, DARK, FILL)
    c.rect(14, 76, 82, 84, DARK, FILL)
    c.rect(45, 20, 51, 76, DARK, FILL)
    c.rect(53, 24, 76, 72, BLUE)
    c.line(53, 24, 76, 72, BLUE, width=1)
    return c


def haunch():
    c = canvas()
    column(c, 6, 22)
    c.rect(22, 22, 90, 34, DARK, GREY)
    c.poly([(22, 34), (64, 34), (22, 62)], BLUE)
    c.rect(22, 18, 28, 66, DARK, FILL)
    return c


def cleat():
    c = canvas()
    c.poly([(18, 16), (30, 16), (30, 68), (80, 68), (80, 80), (18, 80)], DARK)
    c.ring(24, 30, 4, BLUE)
    c.ring(24, 50, 4, BLUE)
    c.ring(48, 74, 4, BLUE)
    c.ring(66, 74, 4, BLUE)
    return c


def base_plate():
    c = canvas()
    c.rect(38, 4, 58, 70, DARK, GREY)           # the column
    c.line(42, 4, 42, 70, DARK, width=1)
    c.line(54, 4, 54, 70, DARK, width=1)
    c.rect(14, 70, 82, 78, DARK, FILL)          # the plate
    c.rect(6, 78, 90, 92, DARK, (235, 235, 235))  # the foundation
    for x in (22, 74):
        c.line(x, 62, x, 90, BLUE, width=2)     # anchors
    return c


def variables(**values):
    return [{"name": n, "value": v, "shown": True, "settable": True} for n, v in values.items()]


def plate(name, group, **values):
    return {"name": name, "group": group, "kind": "plate", "variables": variables(**values)}


def bolts(name, **values):
    return {"name": name, "group": "Bolts", "kind": "bolt", "variables": variables(**values),
            "boltData": {"diameter": "20", "holeOffset": "2"}}


def profile(name, group, **values):
    return {"name": name, "group": group, "kind": "profile", "variables": variables(**values)}


MACROS = {
    "EndPlate": (end_plate, [plate("Plate1", "Plate", W="200", H="300", T="15"),
                             bolts("Bolts1", Gauge="100", Pitch="70")]),
    "BeamSplice": (beam_splice, [plate("Flange1", "Plate", W="220", T="20"),
                                 bolts("Bolts1", Gauge="110", Pitch="90")]),
    "Stiffener": (stiffener, [plate("Stiffener1", "Stiffeners", T="10")]),
    "Haunch": (haunch, [profile("Haunch1", "Haunch", L="600"),
                        plate("Plate1", "Plate", W="200", T="15")]),
    "Cleat": (cleat, [plate("Cleat1", "Plate", W="90", T="10"),
                      bolts("Bolts1", Gauge="55", Pitch="70")]),
    "BasePlate": (base_plate, [plate("Plate1", "Plate", W="300", H="300", T="20"),
                               bolts("Anchors1", Gauge="200", Pitch="200")]),
}

for name, (draw, modules) in MACROS.items():
    macro = {"name": name, "modules": modules}
    (FOLDER / (name + ".dwg")).write_text(json.dumps(macro, indent=2) + "\n", encoding="utf-8")
    (FOLDER / (name + ".bmp")).write_bytes(draw().bmp_bytes(bmp_canvas.PRINT_RESOLUTION))
