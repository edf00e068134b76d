#!/usr/bin/env python3
"""Draws the house picture (house.bmp): 28 x 19, 24-bit BMP on black, black being transparent."""
import struct

WIDTH, HEIGHT = 28, 19
BLACK = (0, 0, 0)
ROOF = (200, 30, 30)
WALL = (255, 240, 200)
WINDOW = (128, 128, 128)
DOOR = (255, 140, 0)


def draw_house():
    pixels = [[BLACK] * WIDTH for _ in range(HEIGHT)]
    for y in range(8):  # the roof widens by two pixels a row and overhangs the walls
        half = 2 + 2 * y
        for x in range(max(0, 14 - half), min(WIDTH, 14 + half)):
            pixels[y][x] = ROOF
    for y in range(8, HEIGHT):
        for x in range(4, 24):
            pixels[y][x] = WALL
    for y in range(10, 15):
        for x in range(7, 12):
            pixels[y][x] = WINDOW
    for y in range(11, HEIGHT):
        for x in range(15, 20):
            pixels[y][x] = DOOR
    return pixels


def bmp_bytes(pixels):
    stride = (WIDTH * 3 + 3) // 4 * 4
    rows = []
    for y in range(HEIGHT - 1, -1, -1):  # BMP rows run bottom-up
        row = b"".join(bytes((b, g, r)) for r, g, b in pixels[y])
        rows.append(row + b"\0" * (stride - WIDTH * 3))
    image = b"".join(rows)
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(image), 3780, 3780, 0, 0)
    return header + info + image


if __name__ == "__main__":
    with open("house.bmp", "wb") as f:
        f.write(bmp_bytes(draw_house()))
    print("house.bmp written")
