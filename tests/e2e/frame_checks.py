#!/usr/bin/env python3
"""Checks what a screenshot (binary PPM) shows in a rectangle.

    frame_checks.py <shot.ppm> "<measure> x0 y0 x1 y1 <colour> <min|max> <value>" ...

measure: count (pixels) or share (fraction of the rectangle, 0..1).
colour:  r,g,b for that exact colour, or green for any clearly green pixel.
The rectangle spans x0 <= x < x1, y0 <= y < y1.
"""
import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    at = 0
    while len(fields) < 4:
        while data[at : at + 1].isspace():
            at += 1
        if data[at : at + 1] == b"#":
            at = data.index(b"\n", at)
            continue
        start = at
        while not data[at : at + 1].isspace():
            at += 1
        fields.append(data[start:at])
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit(f"{path}: not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[at + 1 : at + 1 + width * height * 3]
    if len(pixels) != width * height * 3:
        sys.exit(f"{path}: cut short")
    return width, height, pixels


def matcher(colour):
    if colour == "green":
        return lambda r, g, b: g >= 60 and g > r + 20 and g > b + 20
    want = tuple(int(v) for v in colour.split(","))
    return lambda r, g, b: (r, g, b) == want


def measure(shot, x0, y0, x1, y1, matches):
    width, height, pixels = shot
    if not (0 <= x0 < x1 <= width and 0 <= y0 < y1 <= height):
        sys.exit(f"rectangle {x0},{y0}-{x1},{y1} is outside the {width}x{height} shot")
    hits = 0
    for y in range(y0, y1):
        row = pixels[(y * width + x0) * 3 : (y * width + x1) * 3]
        for i in range(0, len(row), 3):
            if matches(row[i], row[i + 1], row[i + 2]):
                hits += 1
    return hits, (x1 - x0) * (y1 - y0)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    shot = read_ppm(sys.argv[1])
    failed = False
    for check in sys.argv[2:]:
        kind, x0, y0, x1, y1, colour, bound, value = check.split()
        hits, area = measure(shot, int(x0), int(y0), int(x1), int(y1), matcher(colour))
        seen = hits if kind == "count" else hits / area
        ok = seen >= float(value) if bound == "min" else seen <= float(value)
        print(f"{'ok' if ok else 'FAILED'}: {check}: measured {seen:.3g}")
        failed |= not ok
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
