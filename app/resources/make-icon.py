#!/usr/bin/env python3
"""Draws Klangor's icon, a blue loudspeaker sending out sound waves, and writes it
as Klangor.ico with 32x32 and 16x16 images in 32-bit colour with alpha.

The shapes are described on a 32-unit square and sampled 8x8 times per pixel, so
the edges get soft alpha at both sizes without any imaging library.
Run it again only when the design changes; the .ico is kept in the repository.
"""
import math
import struct
import sys

BODY = (0x1E, 0x4F, 0xA0)   # dark blue: magnet and cone
WAVE = (0x3A, 0x8E, 0xE6)   # lighter blue: the sound waves
SUBSAMPLES = 8


def inside_body(x, y):
    """Magnet (a square) and the cone widening to the right."""
    if 4.0 <= x <= 10.0 and 12.0 <= y <= 20.0:
        return True
    if 10.0 <= x <= 17.0:
        spread = 4.0 + (x - 10.0)   # half height grows from 4 at the magnet to 11
        return abs(y - 16.0) <= spread
    return False


def inside_wave(x, y):
    """Three arcs around the cone's mouth, each 3 units thick and 90 degrees wide."""
    dx, dy = x - 15.0, y - 16.0
    if dx <= 0:
        return False
    if abs(math.degrees(math.atan2(dy, dx))) > 45.0:
        return False
    r = math.hypot(dx, dy)
    return any(abs(r - radius) <= 1.4 for radius in (6.0, 10.5, 15.0))


def render(size):
    """Rows of (b, g, r, a) from top to bottom."""
    scale = 32.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            body = wave = 0
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    x = (px + (sx + 0.5) / SUBSAMPLES) * scale
                    y = (py + (sy + 0.5) / SUBSAMPLES) * scale
                    if inside_body(x, y):
                        body += 1
                    elif inside_wave(x, y):
                        wave += 1
            covered = body + wave
            if covered == 0:
                row.append((0, 0, 0, 0))
                continue
            colour = [(b * body + w * wave) // covered for b, w in zip(BODY, WAVE)]
            alpha = round(255 * covered / SUBSAMPLES ** 2)
            row.append((colour[2], colour[1], colour[0], alpha))
        rows.append(row)
    return rows


def icon_image(size):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA pixels, then the AND mask."""
    rows = render(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes(p) for row in reversed(rows) for p in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def main(path):
    images = [(size, icon_image(size)) for size in (32, 16)]
    offset = 6 + 16 * len(images)
    out = struct.pack('<HHH', 0, 1, len(images))
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'Klangor.ico')
