#!/usr/bin/env python3
"""Draws the icons of the build as Windows .ico files, 32 x 32 in 16 colours:
the two programs' icons and the numbered icons of the test icon libraries.

    make_icons.py quenvolt OUTPUT.ico    the bar's icon
    make_icons.py qvconfig OUTPUT.ico    the configuration editor's icon
    make_icons.py libraries OUTDIR       icons/i0000.ico ... and one resource
                                         script per test library (100, 256
                                         and 257 icons), for the editor's tests,
                                         and sizes.ico, whose 16-, 32-, 40-, 48-
                                         and 64-pixel frames differ in colour
"""
import os
import struct
import sys

SIZE = 32

# The standard 16-colour palette, as (red, green, blue).
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_RED, DARK_BLUE, LIGHT_GREY, GREY = 0, 1, 4, 7, 8
RED, GREEN, YELLOW, BLUE, WHITE = 9, 10, 11, 12, 15

LIBRARY_COUNTS = (100, 256, 257)


def canvas():
    """Rows of palette indices, top row first, all transparent (None), and a filler."""
    rows = [[None] * SIZE for _ in range(SIZE)]

    def fill(left, top, right, bottom, colour):
        for y in range(top, bottom):
            for x in range(left, right):
                rows[y][x] = colour
    return rows, fill


def quenvolt():
    """A grey launcher bar with a dark caption strip and three coloured button squares."""
    rows, fill = canvas()
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


def qvconfig():
    """A grey dialog with a blue caption, three coloured icon cells and a yellow pencil."""
    rows, fill = canvas()
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


def numbered(number):
    """Test icon n: a white frame; its top rows and a bar whose length follows n take colour n."""
    palette = [(0, 0, 0), (255, 255, 255), ((number * 53) % 256, (number * 97) % 256, (number * 191) % 256)]
    palette += [(0, 0, 0)] * (16 - len(palette))
    rows = []
    for top in range(SIZE):
        y = SIZE - 1 - top  # counted from the bottom, as the bitmap stores it
        row = []
        for x in range(SIZE):
            frame = x in (0, SIZE - 1) or y in (0, SIZE - 1)
            bar = 4 <= y < 28 and 4 <= x < 4 + (number % 25)
            row.append(1 if frame else 2 if bar or y >= 24 else 1)
        rows.append(row)
    return rows, palette


def ico_bytes(rows, palette=VGA):
    """One 4-bit image in an .ico file; None pixels are transparent."""
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
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in palette)
    image = header + colours + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


# The colour of each frame of sizes.ico, the tests' mirror of which frame is shown.
FRAME_COLOURS = {16: (0, 0, 0), 32: (255, 0, 0), 40: (0, 255, 0), 48: (0, 0, 255), 64: (255, 255, 0)}


def padded(row):
    return bytes(row) + bytes(-len(row) % 4)


def sizes_icon():
    """One solid 4-bit frame for each side of FRAME_COLOURS, in one .ico file."""
    images = []
    for side, (r, g, b) in FRAME_COLOURS.items():
        colours = struct.pack("BBBB", b, g, r, 0) + bytes(4 * 15)
        xor = padded([0x00] * (side // 2)) * side  # every pixel palette entry 0
        mask = padded([0x00] * ((side + 7) // 8)) * side
        header = struct.pack("<IiiHHIIiiII", 40, side, side * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
        images.append((side, header + colours + xor + mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for side, image in images:
        out += struct.pack("<BBBBHHII", side, side, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return out + b"".join(image for _, image in images)


def libraries(out):
    os.makedirs(os.path.join(out, "icons"), exist_ok=True)
    for n in range(max(LIBRARY_COUNTS)):
        with open(os.path.join(out, "icons", "i%04d.ico" % n), "wb") as f:
            f.write(ico_bytes(*numbered(n)))
    with open(os.path.join(out, "icons", "sizes.ico"), "wb") as f:
        f.write(sizes_icon())
    for count in LIBRARY_COUNTS:
        with open(os.path.join(out, "icons%d.rc" % count), "w") as f:
            for n in range(count):
                f.write('%d ICON "icons/i%04d.ico"\n' % (n + 1, n))


def main():
    pictures = {"quenvolt": quenvolt, "qvconfig": qvconfig}
    if len(sys.argv) != 3 or sys.argv[1] not in list(pictures) + ["libraries"]:
        sys.exit(__doc__)
    if sys.argv[1] == "libraries":
        libraries(sys.argv[2])
    else:
        with open(sys.argv[2], "wb") as out:
            out.write(ico_bytes(pictures[sys.argv[1]]()))


if __name__ == "__main__":
    main()
