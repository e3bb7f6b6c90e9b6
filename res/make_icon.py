#!/usr/bin/env python3
"""Draws the program icon (a speaker with sound waves) at 16, 32 and 48 pixels, 32 bpp."""
import math
import struct
import sys


def pixel(x, y, size):
    """RGBA of one pixel; coordinates scaled to a 48-unit canvas."""
    u, v = (x + 0.5) * 48 / size, (y + 0.5) * 48 / size
    # rounded square background
    r = 9
    dx = max(abs(u - 24) - (24 - r - 1), 0)
    dy = max(abs(v - 24) - (24 - r - 1), 0)
    if dx * dx + dy * dy > r * r:
        return (0, 0, 0, 0)
    color = (40, 96, 176, 255)
    # speaker body and cone
    if 9 <= u <= 16 and 18 <= v <= 30:
        color = (250, 250, 250, 255)
    if 16 <= u <= 24 and abs(v - 24) <= 6 + (u - 16) * 1.0:
        color = (250, 250, 250, 255)
    # two waves
    d = math.hypot(u - 22, v - 24)
    if u > 27 and abs(v - 24) < (u - 22) * 1.1:
        if 8.5 <= d <= 11 or 14 <= d <= 16.5:
            color = (255, 214, 64, 255)
    return color


def image(size):
    rows = []
    for y in reversed(range(size)):  # bottom-up
        rows.append(b"".join(struct.pack("BBBB", b, g, r, a)
                             for (r, g, b, a) in (pixel(x, y, size) for x in range(size))))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor), 0, 0, 0, 0)
    return header + xor + b"\0" * (mask_row * size)


def main(path):
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
