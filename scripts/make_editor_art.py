#!/usr/bin/env python3
"""Draws the editor's own icons and cursors (resources/editor/*.ico, *.cur) without any image library.

Run from the repository root; the outputs are committed, so the build does not need this script.
"""
import math
import struct
import sys
from pathlib import Path

OUT = Path(sys.argv[1] if len(sys.argv) > 1 else "resources/editor")


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def put(self, x, y, rgba):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = rgba

    def fill(self, inside, rgba):
        """Sets every pixel whose centre satisfies inside(x, y) (coordinates in 0..1)."""
        n = self.size
        for y in range(n):
            for x in range(n):
                if inside((x + 0.5) / n, (y + 0.5) / n):
                    self.put(x, y, rgba)

    def polygon(self, points, rgba):
        def inside(u, v):
            hit = False
            j = len(points) - 1
            for i in range(len(points)):
                xi, yi = points[i]
                xj, yj = points[j]
                if (yi > v) != (yj > v) and u < (xj - xi) * (v - yi) / (yj - yi) + xi:
                    hit = not hit
                j = i
            return hit
        self.fill(inside, rgba)

    def outline(self, points, rgba):
        """A one-pixel border around the shape already drawn in colour `inside_colour`."""
        snapshot = [row[:] for row in self.px]
        n = self.size
        for y in range(n):
            for x in range(n):
                if snapshot[y][x][3] == 0:
                    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                        xx, yy = x + dx, y + dy
                        if 0 <= xx < n and 0 <= yy < n and snapshot[yy][xx][3] and snapshot[yy][xx] != rgba:
                            self.put(x, y, rgba)
                            break

    def dib(self):
        """32-bit BMP info header (double height), bottom-up BGRA rows, then the AND mask."""
        n = self.size
        header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        rows = b""
        for y in reversed(range(n)):
            rows += b"".join(struct.pack("BBBB", b, g, r, a) for (r, g, b, a) in self.px[y])
        stride = ((n + 31) // 32) * 4
        mask = b""
        for y in reversed(range(n)):
            row = bytearray(stride)
            for x in range(n):
                if self.px[y][x][3] == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(row)
        return header + rows + mask


def write_icon(path, canvases, hotspot=None):
    """An .ico (or a .cur when hotspot is given) holding the canvases."""
    kind = 2 if hotspot else 1
    head = struct.pack("<HHH", 0, kind, len(canvases))
    offset = 6 + 16 * len(canvases)
    entries, images = b"", b""
    for c in canvases:
        data = c.dib()
        size = c.size if c.size < 256 else 0
        planes, bits = (hotspot if hotspot else (1, 32))
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, planes, bits, len(data), offset)
        offset += len(data)
        images += data
    path.write_bytes(head + entries + images)


BLUE = (0x3D, 0x67, 0x90, 255)
LIGHT = (0xC8, 0xDC, 0xF0, 255)
ORANGE = (0xF0, 0x8C, 0x1E, 255)
WHITE = (255, 255, 255, 255)
BLACK = (0, 0, 0, 255)
YELLOW = (0xF5, 0xC8, 0x42, 255)
DARK = (0x40, 0x40, 0x40, 255)


def disc(size):
    c = Canvas(size)
    c.fill(lambda u, v: (u - .5) ** 2 + (v - .5) ** 2 < .47 ** 2, LIGHT)
    c.fill(lambda u, v: (u - .5) ** 2 + (v - .5) ** 2 < .47 ** 2 and u + v < .9, WHITE)
    c.fill(lambda u, v: .16 ** 2 < (u - .5) ** 2 + (v - .5) ** 2 < .22 ** 2, BLUE)
    c.fill(lambda u, v: (u - .5) ** 2 + (v - .5) ** 2 < .07 ** 2, (0, 0, 0, 0))
    # a play triangle: the disc starts by itself
    c.polygon([(.62, .62), (.95, .79), (.62, .96)], ORANGE)
    c.outline(None, DARK)
    return c


def arrow(size, up, sideways=False):
    c = Canvas(size)
    pts = [(.5, .12), (.9, .55), (.66, .55), (.66, .88), (.34, .88), (.34, .55), (.1, .55)]
    if not up:
        pts = [(u, 1 - v) for (u, v) in pts]
    if sideways:  # up becomes left, down becomes right
        pts = [(v, u) for (u, v) in pts]
    c.polygon(pts, ORANGE)
    c.outline(None, DARK)
    return c


def folder(size):
    c = Canvas(size)
    c.polygon([(.08, .22), (.4, .22), (.48, .32), (.92, .32), (.92, .84), (.08, .84)], YELLOW)
    c.polygon([(.08, .42), (.92, .42), (.92, .84), (.08, .84)], (0xE0, 0xA8, 0x20, 255))
    c.outline(None, DARK)
    return c


def browse(size):
    c = Canvas(size)
    c.polygon([(.2, .08), (.62, .08), (.82, .28), (.82, .92), (.2, .92)], WHITE)
    c.polygon([(.62, .08), (.82, .28), (.62, .28)], LIGHT)
    for k in range(3):
        y = .42 + k * .15
        c.polygon([(.3, y), (.72, y), (.72, y + .06), (.3, y + .06)], BLUE)
    c.outline(None, DARK)
    return c


def hand(size, pointing):
    """A hand with the index finger up; the pointing variant adds an orange click mark."""
    c = Canvas(size)
    s = 1 / 32
    parts = [
        [(11 * s, 1 * s), (15 * s, 1 * s), (15 * s, 16 * s), (11 * s, 16 * s)],  # index finger
        [(15 * s, 9 * s), (24 * s, 9 * s), (24 * s, 16 * s), (15 * s, 16 * s)],  # folded fingers
        [(5 * s, 14 * s), (11 * s, 14 * s), (11 * s, 19 * s), (8 * s, 19 * s)],  # thumb
        [(8 * s, 16 * s), (24 * s, 16 * s), (24 * s, 24 * s), (20 * s, 30 * s), (12 * s, 30 * s), (8 * s, 22 * s)],
    ]
    for p in parts:
        c.polygon(p, WHITE)
    if pointing:
        c.polygon([(19 * s, 1 * s), (23 * s, 1 * s), (23 * s, 6 * s), (19 * s, 6 * s)], ORANGE)
    c.outline(None, BLACK)
    return c


def check(size):
    c = Canvas(size)
    c.polygon([(.1, .55), (.25, .4), (.42, .58), (.78, .16), (.92, .3), (.42, .86)], (0x2E, 0x9E, 0x3C, 255))
    c.outline(None, DARK)
    return c


def cross(size):
    c = Canvas(size)
    c.polygon([(.2, .1), (.5, .4), (.8, .1), (.9, .2), (.6, .5), (.9, .8), (.8, .9), (.5, .6), (.2, .9),
               (.1, .8), (.4, .5), (.1, .2)], (0xD0, 0x30, 0x30, 255))
    c.outline(None, DARK)
    return c


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    write_icon(OUT / "AA.ico", [disc(32), disc(16), disc(48)])
    write_icon(OUT / "ARROW_UP.ico", [arrow(16, True), arrow(32, True)])
    write_icon(OUT / "ARROW_DOWN.ico", [arrow(16, False), arrow(32, False)])
    write_icon(OUT / "ARROW_LEFT.ico", [arrow(16, True, True), arrow(32, True, True)])
    write_icon(OUT / "ARROW_RIGHT.ico", [arrow(16, False, True), arrow(32, False, True)])
    write_icon(OUT / "FOLDER.ico", [folder(16), folder(32)])
    write_icon(OUT / "BROWSE.ico", [browse(16), browse(32)])
    write_icon(OUT / "SAVE.ico", [check(16), check(32)])
    write_icon(OUT / "EXIT.ico", [cross(16), cross(32)])
    write_icon(OUT / "HAND.cur", [hand(32, False)], hotspot=(13, 1))
    write_icon(OUT / "H_POINT.cur", [hand(32, True)], hotspot=(13, 1))


if __name__ == "__main__":
    main()
