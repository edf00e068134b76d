#!/usr/bin/env python3
"""Draws the island map (map.bmp): 395 x 223, 8-bit palette BMP, and the same map at two and three times the
resolution for high-density screens (map@2x.bmp, map@3x.bmp), drawn from the same shapes, not enlarged.

Deterministic: the coast comes from a few summed sines, so running it again gives the same bytes.
"""
import math
import struct
from collections import deque

WIDTH, HEIGHT = 395, 223  # at 1x; a map at scale n has n times as many pixels each way

SEA = (181, 231, 255)
COAST = (0, 132, 0)
BEACH = (255, 255, 165)
LAND = (140, 255, 140)  # the colour the program tests when it places houses
RIVER = (0, 64, 255)
MOUNTAIN = (128, 0, 160)
PALETTE = [SEA, COAST, BEACH, LAND, RIVER, MOUNTAIN]
INDEX = {colour: i for i, colour in enumerate(PALETTE)}


def coast_radius(angle, bumps):
    """Relative radius of the coast at `angle`: 1 plus a few sines."""
    return 1.0 + sum(a * math.sin(k * angle + phase) for k, a, phase in bumps)


MAIN_BUMPS = [(2, 0.035, 0.4), (3, 0.045, 1.9), (5, 0.030, 0.7), (7, 0.022, 2.6), (11, 0.014, 4.1),
              (17, 0.008, 1.3), (23, 0.005, 5.0)]
ISLET_BUMPS = [(3, 0.12, 0.5), (5, 0.08, 2.0)]


def inside_blob(x, y, cx, cy, rx, ry, power, bumps):
    dx, dy = (x - cx) / rx, (y - cy) / ry
    angle = math.atan2(dy, dx)
    # A superellipse holds more land than an ellipse of the same size.
    r = (abs(dx) ** power + abs(dy) ** power) ** (1.0 / power)
    return r < coast_radius(angle, bumps)


def centre(v, n):
    """The 1x coordinate of the centre of pixel v at scale n (v itself at 1x)."""
    return (v + 0.5) / n - 0.5


def island_mask(n):
    width, height = WIDTH * n, HEIGHT * n
    mask = [[False] * width for _ in range(height)]
    for y in range(height):
        for x in range(width):
            cx, cy = centre(x, n), centre(y, n)
            main = inside_blob(cx, cy, 199, 101, 184, 88, 2.4, MAIN_BUMPS)
            islet = inside_blob(cx, cy, 96, 205, 17, 9, 2.0, ISLET_BUMPS)
            mask[y][x] = main or islet
    return mask


def distance_to_sea(mask):
    """Chessboard distance of every land pixel to the nearest sea pixel (the border counts as sea)."""
    height, width = len(mask), len(mask[0])
    dist = [[0 if not mask[y][x] else -1 for x in range(width)] for y in range(height)]
    queue = deque()
    for y in range(height):
        for x in range(width):
            on_border = x in (0, width - 1) or y in (0, height - 1)
            if mask[y][x] and on_border:
                dist[y][x] = 1
                queue.append((x, y))
            elif not mask[y][x]:
                queue.append((x, y))
    while queue:
        x, y = queue.popleft()
        for ny in range(y - 1, y + 2):
            for nx in range(x - 1, x + 2):
                if 0 <= nx < width and 0 <= ny < height and dist[ny][nx] == -1:
                    dist[ny][nx] = dist[y][x] + 1
                    queue.append((nx, ny))
    return dist


def draw_river(pixels, points, width, n):
    """A wiggling river along the polyline `points` (1x coordinates), `width` 1x pixels wide, on land only."""
    height, picture_width = len(pixels), len(pixels[0])
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2 * n) + 1
        for i in range(steps + 1):
            t = i / steps
            x = (x0 + (x1 - x0) * t) * n
            y = (y0 + (y1 - y0) * t) * n
            for oy in range(width * n):
                for ox in range(width * n):
                    px, py = int(round(x)) + ox, int(round(y)) + oy
                    if 0 <= px < picture_width and 0 <= py < height and pixels[py][px] == LAND:
                        pixels[py][px] = RIVER


def meander(x0, y0, x1, y1, amplitude, waves):
    points = []
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length, (x1 - x0) / length
    for i in range(41):
        t = i / 40
        offset = amplitude * math.sin(t * waves * math.pi) * math.sin(t * math.pi)
        points.append((x0 + (x1 - x0) * t + nx * offset, y0 + (y1 - y0) * t + ny * offset))
    return points


def draw_mountain(pixels, cx, cy, size, n):
    """A purple chevron, the map's mountain mark: two arms, two 1x pixels high, going down from (cx, cy)."""
    for y in range(cy * n, (cy + size + 2) * n):
        for x in range((cx - size) * n, (cx + size + 1) * n):
            # The 1x pixel grid is offset by a half: pixel v covers [v, v + 1).
            across, down = abs((x + 0.5) / n - (cx + 0.5)), (y + 0.5) / n - cy
            if across <= size + 0.5 and 0 <= down - across < 2 and pixels[y][x] == LAND:
                pixels[y][x] = MOUNTAIN


def draw_map(n):
    mask = island_mask(n)
    dist = distance_to_sea(mask)
    pixels = [[SEA] * (WIDTH * n) for _ in range(HEIGHT * n)]
    for y in range(HEIGHT * n):
        for x in range(WIDTH * n):
            d = dist[y][x]
            if d == 0:
                continue
            pixels[y][x] = COAST if d <= n else BEACH if d <= 4 * n else LAND
    draw_river(pixels, meander(150, 90, 118, 190, 9, 3), 2, n)
    draw_river(pixels, meander(205, 95, 230, 12, 8, 4), 2, n)
    draw_river(pixels, meander(60, 80, 12, 118, 5, 3), 1, n)
    for cx, cy, size in ((292, 62, 5), (305, 72, 6), (320, 58, 4), (316, 86, 5), (333, 74, 5),
                         (300, 98, 4), (345, 92, 4), (281, 80, 4)):
        draw_mountain(pixels, cx, cy, size, n)
    return pixels


def bmp_bytes(pixels):
    height, width = len(pixels), len(pixels[0])
    stride = (width + 3) // 4 * 4
    rows = []
    for y in range(height - 1, -1, -1):  # BMP rows run bottom-up
        row = bytes(INDEX[c] for c in pixels[y])
        rows.append(row + b"\0" * (stride - width))
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE) + b"\0\0\0\0" * (256 - len(PALETTE))
    offset = 14 + 40 + len(palette)
    image = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(image), 3780, 3780, 256, 0)
    return header + info + palette + image


def main():
    for n, name in ((1, "map.bmp"), (2, "map@2x.bmp"), (3, "map@3x.bmp")):
        pixels = draw_map(n)
        land = sum(row.count(LAND) for row in pixels)
        share = land / (WIDTH * HEIGHT * n * n)
        if share <= 0.5:
            raise SystemExit(f"only {share:.1%} of {name} is land; houses need more than half")
        with open(name, "wb") as f:
            f.write(bmp_bytes(pixels))
        print(f"{name} written, {share:.1%} land")


if __name__ == "__main__":
    main()
