#!/usr/bin/env python3
"""Writes baize.bmp, the green felt that the table is tiled with.

Every ingredient repeats with the size of the picture (noise lattices wrap round, fibres that
cross an edge come back on the other side), so the tiles meet without a seam. The result is the
same on every run: the random source is seeded with a fixed number.

    python3 data/make_baize.py data/baize.bmp
"""

import math
import random
import struct
import sys

SIZE = 256
BASE = (22, 104, 48)  # the felt's middle green, dark enough for white and yellow texts


def periodic_noise(rng, cells):
    """Smooth value noise on a lattice of cells x cells that wraps at the picture's edges."""
    lattice = [[rng.random() for _ in range(cells)] for _ in range(cells)]
    step = SIZE / cells
    out = [[0.0] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        gy = y / step
        y0 = int(gy)
        ty = gy - y0
        ty = ty * ty * (3 - 2 * ty)
        row0 = lattice[y0 % cells]
        row1 = lattice[(y0 + 1) % cells]
        for x in range(SIZE):
            gx = x / step
            x0 = int(gx)
            tx = gx - x0
            tx = tx * tx * (3 - 2 * tx)
            a = row0[x0 % cells] + (row0[(x0 + 1) % cells] - row0[x0 % cells]) * tx
            b = row1[x0 % cells] + (row1[(x0 + 1) % cells] - row1[x0 % cells]) * tx
            out[y][x] = a + (b - a) * ty
    return out


def felt(rng):
    """Brightness factors around 1.0: soft clouds, a finer nap and single fibres."""
    shade = [[1.0] * SIZE for _ in range(SIZE)]
    for cells, weight in ((4, 0.06), (8, 0.05), (16, 0.04), (64, 0.035), (128, 0.03)):
        layer = periodic_noise(rng, cells)
        for y in range(SIZE):
            row = shade[y]
            src = layer[y]
            for x in range(SIZE):
                row[x] += (src[x] - 0.5) * 2 * weight
    for y in range(SIZE):
        for x in range(SIZE):
            shade[y][x] += rng.uniform(-0.035, 0.035)
    # Short fibres lying in every direction, a little lighter or darker than the felt.
    for _ in range(2600):
        x = rng.uniform(0, SIZE)
        y = rng.uniform(0, SIZE)
        angle = rng.uniform(0, math.pi)
        length = rng.uniform(3, 9)
        tone = rng.choice((-1, 1)) * rng.uniform(0.03, 0.07)
        for i in range(int(length * 2)):
            px = int(x + math.cos(angle) * i / 2) % SIZE
            py = int(y + math.sin(angle) * i / 2) % SIZE
            shade[py][px] += tone
    return shade


def write_bmp(path, shade):
    row_bytes = SIZE * 3  # 768, already a multiple of four
    pixels = bytearray()
    for y in reversed(range(SIZE)):  # a BMP lists its rows bottom up
        for x in range(SIZE):
            f = shade[y][x]
            r, g, b = (max(0, min(255, round(c * f))) for c in BASE)
            pixels += bytes((b, g, r))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, row_bytes * SIZE, 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + pixels)


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "baize.bmp"
    write_bmp(path, felt(random.Random(1969)))


if __name__ == "__main__":
    main()
