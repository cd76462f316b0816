#!/usr/bin/env python3
"""Draws the score bar pictures of the writing report (run once; the PNGs are
committed). Each picture is ten blocks of 19 px with 2 px gaps (a step of
21 px), 14 px high, with softened corners."""
import struct
import zlib

WIDTH, HEIGHT, STEP, BLOCK = 210, 14, 21, 19


def png(path, rgb):
    rows = []
    for y in range(HEIGHT):
        row = bytearray([0])
        for x in range(WIDTH):
            inside = x % STEP < BLOCK
            corner = (x % STEP in (0, BLOCK - 1)) and y in (0, HEIGHT - 1)
            alpha = 0 if not inside else (110 if corner else 255)
            row += bytes(rgb) + bytes([alpha])
        rows.append(bytes(row))
    raw = b"".join(rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                  + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


png("stat_chert_1.png", (0xE1, 0xE7, 0xEE))  # empty
png("stat_chert_2.png", (0x5F, 0xB7, 0x60))  # filled, structure
png("stat_chert_3.png", (0x35, 0x72, 0xBF))  # filled, vocabulary
