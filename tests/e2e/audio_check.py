#!/usr/bin/env python3
"""Checks that raw signed 16-bit little-endian audio is not silence.

    audio_check.py <file.raw> <threshold> <min-samples> [<bytes>]

Passes when at least <min-samples> samples have a magnitude above <threshold>,
counting only the first <bytes> bytes when given.
"""
import array
import sys


def main():
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    path, threshold, wanted = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    limit = int(sys.argv[4]) if len(sys.argv) == 5 else -1
    samples = array.array("h")
    with open(path, "rb") as f:
        data = f.read(limit)
    samples.frombytes(data[: len(data) // 2 * 2])
    if sys.byteorder != "little":
        samples.byteswap()
    loud = sum(1 for s in samples if abs(s) > threshold)
    peak = max((abs(s) for s in samples), default=0)
    print(f"{len(samples)} samples, {loud} above {threshold}, peak {peak}")
    sys.exit(0 if loud >= wanted else 1)


if __name__ == "__main__":
    main()
