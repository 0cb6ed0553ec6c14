#!/usr/bin/env python3
"""Writes Linux joystick events (struct js_event) to a FIFO the game reads as its pad.

    pad_events.py <fifo> <event>...

Each event is "button N down|up", "axis N VALUE" or "hat left|right|up|down|centre",
written as one word with colons: button:7:down, axis:0:-20000, hat:left. The
hat is the pad's third and fourth axes, as the display library is told it is.
"""
import struct
import sys
import time

BUTTON, AXIS = 1, 2
HAT = {
    "left": ((2, -32767), (3, 0)),
    "right": ((2, 32767), (3, 0)),
    "up": ((2, 0), (3, -32767)),
    "down": ((2, 0), (3, 32767)),
    "centre": ((2, 0), (3, 0)),
}


def records(word):
    kind, *rest = word.split(":")
    if kind == "button":
        return [(int(rest[1] == "down"), BUTTON, int(rest[0]))]
    if kind == "axis":
        return [(int(rest[1]), AXIS, int(rest[0]))]
    if kind == "hat":
        return [(value, AXIS, axis) for axis, value in HAT[rest[0]]]
    sys.exit(f"unknown event {word}")


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb", buffering=0) as fifo:
        for word in sys.argv[2:]:
            for value, kind, number in records(word):
                stamp = int(time.monotonic() * 1000) & 0xFFFFFFFF
                fifo.write(struct.pack("<IhBB", stamp, value, kind, number))


if __name__ == "__main__":
    main()
