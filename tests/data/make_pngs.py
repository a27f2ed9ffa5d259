#!/usr/bin/env python3
"""Writes the tiny PNG files the window tests decode (run from this folder).

rgb24.png   2x2, 8-bit RGB: rows of 6 bytes, not 4-byte aligned
rgba32.png  2x2, 8-bit RGBA with four alpha levels
npot.png    3x5, 8-bit RGB: sides that are not powers of two
solid.png   4x4, 8-bit RGB, one colour
grey8.png   4x4, 8-bit greyscale (a depth the game does not take)
palette.png 2x2, 8-bit paletted (neither)
"""
import struct
import zlib


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png(width, height, color_type, rows, extra=b""):
    raw = b"".join(b"\0" + bytes(r) for r in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, color_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + extra + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


RED, GREEN, BLUE, WHITE, BLACK, GREY = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255), (0, 0, 0), (128, 128, 128)
open("rgb24.png", "wb").write(png(2, 2, 2, [RED + GREEN, BLUE + WHITE]))
open("rgba32.png", "wb").write(png(2, 2, 6, [RED + (255,) + GREEN + (128,), BLUE + (0,) + WHITE + (64,)]))
open("npot.png", "wb").write(png(3, 5, 2, [GREY * 3] * 5))
open("solid.png", "wb").write(png(4, 4, 2, [(40, 200, 90) * 4] * 4))
open("grey8.png", "wb").write(png(4, 4, 0, [[128] * 4] * 4))
open("palette.png", "wb").write(png(2, 2, 3, [[0, 1], [1, 0]], chunk(b"PLTE", bytes(RED + BLUE))))
