#!/usr/bin/env python3
"""Writes the program icon: coloured mirrored lines on black, in three images
(32x32 2 colours, 32x32 16 colours, 16x16 16 colours). Usage: make_icon.py OUT.ico"""
import struct
import sys

PALETTE16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
             (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
             (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def line(pixels, size, x0, y0, x1, y1, colour):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for s in range(steps + 1):
        x = round(x0 + (x1 - x0) * s / steps)
        y = round(y0 + (y1 - y0) * s / steps)
        if 0 <= x < size and 0 <= y < size:
            pixels[y][x] = colour


def artwork(size, colours):
    """Two lines drawn mirrored into the four quarters, as the show's first mode draws them."""
    pixels = [[0] * size for _ in range(size)]
    c = size // 2
    for (x1, y1, x2, y2), colour in zip([(1, 4, 12, 1), (3, 13, 14, 6)], colours):
        k = size / 32
        a, b, p, q = (round(v * k) for v in (x1, y1, x2, y2))
        for sx, sy in ((1, 1), (-1, -1), (-1, 1), (1, -1)):
            line(pixels, size, c + sx * a - (sx < 0), c + sy * b - (sy < 0),
                 c + sx * p - (sx < 0), c + sy * q - (sy < 0), colour)
    return pixels


def image(size, bits, pixels):
    palette = [(0, 0, 0), (255, 255, 255)] if bits == 1 else PALETTE16
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0,
                         len(palette), 0)
    body = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    row_bytes = ((size * bits + 31) // 32) * 4
    for y in reversed(range(size)):
        row = 0
        for x in range(size):
            row = (row << bits) | pixels[y][x]
        data = row.to_bytes((size * bits + 7) // 8, 'big')
        body += data + b'\0' * (row_bytes - len(data))
    mask_row = ((size + 31) // 32) * 4
    body += b'\0' * (mask_row * size)  # fully opaque
    return header + body


def main():
    images = [(32, 1, artwork(32, [1, 1])), (32, 4, artwork(32, [14, 11])),
              (16, 4, artwork(16, [14, 11]))]
    blobs = [image(size, bits, px) for size, bits, px in images]
    out = struct.pack('<HHH', 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for (size, bits, _), blob in zip(images, blobs):
        out += struct.pack('<BBBBHHII', size, size, 2 if bits == 1 else 16, 0, 1, bits,
                           len(blob), offset)
        offset += len(blob)
    with open(sys.argv[1], 'wb') as f:
        f.write(out + b''.join(blobs))


if __name__ == '__main__':
    main()
