"""Draws the configuration program's pictures: the aspect strip (bitmap 109), tovi.ico and
common/play_panel.bmp.

usage: make_config_images.py ASPECT_BMP ICON_FILE PLAY_PANEL_BMP
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bitmaps import Canvas, bmp24, ico32  # noqa: E402

FACE = (212, 208, 200)
SCREEN = (40, 96, 176)
HORIZON = (96, 160, 72)
WHITE = (255, 255, 255)
DARK = (32, 32, 32)

ASPECTS = [("4:3", 4, 3), ("5:3", 5, 3), ("5:4", 5, 4), ("16:10", 16, 10), ("16:9", 16, 9)]


def aspect_strip():
    """Five 100 x 100 cells, left to right 4:3, 5:3, 5:4, 16:10, 16:9: a screen of that shape."""
    strip = Canvas(500, 100, FACE)
    for cell, (label, w, h) in enumerate(ASPECTS):
        left = cell * 100
        width = 88
        height = round(width * h / w)
        x0 = left + (100 - width) // 2
        y0 = 8 + (68 - height) // 2
        strip.fill(x0, y0, x0 + width, y0 + height, SCREEN)
        strip.fill(x0, y0 + height * 2 // 3, x0 + width, y0 + height, HORIZON)
        strip.frame(x0 - 1, y0 - 1, x0 + width + 1, y0 + height + 1, DARK)
        strip.text(left + (100 - strip.text_width(label)) // 2, 84, label, DARK)
    return strip


def program_icon(size):
    """A control tower on a round blue face."""
    canvas = Canvas(size, size, (0, 0, 0))
    mask = [[False] * size for _ in range(size)]
    centre = (size - 1) / 2
    for y in range(size):
        for x in range(size):
            if (x - centre) ** 2 + (y - centre) ** 2 <= (size / 2) ** 2:
                mask[y][x] = True
                canvas.pixels[y][x] = SCREEN
    unit = size // 16
    canvas.fill(7 * unit, 6 * unit, 9 * unit, 14 * unit, WHITE)      # shaft
    canvas.fill(4 * unit, 3 * unit, 12 * unit, 6 * unit, WHITE)      # cab
    canvas.fill(5 * unit, 4 * unit, 11 * unit, 5 * unit, SCREEN)     # cab windows
    canvas.fill(5 * unit, 14 * unit, 11 * unit, 15 * unit, WHITE)    # base
    return canvas, mask


def play_panel():
    """Two 27 x 16 cells: a stopped button (play mark) and a playing one (stop mark)."""
    panel = Canvas(54, 16, FACE)
    for cell in range(2):
        left = cell * 27
        panel.frame(left, 0, left + 27, 16, DARK)
        panel.fill(left + 1, 1, left + 26, 2, WHITE)
        panel.fill(left + 1, 1, left + 2, 15, WHITE)
    for i in range(5):   # play triangle
        panel.fill(10 + i, 3 + i, 11 + i, 13 - i, (0, 128, 0))
    panel.fill(27 + 9, 4, 27 + 18, 12, (192, 0, 0))   # stop square
    return panel


def main():
    aspect_path, icon_path, panel_path = sys.argv[1:4]
    for path, data in ((aspect_path, bmp24(aspect_strip())),
                       (icon_path, ico32([program_icon(32), program_icon(16)])),
                       (panel_path, bmp24(play_panel()))):
        os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
        with open(path, 'wb') as out:
            out.write(data)


if __name__ == '__main__':
    main()
