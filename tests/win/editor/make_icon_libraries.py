#!/usr/bin/env python3
"""Writes numbered 32 x 32 icons and one resource script per icon library
the editor tests open: 100, 256 and 257 icons. Usage: OUTDIR"""
import os
import struct
import sys

COUNTS = (100, 256, 257)


def icon(number):
    """A 16-colour icon: a frame and a bar whose colour and length follow number."""
    size = 32
    palette = [(0, 0, 0), (255, 255, 255)]
    palette += [((number * 53) % 256, (number * 97) % 256, (number * 191) % 256)]
    palette += [(0, 0, 0)] * (16 - len(palette))
    rows = []
    for y in range(size):  # bottom-up
        row = []
        for x in range(size):
            frame = x in (0, size - 1) or y in (0, size - 1)
            bar = 4 <= y < 28 and 4 <= x < 4 + (number % 25)
            row.append(1 if frame else 2 if bar else 2 if y >= 24 else 1)
        rows.append(bytes((row[i] << 4) | row[i + 1] for i in range(0, size, 2)))
    pixels = b"".join(rows)
    mask = b"\0" * (4 * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(pixels) + len(mask), 0, 0, 16, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    image = header + colours + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 22)
    return directory + image


def main():
    out = sys.argv[1]
    os.makedirs(os.path.join(out, "icons"), exist_ok=True)
    for n in range(max(COUNTS)):
        with open(os.path.join(out, "icons", "i%04d.ico" % n), "wb") as f:
            f.write(icon(n))
    for count in COUNTS:
        with open(os.path.join(out, "icons%d.rc" % count), "w") as f:
            for n in range(count):
                f.write('%d ICON "icons/i%04d.ico"\n' % (n + 1, n))


if __name__ == "__main__":
    main()
