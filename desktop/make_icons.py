#!/usr/bin/env python3
"""Makes the application icons from the house picture of the map (resources/house.bmp, black is transparent).

Writes icons/NxN/org.example.Vartel.png for the hicolor sizes and icons/scalable/org.example.Vartel.svg.
The house is centred on a square transparent canvas. Where a whole-number enlargement fills most of the
canvas the pixels are simply repeated, which keeps the pixel art sharp; otherwise each icon pixel takes
the coverage-weighted mean of the house pixels under it.
"""
import os
import struct
import sys
import zlib

APP_ID = "org.example.Vartel"
SIZES = (16, 32, 48, 64, 128, 256)
HERE = os.path.dirname(os.path.abspath(__file__))
HOUSE = os.path.join(HERE, "..", "resources", "house.bmp")


def read_bmp(path):
    """Rows top-down of (r, g, b, a) from an uncompressed 24-bit BMP; black becomes transparent."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        sys.exit(f"{path}: not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits != 24 or compression != 0:
        sys.exit(f"{path}: expected an uncompressed 24-bit BMP")
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(abs(height)):
        source_row = abs(height) - 1 - y if height > 0 else y  # positive height: bottom-up rows
        start = offset + source_row * stride
        row = []
        for x in range(width):
            b, g, r = data[start + 3 * x:start + 3 * x + 3]
            row.append((r, g, b, 0 if (r, g, b) == (0, 0, 0) else 255))
        rows.append(row)
    return rows


def place(house, size):
    """The house centred on a size x size canvas, about 7/8 of its width."""
    height, width = len(house), len(house[0])
    whole = (size * 15 // 16) // width
    if whole >= 1 and whole * width * 4 >= size * 3:
        return repeat_pixels(house, size, whole)
    return area_mean(house, size, size * 7 / 8 / width)


def repeat_pixels(house, size, factor):
    height, width = len(house), len(house[0])
    left = (size - width * factor) // 2
    top = (size - height * factor) // 2
    canvas = [[(0, 0, 0, 0)] * size for _ in range(size)]
    for y in range(height * factor):
        for x in range(width * factor):
            canvas[top + y][left + x] = house[y // factor][x // factor]
    return canvas


def area_mean(house, size, scale):
    height, width = len(house), len(house[0])
    # Whole-pixel offsets keep the house's pixel edges on icon pixel edges wherever the scale allows.
    left = (size - round(width * scale)) // 2
    top = (size - round(height * scale)) // 2
    canvas = []
    for py in range(size):
        row = []
        for px in range(size):
            # The icon pixel's square in house coordinates.
            x0, x1 = (px - left) / scale, (px + 1 - left) / scale
            y0, y1 = (py - top) / scale, (py + 1 - top) / scale
            total = [0.0, 0.0, 0.0, 0.0]  # colour premultiplied by alpha, then alpha
            for hy in range(max(0, int(y0)), min(height, int(y1) + 1)):
                cover_y = min(y1, hy + 1) - max(y0, hy)
                if cover_y <= 0:
                    continue
                for hx in range(max(0, int(x0)), min(width, int(x1) + 1)):
                    cover = (min(x1, hx + 1) - max(x0, hx)) * cover_y
                    if cover <= 0:
                        continue
                    r, g, b, a = house[hy][hx]
                    weight = cover * a / 255
                    total[0] += r * weight
                    total[1] += g * weight
                    total[2] += b * weight
                    total[3] += weight
            alpha = total[3] * scale * scale  # the square covers 1 / scale^2 house pixels
            if total[3] <= 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(c / total[3]) for c in total[:3]) + (min(255, round(alpha * 255)),))
        canvas.append(row)
    return canvas


def png_bytes(canvas):
    size = len(canvas)

    def chunk(kind, payload):
        return struct.pack(">I", len(payload)) + kind + payload + struct.pack(">I", zlib.crc32(kind + payload))

    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in canvas)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def svg_text(house):
    """One rectangle per run of equal pixels in a row on a square view box, drawn with crisp edges."""
    height, width = len(house), len(house[0])
    top = (width - height) / 2
    rects = []
    for y, row in enumerate(house):
        x = 0
        while x < width:
            run = x
            while run < width and row[run] == row[x]:
                run += 1
            r, g, b, a = row[x]
            if a:
                rects.append(f'  <rect x="{x}" y="{y + top:g}" width="{run - x}" height="1" '
                             f'fill="#{r:02x}{g:02x}{b:02x}"/>')
            x = run
    margin = width / 14  # the same 7/8 of the width as the bitmaps
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
            f'viewBox="{-margin:g} {-margin:g} {width + 2 * margin:g} {width + 2 * margin:g}" '
            f'shape-rendering="crispEdges">\n' + "\n".join(rects) + "\n</svg>\n")


def main():
    house = read_bmp(HOUSE)
    for size in SIZES:
        folder = os.path.join(HERE, "icons", f"{size}x{size}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, APP_ID + ".png"), "wb") as f:
            f.write(png_bytes(place(house, size)))
    folder = os.path.join(HERE, "icons", "scalable")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, APP_ID + ".svg"), "w", encoding="ascii") as f:
        f.write(svg_text(house))
    print("icons written:", ", ".join(f"{s}x{s}" for s in SIZES), "and scalable")


if __name__ == "__main__":
    main()
