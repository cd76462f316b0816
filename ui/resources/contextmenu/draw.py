#!/usr/bin/env python3
"""Draws the context menu's pictures: the warning icon of a risky candidate
row (normal and on the blue hovered row) and the background of the warning tip.
Run once from this folder; the PNG files are committed."""
import struct
import zlib

SAMPLES = 4  # supersampling per axis


def png(path, width, height, pixels):
    raw = b"".join(b"\x00" + bytes(v for px in pixels[y * width:(y + 1) * width] for v in px)
                   for y in range(height))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def render(width, height, shade):
    """shade(x, y) -> (r, g, b, a) or None, sampled SAMPLES^2 times per pixel."""
    pixels = []
    for py in range(height):
        for px in range(width):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = shade(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
                    if c:
                        a = c[3] / 255.0
                        acc[0] += c[0] * a
                        acc[1] += c[1] * a
                        acc[2] += c[2] * a
                        acc[3] += a
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if alpha > 0:
                pixels.append((round(acc[0] / acc[3]), round(acc[1] / acc[3]),
                               round(acc[2] / acc[3]), round(alpha * 255)))
            else:
                pixels.append((0, 0, 0, 0))
    return pixels


def inside_triangle(x, y):
    # Apex at (8, 1.5), base from (1, 14.5) to (15, 14.5).
    if y < 1.5 or y > 14.5:
        return False
    half = (y - 1.5) / 13.0 * 7.0
    return abs(x - 8.0) <= half


def in_mark(x, y):
    bar = abs(x - 8.0) <= 1.0 and 5.0 <= y <= 10.0
    dot = (x - 8.0) ** 2 + (y - 12.3) ** 2 <= 1.1 ** 2
    return bar or dot


def warning(body, mark):
    def shade(x, y):
        if not inside_triangle(x, y):
            return None
        return mark if in_mark(x, y) else body
    return shade


def tip(width, height, radius=4.0):
    fill = (255, 248, 225, 255)
    edge = (230, 200, 112, 255)

    def shade(x, y):
        # Rounded rectangle with a one-pixel edge.
        cx = min(max(x, radius), width - radius)
        cy = min(max(y, radius), height - radius)
        d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
        if d > radius and (x < radius or x > width - radius) and (y < radius or y > height - radius):
            return None
        if x < 1 or y < 1 or x > width - 1 or y > height - 1 or d > radius - 1:
            return edge
        return fill
    return shade


# op_normal.png and tip_3.png are the side panel's (ui/resources/panel).
png("op_hover2.png", 16, 16, render(16, 16, warning((255, 255, 255, 255), (24, 114, 217, 255))))

