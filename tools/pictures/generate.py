#!/usr/bin/env python3
"""Draws the program's thirteen embedded pictures and writes them, with the C++ file that embeds
them, into src/resources/. Deterministic: the same script always writes the same bytes.

    python3 tools/pictures/generate.py

Only the standard library is used; building the program never runs this script.
"""
import math
import os
import sys

from canvas import Canvas, band, clamp, inside, mix, polygon, polyline, round_rect, stroke
from picture_files import CURSOR_TYPE, ICON_TYPE, encode_icon_file, encode_png

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
PICTURE_DIR = os.path.join(ROOT, "src", "resources", "pictures")
BYTES_SOURCE = os.path.join(ROOT, "src", "resources", "picture_bytes.cpp")

WHITE, BLACK = (255, 255, 255), (0, 0, 0)
MAGENTA, DARK_PURPLE = (255, 0, 255), (127, 0, 127)


def vertical(top_colour, bottom_colour, top_row, bottom_row):
    """Colour of a vertical gradient by row, held flat beyond its ends."""
    return lambda x, y: mix(top_colour, bottom_colour, clamp((y - top_row) / (bottom_row - top_row)))


# ---------------------------------------------------------------- title-bar buttons
# Glyph painters take the canvas and the glyph's top-left corner.
GLYPH_ALPHA = 0.92


def close_glyph(canvas, left, top):
    # A diagonal cross in a 9 x 8 box, anti-aliased but never leaving the box.
    box = (left, top, left + 9, top + 8)
    lines = [polyline([(left + 0.55, top + 0.55), (left + 8.45, top + 7.45)]),
             polyline([(left + 8.45, top + 0.55), (left + 0.55, top + 7.45)])]
    cross = lambda px, py: max(inside(line(px, py), 0.75) for line in lines)
    canvas.paint(cross, WHITE, GLYPH_ALPHA, box)


def maximize_glyph(canvas, left, top):
    # A window outline of 10 x 8 with a two-pixel title bar, crisp on the pixel grid.
    for y in range(top, top + 8):
        for x in range(left, left + 10):
            if y < top + 2 or y == top + 7 or x in (left, left + 9):
                canvas.blend(x, y, WHITE, GLYPH_ALPHA)


def minimize_glyph(canvas, left, top):
    for y in range(top, top + 2):
        for x in range(left, left + 10):
            canvas.blend(x, y, WHITE, GLYPH_ALPHA)


# (name, width, glyph painter, glyph's top-left corner in the normal and hover pictures)
TITLE_BUTTONS = [("Close", 39, close_glyph, (15, 7)),
                 ("Maximize", 28, maximize_glyph, (9, 7)),
                 ("Minimize", 28, minimize_glyph, (10, 13))]

# state: (fill colour at row 3, fill colour at row 19, fill alpha at row 3, highlight, its alpha)
RED_LOOKS = {
    "Normal": (WHITE, WHITE, 30, WHITE, 80),
    "Hover": ((244, 55, 11), (244, 55, 11), 200, (255, 114, 81), 230),
    "Pressed": ((177, 37, 0), (252, 83, 43), 200, (255, 114, 81), 200),
}
BLUE_LOOKS = {
    "Normal": RED_LOOKS["Normal"],
    "Hover": ((10, 178, 240), (10, 178, 240), 200, (111, 215, 255), 230),
    "Pressed": ((0, 137, 188), (9, 176, 238), 200, (111, 215, 255), 200),
}
TITLE_STATES = ["Normal", "Hover", "Pressed"]


def title_button(width, glyph, glyph_at, look, pressed):
    top_fill, bottom_fill, fill_alpha, highlight, highlight_alpha = look
    canvas = Canvas(width, 20)
    for x in range(width):
        canvas.put(x, 1, BLACK, 30 / 255)
        canvas.put(x, 2, highlight, highlight_alpha / 255)
        for y in range(3, 20):
            t = (y - 3) / 16
            # Falls fast at first and ends at about 4 % of the top alpha in row 19.
            alpha = fill_alpha / 255 * (0.04 + 0.96 * (1 - t) ** 1.6)
            canvas.put(x, y, mix(top_fill, bottom_fill, t), alpha)
    shift = 1 if pressed else 0
    glyph(canvas, glyph_at[0] + shift, glyph_at[1] + shift)
    return canvas


def title_buttons():
    pictures = []
    for name, width, glyph, glyph_at in TITLE_BUTTONS:
        looks = RED_LOOKS if name == "Close" else BLUE_LOOKS
        for state in TITLE_STATES:
            canvas = title_button(width, glyph, glyph_at, looks[state], state == "Pressed")
            pictures.append(("Title%s%s.png" % (name, state), encode_png(canvas.rows())))
    return pictures


# ---------------------------------------------------------------- window frame
def frame_image():
    """32 x 72: the outline occupies x 8-23, y 8-63 inside an 8-pixel soft shadow."""
    canvas = Canvas(32, 72)
    outline = round_rect(8, 8, 24, 64, 3.2)
    # The shadow lies outside the outline only, so the outline keeps its own alpha.
    shadow = lambda px, py: 0.0 if outline(px, py) <= 0 else 0.32 * (1 - clamp(outline(px, py) / 8)) ** 2
    canvas.paint(shadow, BLACK)
    canvas.paint(lambda px, py: band(outline(px, py), -1, 0), BLACK, 204 / 255)
    canvas.paint(lambda px, py: band(outline(px, py), -2, -1), WHITE, 100 / 255)
    return canvas


# ---------------------------------------------------------------- image-button strip
FRAME_PITCH, FRAME_WIDTH, STRIP_HEIGHT = 18, 17, 28

# Look: (outline left and right edges, outline colours top/bottom, shadow, glow,
#        fill colours top/bottom with the rows they are reached at, highlight rows and strengths)
BLUE_OUTLINE = ((45, 106, 174), (5, 55, 156))
STRIP_LOOKS = [
    dict(edges=(2, 15), outline=BLUE_OUTLINE, shadow=(0, 31, 81), glow=None,
         fill=((245, 248, 252), (208, 221, 243), 3, 14), highlights={3: 1.0, 24: 0.45}),
    dict(edges=(1, 16), outline=((0, 108, 255), (0, 55, 255)), shadow=None, glow=(2, 139, 255),
         fill=((245, 248, 252), (208, 221, 243), 3, 14), highlights={3: 1.0, 24: 1.0}),
    dict(edges=(2, 15), outline=BLUE_OUTLINE, shadow=(0, 31, 81), glow=None,
         fill=((208, 221, 243), (242, 246, 251), 3, 24), highlights={}),
    dict(edges=(2, 15), outline=((166, 166, 166), (148, 148, 148)), shadow=None, glow=None,
         fill=((229, 229, 229), (229, 229, 229), 3, 24), highlights={3: 1.0}),
]


def strip_frame(canvas, left, look):
    box = (left, 0, left + FRAME_WIDTH, STRIP_HEIGHT)
    x0, x1 = look["edges"]
    shape = round_rect(left + x0, 2, left + x1, 26, 3.0)
    if look["shadow"]:
        canvas.paint(lambda px, py: 0.22 * clamp(1 - shape(px, py) / 2) if shape(px, py) > -0.5 else 0,
                     look["shadow"], 1.0, box)
    if look["glow"]:
        canvas.paint(lambda px, py: clamp(1.15 - shape(px, py) / 2.5) if shape(px, py) > -0.5 else 0,
                     look["glow"], 32 / 255, box)
    top, bottom, first_row, last_row = look["fill"]
    canvas.paint(lambda px, py: inside(shape(px, py), -1), vertical(top, bottom, first_row, last_row),
                 220 / 255, box)
    for row, strength in look["highlights"].items():
        canvas.paint(lambda px, py: inside(shape(px, py), -1) if int(py) == row else 0,
                     WHITE, strength, box)
    canvas.paint(lambda px, py: band(shape(px, py), -1, 0), vertical(*look["outline"], 2, 25),
                 153 / 255, box)


def button_strip():
    """71 x 28: four 17 x 28 looks, separator columns at 17, 35, 53 and guide columns at local
    x 7 and 9 that mark where the button's nine slices are cut."""
    canvas = Canvas(4 * FRAME_PITCH - 1, STRIP_HEIGHT)
    for k, look in enumerate(STRIP_LOOKS):
        left = k * FRAME_PITCH
        strip_frame(canvas, left, look)
        for y in range(STRIP_HEIGHT):
            canvas.put(left + 7, y, MAGENTA, 1.0)
            canvas.put(left + 9, y, MAGENTA, 1.0)
            if k < 3:
                canvas.put(left + FRAME_WIDTH, y, DARK_PURPLE, 1.0)
    return canvas


# ---------------------------------------------------------------- application icon
def spiral(cx, cy, start_angle, turns, inner, outer, clockwise=False, steps=80):
    sign = -1 if clockwise else 1
    points = []
    for i in range(steps + 1):
        t = i / steps
        angle = start_angle + sign * t * turns * 2 * math.pi
        radius = inner + (outer - inner) * t
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def app_icon():
    """48 x 48, opaque: a lavender tile around a blue field with a black swirl roundel."""
    canvas = Canvas(48, 48, (214, 211, 228), 1.0)
    # Faint shadow along the right and bottom edges of the tile.
    edge = lambda px, py: clamp((max(px, py) - 44.5) / 3.5)
    canvas.paint(edge, (120, 115, 145), lambda x, y: 0.45 * edge(x + 0.5, y + 0.5))
    # Pin mark in the top-left corner.
    canvas.paint(stroke(polyline([(0.9, 3.6), (3.6, 0.9)]), 1.3), (128, 122, 156), 0.9)
    # The blue field with a soft light centre and a thin darker rim.
    field = round_rect(4, 4, 44, 44, 1.0)
    glow = lambda x, y: mix((36, 92, 186), (74, 140, 222), clamp(1 - math.hypot(x - 23.5, y - 23.5) / 24))
    canvas.paint(lambda px, py: inside(field(px, py)), glow)
    canvas.paint(lambda px, py: band(field(px, py), -1, 0), (20, 40, 100), 0.35)
    # The roundel: a ring holding three curling cloud swirls that meet in the middle. Strokes are
    # 3 pixels wide and the ring's radius puts it on the pixels a 16 x 16 reduction samples, so
    # the title bar's small copy keeps a closed ring.
    cx, cy = 24.0, 24.0
    strokes = [stroke(lambda px, py: abs(math.hypot(px - cx, py - cy) - 16.5), 3.0)]
    for k in range(3):
        a = -math.pi / 2 + k * 2 * math.pi / 3
        sx, sy = cx + 6.5 * math.cos(a), cy + 6.5 * math.sin(a)
        curl = spiral(sx, sy, a + math.pi * 0.5, 1.0, 1.0, 7.0)
        curl.append((cx, cy))
        strokes.append(stroke(polyline(curl), 3.0))
    canvas.paint(lambda px, py: max(s(px, py) for s in strokes), BLACK, 1.0, (5, 5, 43, 43))
    return canvas


# ---------------------------------------------------------------- mouse cursor
CURSOR_HOT_SPOT = (1, 2)


def app_cursor():
    """32 x 32: an arrow in the top-left 20 x 24 pixels, its tip at the hot spot (1, 2)."""
    canvas = Canvas(32, 32)
    arrow = polygon([(1.0, 2.0), (1.0, 20.8), (5.4, 16.8), (8.3, 22.6), (14.0, 21.2),
                     (11.2, 15.6), (15.8, 15.6)])
    canvas.paint(lambda px, py: band(arrow(px, py), 0, 1), (20, 30, 60), 0.35)
    canvas.paint(lambda px, py: inside(arrow(px, py)), (250, 252, 255))
    canvas.paint(lambda px, py: inside(arrow(px, py), -2), (40, 110, 210))
    # The tip pixel is the hot spot: keep it solid so the pointer reads where it clicks.
    canvas.blend(*CURSOR_HOT_SPOT, (250, 252, 255), 1.0)
    return canvas


# ---------------------------------------------------------------- output
def all_pictures():
    pictures = [("AppIcon.ico", encode_icon_file(app_icon().rows(), ICON_TYPE)),
                ("AppCursor.cur", encode_icon_file(app_cursor().rows(), CURSOR_TYPE, CURSOR_HOT_SPOT))]
    pictures += title_buttons()
    pictures.append(("FrameImage.png", encode_png(frame_image().rows())))
    pictures.append(("ButtonStrip.png", encode_png(button_strip().rows())))
    return pictures


def c_array(name, data):
    lines = ["const unsigned char %s[] = {" % name]
    for i in range(0, len(data), 16):
        lines.append("    " + " ".join("0x%02x," % b for b in data[i:i + 16]))
    lines.append("};")
    return "\n".join(lines)


def bytes_source(pictures):
    files = dict(pictures)
    names = [n for n, _ in pictures]
    symbol = lambda file_name: "k" + file_name.split(".")[0] + "File"
    out = ["// Generated by tools/pictures/generate.py from the pictures in pictures/; do not edit.",
           '#include "resources/picture_bytes.h"', "", "namespace {"]
    out += [c_array(symbol(n), files[n]) for n in names]
    out += ["}  // namespace", "", "namespace picture_bytes {"]
    entry = lambda n: "{%s, sizeof %s}" % (symbol(n), symbol(n))
    out.append("const PictureBytes kAppIcon = %s;" % entry("AppIcon.ico"))
    out.append("const PictureBytes kAppCursor = %s;" % entry("AppCursor.cur"))
    out.append("const PictureBytes kTitleButtons[9] = {")
    out += ["    %s," % entry(n) for n in names if n.startswith("Title")]
    out.append("};")
    out.append("const PictureBytes kFrameImage = %s;" % entry("FrameImage.png"))
    out.append("const PictureBytes kButtonStrip = %s;" % entry("ButtonStrip.png"))
    out += ["}  // namespace picture_bytes", ""]
    return "\n".join(out)


def main():
    pictures = all_pictures()
    os.makedirs(PICTURE_DIR, exist_ok=True)
    for name, data in pictures:
        with open(os.path.join(PICTURE_DIR, name), "wb") as f:
            f.write(data)
    with open(BYTES_SOURCE, "w", newline="\n") as f:
        f.write(bytes_source(pictures))
    print("wrote %d pictures to %s and %s" % (len(pictures), PICTURE_DIR, BYTES_SOURCE))


if __name__ == "__main__":
    sys.exit(main())
