#!/usr/bin/env python3
"""Writes one PNG showing the thirteen embedded pictures enlarged on a checkerboard, and below
them a mock of the main window drawn from the same pictures at the sizes the program uses.

    python3 tools/pictures/contact_sheet.py contact-sheet.png

Reads the committed files in src/resources/pictures/ with the standard library only.
"""
import os
import sys

from picture_files import decode_picture, encode_png

PICTURE_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src",
                           "resources", "pictures")
SCALE, GAP, MOCK_SCALE = 6, 18, 2
SHEET_BACKGROUND = (255, 255, 255, 255)


def load(name):
    with open(os.path.join(PICTURE_DIR, name), "rb") as f:
        return decode_picture(f.read())


class Sheet:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[list(SHEET_BACKGROUND) for _ in range(width)] for _ in range(height)]

    def over(self, x, y, rgba, opacity=1.0):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return
        alpha = rgba[3] / 255 * opacity
        pixel = self.pixels[y][x]
        for i in range(3):
            pixel[i] = rgba[i] * alpha + pixel[i] * (1 - alpha)

    def fill(self, x0, y0, w, h, rgb):
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                self.over(x, y, tuple(rgb) + (255,))

    def checkerboard(self, x0, y0, w, h, square=SCALE * 2):
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                light = ((x - x0) // square + (y - y0) // square) % 2 == 0
                self.pixels[y][x] = [236, 236, 236, 255] if light else [200, 200, 200, 255]

    def enlarged(self, rows, x0, y0, scale):
        for y, row in enumerate(rows):
            for x, rgba in enumerate(row):
                for dy in range(scale):
                    for dx in range(scale):
                        self.over(x0 + x * scale + dx, y0 + y * scale + dy, rgba)

    def draw(self, rows, source, dest, opacity=1.0):
        """Bilinear stretch of a source rectangle into a destination rectangle (premultiplied,
        samples held inside the source rectangle), blended over the sheet."""
        sx, sy, sw, sh = source
        dx, dy, dw, dh = dest
        for j in range(dh):
            v = min(max(sy + (j + 0.5) * sh / dh - 0.5, sy), sy + sh - 1)
            for i in range(dw):
                u = min(max(sx + (i + 0.5) * sw / dw - 0.5, sx), sx + sw - 1)
                x0, y0 = int(u), int(v)
                x1, y1 = min(x0 + 1, sx + sw - 1), min(y0 + 1, sy + sh - 1)
                fu, fv = u - x0, v - y0
                acc = [0.0] * 4
                for (px, py, weight) in ((x0, y0, (1 - fu) * (1 - fv)), (x1, y0, fu * (1 - fv)),
                                         (x0, y1, (1 - fu) * fv), (x1, y1, fu * fv)):
                    r, g, b, a = rows[py][px]
                    acc[0] += r * a * weight
                    acc[1] += g * a * weight
                    acc[2] += b * a * weight
                    acc[3] += a * weight
                if acc[3] > 0:
                    self.over(dx + i, dy + j, (acc[0] / acc[3], acc[1] / acc[3], acc[2] / acc[3], acc[3]),
                              opacity)

    def scaled_copy(self, other, x0, y0, scale):
        for y in range(other.height):
            for x in range(other.width):
                for dy in range(scale):
                    for dx in range(scale):
                        self.pixels[y0 + y * scale + dy][x0 + x * scale + dx] = list(other.pixels[y][x])

    def rows(self):
        return [[tuple(int(round(v)) for v in p) for p in row] for row in self.pixels]


def frame_border(sheet, frame, w, h):
    pieces = [((8, 8, 5, 5), (0, 0, 5, 5)), ((19, 8, 5, 5), (w - 5, 0, 5, 5)),
              ((8, 59, 5, 5), (0, h - 5, 5, 5)), ((19, 59, 5, 5), (w - 5, h - 5, 5, 5)),
              ((13, 8, 6, 5), (5, 0, w - 10, 5)), ((13, 59, 6, 5), (5, h - 5, w - 10, 5)),
              ((8, 13, 5, 46), (0, 5, 5, h - 10)), ((19, 13, 5, 46), (w - 5, 5, 5, h - 10))]
    for source, dest in pieces:
        sheet.draw(frame, source, dest)


def image_button(sheet, strip, k, rect, opacity=1.0):
    fx, (l, t, w, h) = (k - 1) * 18, rect
    pieces = [((fx, 0, 7, 7), (l, t, 7, 7)), ((fx + 10, 0, 7, 7), (l + w - 7, t, 7, 7)),
              ((fx, 21, 7, 7), (l, t + h - 7, 7, 7)), ((fx + 10, 21, 7, 7), (l + w - 7, t + h - 7, 7, 7)),
              ((fx + 10, 0, 1, 7), (l + 7, t, w - 14, 7)), ((fx + 10, 21, 1, 7), (l + 7, t + h - 7, w - 14, 7)),
              ((fx, 8, 7, 14), (l, t + 7, 7, h - 14)), ((fx + 10, 8, 7, 14), (l + w - 7, t + 7, 7, h - 14)),
              ((fx + 3, 8, 3, 14), (l + 7, t + 7, w - 14, h - 14))]
    for source, dest in pieces:
        sheet.draw(strip, source, dest, opacity)


def main_window_mock(pictures):
    """The 480 x 233 window as the skin draws it, with every look of the buttons shown once."""
    w, h = 480, 233
    mock = Sheet(w, h)
    mock.fill(0, 0, w, h, (236, 236, 236))
    mock.fill(0, 0, w, h, (97, 153, 210))  # 0xC06000 at alpha 150 over that grey
    icon = pictures["AppIcon.ico"]
    mock.draw(icon, (0, 0, 48, 48), (8, 5, 16, 16))
    for i, (name, width) in enumerate((("Close", 39), ("Maximize", 28), ("Minimize", 28))):
        left = w - 39 - 28 * i
        for j, state in enumerate(("Normal", "Hover", "Pressed")):
            picture = pictures["Title%s%s.png" % (name, state)]
            mock.draw(picture, (0, 0, width, 20), (left - 110 * j, -1 + 24 * j, width, 20))
    frame_border(mock, pictures["FrameImage.png"], w, h)
    strip = pictures["ButtonStrip.png"]
    for k, rect in ((1, (56, 96, 160, 48)), (2, (264, 96, 160, 48)), (3, (56, 160, 160, 48)),
                    (4, (264, 160, 160, 48))):
        image_button(mock, strip, k, rect)
    return mock


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip())
        return 2
    names = (["AppIcon.ico", "AppCursor.cur", "FrameImage.png", "ButtonStrip.png"]
             + ["Title%s%s.png" % (b, s) for b in ("Close", "Maximize", "Minimize")
                for s in ("Normal", "Hover", "Pressed")])
    pictures = {name: load(name) for name in names}
    placements, x, y, row_height = [], GAP, GAP, 0
    layout = [names[:4], names[4:7], names[7:10], names[10:13]]
    for line in layout:
        x = GAP
        for name in line:
            rows = pictures[name]
            placements.append((name, x, y))
            x += len(rows[0]) * SCALE + GAP
            row_height = max(row_height, len(rows) * SCALE)
        y += row_height + GAP
        row_height = 0
    mock = main_window_mock(pictures)
    width = max(GAP + 480 * MOCK_SCALE + GAP, max(x for _, x, _ in placements) + 500)
    sheet = Sheet(width, y + 233 * MOCK_SCALE + GAP)
    for name, px, py in placements:
        rows = pictures[name]
        sheet.checkerboard(px, py, len(rows[0]) * SCALE, len(rows) * SCALE)
        sheet.enlarged(rows, px, py, SCALE)
    sheet.scaled_copy(mock, GAP, y, MOCK_SCALE)
    with open(argv[1], "wb") as f:
        f.write(encode_png([[p[:3] + (255,) for p in row] for row in sheet.rows()]))
    print("wrote", argv[1])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
