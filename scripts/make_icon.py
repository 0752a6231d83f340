#!/usr/bin/env python3
"""Draws resources/jxc.png, the launcher icon: a blue tile with a white bar
chart and an orange coin. Pure Python, so it needs nothing installed."""
import os
import struct
import zlib

SIZE = 256
SUB = 4  # samples per pixel edge, for smooth edges

BLUE_TOP = (38, 120, 210)
BLUE_BOTTOM = (18, 66, 150)
WHITE = (255, 255, 255)
ORANGE = (255, 128, 64)

BARS = [(56, 138, 96), (108, 98, 148), (160, 150, 200)]  # left, top, right
BASE = (44, 196, 212, 208)  # left, top, right, bottom
COIN = (180, 84, 30)  # centre x, centre y, radius


def in_tile(x, y):
    r = 44
    cx = min(max(x, r), SIZE - r)
    cy = min(max(y, r), SIZE - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def colour_at(x, y):
    """The colour of one sample point, or None outside the tile."""
    if not in_tile(x, y):
        return None
    cx, cy, r = COIN
    if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
        return ORANGE
    for left, top, right in BARS:
        if left <= x < right and top <= y < BASE[1]:
            return WHITE
    if BASE[0] <= x < BASE[2] and BASE[1] <= y < BASE[3]:
        return WHITE
    t = y / SIZE
    return tuple(round(a + (b - a) * t) for a, b in zip(BLUE_TOP, BLUE_BOTTOM))


def pixel(px, py):
    total = [0, 0, 0]
    covered = 0
    for sy in range(SUB):
        for sx in range(SUB):
            c = colour_at(px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB)
            if c is not None:
                covered += 1
                for i in range(3):
                    total[i] += c[i]
    if covered == 0:
        return (0, 0, 0, 0)
    return tuple(round(v / covered) for v in total) + (round(255 * covered / SUB ** 2),)


def png(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "jxc.png")
    with open(target, "wb") as out:
        out.write(png(rows))


if __name__ == "__main__":
    main()
