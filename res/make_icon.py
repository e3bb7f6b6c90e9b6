#!/usr/bin/env python3
"""Draws the program icon (a speaker with sound waves) at 16, 32 and 48 pixels. The picture has
three colours on a transparent ground, so each image is stored with a four-colour palette at 4
bits a pixel and a transparency mask: the same pixels as 32 bits a pixel, in a fifth of the room."""
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


PALETTE = [(0, 0, 0), (40, 96, 176), (250, 250, 250), (255, 214, 64)]  # 0: under the mask


def image(size):
    stride = ((size * 4 + 31) // 32) * 4
    mask_stride = ((size + 31) // 32) * 4
    xor, mask = b"", b""
    for y in reversed(range(size)):  # bottom-up
        pixels = [pixel(x, y, size) for x in range(size)]
        index = [PALETTE.index(p[:3]) if p[3] else 0 for p in pixels]
        row = bytes((index[x] << 4) | (index[x + 1] if x + 1 < size else 0) for x in range(0, size, 2))
        xor += row + b"\0" * (stride - len(row))
        bits = 0
        for x, p in enumerate(pixels):
            bits |= (0 if p[3] else 1) << (mask_stride * 8 - 1 - x)
        mask += bits.to_bytes(mask_stride, "big")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0,
                         len(PALETTE), 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    return header + palette + xor + mask


def main(path):
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
