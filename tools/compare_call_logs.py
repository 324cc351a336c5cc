"""Compares two folders of plug-in call logs (scripts/call_logs record).

Every log of the old folder must be in the new one with the same lines. Lines that differ only
in floats that agree to a few units in the last place are listed as rounding, apart from real
differences; the exit status is 0 only when no line differs at all.
"""
import math
import struct
import sys
from pathlib import Path

ULPS = 4  # floats this many single-precision steps apart count as rounding


def float_steps(a, b):
    def ordered(x):
        bits = struct.unpack("<i", struct.pack("<f", x))[0]
        return bits if bits >= 0 else -(bits & 0x7FFFFFFF)
    return abs(ordered(a) - ordered(b))


def close_floats(old, new):
    """True when the two lines differ only in numbers within ULPS float steps."""
    a, b = old.split(), new.split()
    if len(a) != len(b):
        return False
    for x, y in zip(a, b):
        if x == y:
            continue
        try:
            fx, fy = float(x), float(y)
        except ValueError:
            return False
        if math.isnan(fx) or math.isnan(fy) or float_steps(fx, fy) > ULPS:
            return False
    return True


def main(old_dir, new_dir):
    old_dir, new_dir = Path(old_dir), Path(new_dir)
    logs = sorted(old_dir.glob("*.log"))
    if not logs:
        print(f"no logs in {old_dir}")
        return 2
    real = rounding = 0
    for old in logs:
        new = new_dir / old.name
        if not new.exists():
            print(f"{old.name}: missing in {new_dir}")
            real += 1
            continue
        a = old.read_text().splitlines()
        b = new.read_text().splitlines()
        if len(a) != len(b):
            print(f"{old.name}: {len(a)} lines before, {len(b)} after")
        shown = 0
        for n, (x, y) in enumerate(zip(a, b), 1):
            if x == y:
                continue
            kind = "rounding" if close_floats(x, y) else "differs"
            if kind == "rounding":
                rounding += 1
            else:
                real += 1
            if shown < 10:
                print(f"{old.name}:{n}: {kind}\n  - {x}\n  + {y}")
                shown += 1
        if len(a) != len(b):
            real += 1
    print(f"{len(logs)} logs: {real} lines differ, {rounding} differ in the last bits of a float")
    return 0 if real == 0 and rounding == 0 else 1


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print("usage: compare_call_logs.py OLD NEW")
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))
