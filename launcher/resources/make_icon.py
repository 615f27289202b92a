#!/usr/bin/env python3
"""Draws the launcher's icon "quenvolt": one 32 x 32 image in the 16 colours
of the standard VGA palette, written as a Windows .ico file.

The picture: a grey launcher bar with a dark caption strip and three
coloured button squares, on a transparent background.

Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys

SIZE = 32

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_BLUE, GREY, LIGHT_GREY, RED, GREEN, YELLOW, BLUE, WHITE = 0, 4, 8, 7, 9, 10, 11, 12, 15
TRANSPARENT = None


def picture():
    """Rows of palette indices, top row first; None is transparent."""
    rows = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    def fill(left, top, right, bottom, colour):
        for y in range(top, bottom):
            for x in range(left, right):
                rows[y][x] = colour

    # the bar: frame, caption and body
    fill(1, 7, 31, 26, BLACK)
    fill(2, 8, 30, 12, DARK_BLUE)
    fill(2, 12, 30, 25, LIGHT_GREY)
    # three raised buttons with their separators
    for i, colour in enumerate((RED, GREEN, BLUE)):
        left = 3 + i * 9
        fill(left, 13, left + 8, 24, WHITE)          # highlight
        fill(left + 1, 14, left + 8, 24, GREY)       # shadow
        fill(left + 1, 14, left + 7, 23, LIGHT_GREY)  # face
        fill(left + 2, 15, left + 6, 22, colour)     # the program's colour
        if i:
            fill(left - 1, 12, left, 25, BLACK)
    # a small yellow spark on the first button: "start"
    fill(4, 15, 6, 17, YELLOW)
    return rows


def ico_bytes(rows):
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bitmaps are stored bottom-up
        for x in range(0, SIZE, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            xor.append((hi << 4) | lo)
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT.ico")
    with open(sys.argv[1], "wb") as out:
        out.write(ico_bytes(picture()))


if __name__ == "__main__":
    main()
