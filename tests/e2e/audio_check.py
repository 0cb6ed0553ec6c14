#!/usr/bin/env python3
"""Checks that raw signed 16-bit little-endian audio is not silence, or is.

    audio_check.py [--silent] <file.raw> <threshold> <min-samples> [<bytes> [<from>]]

Passes when at least <min-samples> samples have a magnitude above <threshold>,
counting only the first <bytes> bytes when given, from byte <from> on when
given. With --silent, passes when no sample there is above <threshold>.
"""
import array
import sys


def main():
    args = sys.argv[1:]
    silent = args[:1] == ["--silent"]
    args = args[1:] if silent else args
    if len(args) not in (3, 4, 5):
        sys.exit(__doc__)
    path, threshold, wanted = args[0], int(args[1]), int(args[2])
    limit = int(args[3]) if len(args) >= 4 else -1
    start = int(args[4]) if len(args) == 5 else 0
    samples = array.array("h")
    with open(path, "rb") as f:
        data = f.read(limit)[start:]
    samples.frombytes(data[: len(data) // 2 * 2])
    if sys.byteorder != "little":
        samples.byteswap()
    loud = sum(1 for s in samples if abs(s) > threshold)
    peak = max((abs(s) for s in samples), default=0)
    print(f"{len(samples)} samples, {loud} above {threshold}, peak {peak}")
    sys.exit(0 if (loud == 0 if silent else loud >= wanted) else 1)


if __name__ == "__main__":
    main()
