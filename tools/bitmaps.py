"""Small writers of 24-bit BMP and 32-bit ICO images from pixel rows, and a 3 x 5 digit font."""
import struct

FONT = {
    '0': ["###", "#.#", "#.#", "#.#", "###"],
    '1': [".#.", "##.", ".#.", ".#.", "###"],
    '2': ["###", "..#", "###", "#..", "###"],
    '3': ["###", "..#", "###", "..#", "###"],
    '4': ["#.#", "#.#", "###", "..#", "..#"],
    '5': ["###", "#..", "###", "..#", "###"],
    '6': ["###", "#..", "###", "#.#", "###"],
    '8': ["###", "#.#", "###", "#.#", "###"],
    '9': ["###", "#.#", "###", "..#", "###"],
    ':': ["...", ".#.", "...", ".#.", "..."],
}


class Canvas:
    """An RGB picture, row 0 at the top."""

    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width, self.height = width, height
        self.pixels = [[colour] * width for _ in range(height)]

    def fill(self, left, top, right, bottom, colour):
        for y in range(max(top, 0), min(bottom, self.height)):
            row = self.pixels[y]
            for x in range(max(left, 0), min(right, self.width)):
                row[x] = colour

    def frame(self, left, top, right, bottom, colour):
        self.fill(left, top, right, top + 1, colour)
        self.fill(left, bottom - 1, right, bottom, colour)
        self.fill(left, top, left + 1, bottom, colour)
        self.fill(right - 1, top, right, bottom, colour)

    def text(self, x, y, text, colour, scale=2):
        for ch in text:
            glyph = FONT.get(ch)
            if glyph:
                for gy, line in enumerate(glyph):
                    for gx, mark in enumerate(line):
                        if mark == '#':
                            self.fill(x + gx * scale, y + gy * scale,
                                      x + (gx + 1) * scale, y + (gy + 1) * scale, colour)
            x += 4 * scale

    def text_width(self, text, scale=2):
        return len(text) * 4 * scale - scale


def bmp24(canvas):
    """A bottom-up 24-bit BMP file of the canvas."""
    stride = (canvas.width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(canvas.pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b'\0' * (stride - len(line))
        body += line
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(body), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 24, 0, len(body),
                       2835, 2835, 0, 0)
    return header + info + bytes(body)


def ico32(images):
    """An ICO file of (canvas, mask) pairs: 32-bit colour, mask rows of booleans (True = opaque)."""
    entries, blobs = b'', b''
    offset = 6 + 16 * len(images)
    for canvas, mask in images:
        w, h = canvas.width, canvas.height
        xor = bytearray()
        for y in reversed(range(h)):
            for x in range(w):
                r, g, b = canvas.pixels[y][x]
                xor += bytes((b, g, r, 255 if mask[y][x] else 0))
        and_stride = ((w + 31) // 32) * 4
        and_mask = bytearray()
        for y in reversed(range(h)):
            bits = bytearray(and_stride)
            for x in range(w):
                if not mask[y][x]:
                    bits[x // 8] |= 0x80 >> (x % 8)
            and_mask += bits
        info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(xor) + len(and_mask),
                           0, 0, 0, 0)
        blob = info + bytes(xor) + bytes(and_mask)
        entries += struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return struct.pack('<HHH', 0, 1, len(images)) + entries + blobs
