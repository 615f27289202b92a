#!/usr/bin/env python3
"""Draws the configuration editor's icon: one 32 x 32 image in the 16
colours of the standard VGA palette, written as a Windows .ico file.

The picture: a grey dialog with a blue caption, a row of three coloured icon
cells, and a yellow pencil across its lower right corner.

Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys

SIZE = 32

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_RED, DARK_BLUE, LIGHT_GREY, GREY, RED, GREEN, YELLOW, BLUE, WHITE = 0, 1, 4, 7, 8, 9, 10, 11, 12, 15


def picture():
    """Rows of palette indices, top row first; None is transparent."""
    rows = [[None] * SIZE for _ in range(SIZE)]

    def fill(left, top, right, bottom, colour):
        for y in range(top, bottom):
            for x in range(left, right):
                rows[y][x] = colour

    # the dialog: frame, caption, face
    fill(1, 3, 29, 27, BLACK)
    fill(2, 4, 28, 8, DARK_BLUE)
    fill(2, 8, 28, 26, LIGHT_GREY)
    # three icon cells with raised frames
    for i, colour in enumerate((RED, GREEN, BLUE)):
        left = 4 + i * 8
        fill(left, 10, left + 7, 17, WHITE)
        fill(left + 1, 11, left + 7, 17, GREY)
        fill(left + 1, 11, left + 6, 16, colour)
    # two text lines below the cells
    fill(4, 19, 20, 20, GREY)
    fill(4, 22, 16, 23, GREY)
    # the pencil, from the lower right up to the left
    for step in range(11):
        x, y = 30 - step, 30 - step
        for dx, dy, colour in ((0, 0, YELLOW), (1, 0, BLACK), (0, 1, BLACK), (-1, 0, YELLOW)):
            if 0 <= x + dx < SIZE and 0 <= y + dy < SIZE:
                rows[y + dy][x + dx] = colour
    fill(19, 19, 21, 21, DARK_RED)  # the tip
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
