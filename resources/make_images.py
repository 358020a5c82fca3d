#!/usr/bin/env python3
"""Draws Orvenal's own images and writes them as Windows resource files.

orvenal.ico  the program icon: a clock face with a red power badge, 16x16, 32x32 and
             48x48, 16 colours (4 bits per pixel, BMP entries with AND masks).
hand.cur     the hyperlink's pointer: a 32x32 monochrome pointing hand, white with a black
             outline, index finger up, hot spot on the fingertip.

The build uses the committed outputs; run this by hand (python3 make_images.py, standard
library only) after changing a drawing, and commit the script and both files together.
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 standard colours of a 4-bit Windows bitmap, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, NAVY, SILVER, RED, WHITE = 0, 4, 7, 9, 15

ICON_SIZES = (16, 32, 48)
SUBSAMPLES = 4          # samples per pixel side when deciding which shape covers a pixel
COVERAGE_NEEDED = 0.4   # share of a pixel a shape must cover to colour it; thin lines survive

BITMAPINFOHEADER_SIZE = 40
ICONDIR = struct.Struct("<HHH")
ICONDIRENTRY = struct.Struct("<BBBBHHII")
ICON_TYPE, CURSOR_TYPE = 1, 2


# --- shapes: each is a test of a point (x, y) in pixel units, y growing downwards ----------

def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_inner, r_outer, gap_degrees=0.0):
    """An annulus; gap_degrees leaves an opening of that width centred on straight up."""
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not r_inner * r_inner <= d2 <= r_outer * r_outer:
            return False
        from_up = math.degrees(math.atan2(x - cx, cy - y))
        return abs(from_up) > gap_degrees / 2
    return inside


def segment(x0, y0, x1, y1, width):
    """A stroke with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return inside


def hand_end(cx, cy, length, clock_hours):
    angle = math.radians(clock_hours * 30.0)
    return cx + length * math.sin(angle), cy - length * math.cos(angle)


def icon_layers(size):
    """The icon as (colour, shape) layers, bottom first, scaled to one image size."""
    c = size / 2
    r = size / 2 - 0.25
    line = max(1.0, size / 16)           # strokes never get thinner than one pixel
    rim = max(1.0, size / 14)
    layers = [(NAVY, disc(c, c, r)), (WHITE, disc(c, c, r - rim))]
    if size >= 32:                       # hour marks only where there is room for them
        for hour in (0, 3, 6, 9):
            x0, y0 = hand_end(c, c, r - rim - size / 8, hour)
            x1, y1 = hand_end(c, c, r - rim - 0.5, hour)
            layers.append((NAVY, segment(x0, y0, x1, y1, line)))
    # Ten past ten leaves the lower right free for the badge.
    hx, hy = hand_end(c, c, r * 0.5, 10)
    mx, my = hand_end(c, c, r * 0.72, 0)
    layers.append((BLACK, segment(c, c, hx, hy, line * 1.4)))
    layers.append((BLACK, segment(c, c, mx, my, line)))
    # The power badge: a red disc with the white power sign, edged in white where there is
    # room so that it stands off the face.
    br = size * 0.3
    bx = by = math.floor(size - br) + 0.5  # on a pixel centre, so the sign is symmetric
    if size >= 32:
        layers.append((WHITE, disc(bx, by, br)))
        br -= size / 32
    layers.append((RED, disc(bx, by, br)))
    stroke = max(1.0, size / 16)
    symbol_r = br * 0.55
    layers.append((WHITE, ring(bx, by, symbol_r - stroke / 2, symbol_r + stroke / 2, 70)))
    layers.append((WHITE, segment(bx, by - symbol_r - stroke / 2, bx, by, stroke)))
    return layers


def rasterise(layers, size):
    """Rows of palette indices, None where the pixel stays transparent; top row first."""
    rows = []
    offsets = [(i + 0.5) / SUBSAMPLES for i in range(SUBSAMPLES)]
    samples = len(offsets) ** 2
    for y in range(size):
        row = []
        for x in range(size):
            chosen = None
            for colour, inside in reversed(layers):
                hits = sum(inside(x + ox, y + oy) for ox in offsets for oy in offsets)
                if hits / samples >= COVERAGE_NEEDED:
                    chosen = colour
                    break
            row.append(chosen)
        rows.append(row)
    return rows


# --- the pointing hand, drawn pixel by pixel: B black, W white, . transparent -------------

HAND = [
    "................................",
    ".....BBB........................",
    "....BWWWB.......................",
    "....BWWWB.......................",
    "....BWWWB.......................",
    "....BWWWB.......................",
    "....BWWWB.......................",
    "....BWWWBBBB....................",
    "....BWWWBWWWBBBB................",
    "....BWWWBWWWBWWWBBB.............",
    "....BWWWBWWWBWWWBWWB............",
    "....BWWWBWWWBWWWBWWB............",
    ".BB.BWWWBWWWBWWWBWWB............",
    "BWWBBWWWBWWWBWWWBWWB............",
    "BWWWBWWWWWWWWWWWWWWB............",
    ".BWWWWWWWWWWWWWWWWWB............",
    ".BWWWWWWWWWWWWWWWWWB............",
    "..BWWWWWWWWWWWWWWWWB............",
    "..BWWWWWWWWWWWWWWWWB............",
    "...BWWWWWWWWWWWWWWWB............",
    "...BWWWWWWWWWWWWWWB.............",
    "....BWWWWWWWWWWWWWB.............",
    "....BWWWWWWWWWWWWB..............",
    ".....BWWWWWWWWWWWB..............",
    ".....BWWWWWWWWWWWB..............",
    ".....BBBBBBBBBBBBB..............",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
]
HAND_SIZE = 32
HAND_HOT_SPOT = (6, 1)                   # the top of the index finger
HAND_COLOURS = {"B": 0, "W": 1, ".": None}


# --- file writing -----------------------------------------------------------------------

def padded(row_bytes):
    """Bitmap rows are padded to whole 32-bit words."""
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def pack_bits(values, bits):
    per_byte = 8 // bits
    out = bytearray()
    for i in range(0, len(values), per_byte):
        byte = 0
        for j, value in enumerate(values[i:i + per_byte]):
            byte |= value << (8 - bits * (j + 1))
        out.append(byte)
    return bytes(out)


def bmp_entry(rows, bits, palette):
    """An icon or cursor image: header, palette, XOR pixels and AND mask, bottom row first."""
    size = len(rows)
    xor = b"".join(padded(pack_bits([v or 0 for v in row], bits)) for row in reversed(rows))
    mask = b"".join(padded(pack_bits([1 if v is None else 0 for v in row], 1))
                    for row in reversed(rows))
    header = struct.pack("<IiiHHIIiiII", BITMAPINFOHEADER_SIZE, size, size * 2, 1, bits, 0,
                         len(xor) + len(mask), 0, 0, len(palette), 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + xor + mask


def write_group(path, kind, images):
    """images: (size, colour count, field 1, field 2, entry bytes) for each image."""
    offset = ICONDIR.size + ICONDIRENTRY.size * len(images)
    directory = ICONDIR.pack(0, kind, len(images))
    bodies = b""
    for size, colours, field1, field2, body in images:
        directory += ICONDIRENTRY.pack(size % 256, size % 256, colours % 256, 0, field1, field2,
                                       len(body), offset)
        offset += len(body)
        bodies += body
    with open(path, "wb") as out:
        out.write(directory + bodies)


def main():
    icons = []
    for size in ICON_SIZES:
        rows = rasterise(icon_layers(size), size)
        # For an icon the two fields are planes and bits per pixel.
        icons.append((size, len(PALETTE), 1, 4, bmp_entry(rows, 4, PALETTE)))
    write_group(os.path.join(HERE, "orvenal.ico"), ICON_TYPE, icons)

    assert len(HAND) == HAND_SIZE and all(len(row) == HAND_SIZE for row in HAND)
    hand = [[HAND_COLOURS[ch] for ch in row] for row in HAND]
    assert HAND[HAND_HOT_SPOT[1]][HAND_HOT_SPOT[0]] == "B"
    body = bmp_entry(hand, 1, [(0, 0, 0), (0xFF, 0xFF, 0xFF)])
    # For a cursor the two fields hold the hot spot.
    write_group(os.path.join(HERE, "hand.cur"), CURSOR_TYPE,
                [(HAND_SIZE, 0, HAND_HOT_SPOT[0], HAND_HOT_SPOT[1], body)])


if __name__ == "__main__":
    main()
