#!/usr/bin/env python3
"""Draws the house picture (house.bmp): 28 x 19, 24-bit BMP on black, black being transparent; and the same
house at two and three times the resolution for high-density screens (house@2x.bmp, house@3x.bmp)."""
import struct

WIDTH, HEIGHT = 28, 19  # at 1x
BLACK = (0, 0, 0)
ROOF = (200, 30, 30)
WALL = (255, 240, 200)
WINDOW = (128, 128, 128)
DOOR = (255, 140, 0)


def draw_house(n):
    """The house at scale n; each shape is tested at the centre of every pixel, in 1x coordinates."""
    pixels = [[BLACK] * (WIDTH * n) for _ in range(HEIGHT * n)]
    for y in range(HEIGHT * n):
        cy = (y + 0.5) / n
        for x in range(WIDTH * n):
            cx = (x + 0.5) / n
            if cy < 8:  # the roof widens by two pixels a row and overhangs the walls
                if abs(cx - 14) < 2 + 2 * (cy - 0.5):
                    pixels[y][x] = ROOF
            elif 4 <= cx < 24:
                pixels[y][x] = WALL
            if 10 <= cy < 15 and 7 <= cx < 12:
                pixels[y][x] = WINDOW
            if 11 <= cy and 15 <= cx < 20:
                pixels[y][x] = DOOR
    return pixels


def bmp_bytes(pixels):
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(height - 1, -1, -1):  # BMP rows run bottom-up
        row = b"".join(bytes((b, g, r)) for r, g, b in pixels[y])
        rows.append(row + b"\0" * (stride - width * 3))
    image = b"".join(rows)
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 3780, 3780, 0, 0)
    return header + info + image


if __name__ == "__main__":
    for n, name in ((1, "house.bmp"), (2, "house@2x.bmp"), (3, "house@3x.bmp")):
        with open(name, "wb") as f:
            f.write(bmp_bytes(draw_house(n)))
        print(f"{name} written")
