#!/usr/bin/env python3
"""Draws the two 60 x 60 animations the answer dialog plays and writes them
as MNG files: answer_right.mng (a warm circle that draws itself) and
answer_wrong.mng (a blue cross drawn stroke by stroke).

Only the standard library is used. The frames are RGBA with soft edges, so
the dialog's decoder blends them over whatever background it shows them on.

    python3 resources/tools/make_answer_mng.py [output folder]
"""

import math
import os
import struct
import sys
import zlib

SIZE = 60
TICKS_PER_SECOND = 100
SAMPLES = 4  # per pixel and direction, for smooth edges


# ---- drawing ----------------------------------------------------------------

def render(shape_alpha, colour_at):
    """A frame: shape_alpha(x, y) -> 0..1 coverage test at a sample point,
    colour_at(x, y) -> (r, g, b). Returns rows of RGBA bytes."""
    rows = []
    step = 1.0 / SAMPLES
    for py in range(SIZE):
        row = bytearray()
        for px in range(SIZE):
            hits = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    if shape_alpha(px + (sx + 0.5) * step, py + (sy + 0.5) * step):
                        hits += 1
            alpha = round(255 * hits / (SAMPLES * SAMPLES))
            r, g, b = colour_at(px + 0.5, py + 0.5) if alpha else (0, 0, 0)
            row += bytes((r, g, b, alpha))
        rows.append(bytes(row))
    return rows


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def arc_frame(sweep):
    """The circle drawn clockwise from the top up to sweep radians, with
    round ends like a brush stroke."""
    cx = cy = SIZE / 2
    radius, half = 20.5, 3.8
    start_colour, end_colour = (247, 140, 40), (226, 62, 48)

    def point_at(angle):
        return cx + radius * math.sin(angle), cy - radius * math.cos(angle)

    ends = [point_at(0.0), point_at(sweep)]

    def angle_of(x, y):
        return math.atan2(x - cx, cy - y) % (2 * math.pi)

    def inside(x, y):
        if abs(math.hypot(x - cx, y - cy) - radius) <= half and angle_of(x, y) <= sweep:
            return True
        return any(math.hypot(x - ex, y - ey) <= half for ex, ey in ends)

    def colour(x, y):
        # Orange at the top, red at the bottom: no seam where the ends meet.
        return mix(start_colour, end_colour, (1 - math.cos(angle_of(x, y))) / 2)

    return render(inside, colour)


def segment_distance(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy))


def cross_frame(first, second):
    """The cross with its first stroke drawn to fraction first and its
    second to fraction second (0 = not begun)."""
    half = 3.8
    strokes = [((16.0, 16.0), (44.0, 44.0), first), ((44.0, 16.0), (16.0, 44.0), second)]
    drawn = []
    for a, b, part in strokes:
        if part > 0:
            drawn.append((a, (a[0] + (b[0] - a[0]) * part, a[1] + (b[1] - a[1]) * part)))
    light, deep = (88, 136, 230), (36, 72, 186)

    def inside(x, y):
        return any(segment_distance(x, y, a, b) <= half for a, b in drawn)

    def colour(x, y):
        return mix(light, deep, max(0.0, min(1.0, (x + y - 32) / 56)))

    return render(inside, colour)


# ---- writing ----------------------------------------------------------------

def chunk(kind, data=b""):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_chunks(rows):
    ihdr = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    raw = b"".join(b"\x00" + row for row in rows)
    return chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND")


def mng(frames, delay):
    out = bytearray(b"\x8aMNG\r\n\x1a\n")
    play_time = delay * len(frames)
    # Width, height, ticks per second, layer count, frame count, play
    # time, simplicity profile (0: not stated).
    out += chunk(b"MHDR", struct.pack(">7I", SIZE, SIZE, TICKS_PER_SECOND, len(frames) + 1,
                                      len(frames), play_time, 0))
    out += chunk(b"TERM", b"\x00")  # show the last frame for good
    for i, rows in enumerate(frames):
        if i == 0:
            # Framing mode 1, no name, a new default delay between frames.
            out += chunk(b"FRAM", bytes((1, 0, 2, 0, 0, 0)) + struct.pack(">I", delay))
        else:
            out += chunk(b"FRAM", b"\x01")
        out += png_chunks(rows)
    out += chunk(b"MEND")
    return bytes(out)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    right = [arc_frame(2 * math.pi * k / 8) for k in range(1, 9)]
    wrong = [cross_frame(f, 0.0) for f in (0.34, 0.67, 1.0)]
    wrong += [cross_frame(1.0, f) for f in (0.34, 0.67, 1.0)]
    for name, frames, delay in (("answer_right.mng", right, 5), ("answer_wrong.mng", wrong, 7)):
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(mng(frames, delay))
        print(path, os.path.getsize(path), "bytes,", len(frames), "frames")


if __name__ == "__main__":
    main()
