#!/usr/bin/env python3
"""Writes data/Standard.dat: the ICNIRP 1998 and 2010 reference levels for the
general public and for occupational exposure, 5 Hz to 32 kHz.

Each standard is its name, three lines of description, one point per line
(frequency in Hz; magnetic induction limit in T; electric field limit in V/m)
and a line "-". Where a limit jumps, the frequency carries two points: the
limits just below and just above it. Between the corners the curves get points
at 1, 1.5, 2, 3, 4, 5, 6 and 8 of every decade, so a chart draws them on
log-log axes as they are.

Usage: tools/make-standards.py [output]   (default: data/Standard.dat beside tools/)
"""

import math
import pathlib
import sys

F_LOW = 5.0
F_HIGH = 32000.0
DECADE_STEPS = (1.0, 1.5, 2.0, 3.0, 4.0, 5.0, 6.0, 8.0)


def piecewise(*segments):
    """segments: (lower frequency, function); each holds up to the next lower frequency."""
    return list(segments)


def value_at(segments, f, side):
    """The limit at f; at a corner, side 'below' takes the segment ending there."""
    chosen = None
    for lower, fn in segments:
        if f > lower or (side == "above" and f == lower):
            chosen = fn
    if chosen is None:
        chosen = segments[0][1]
    return chosen(f)


STANDARDS = [
    (
        "ICNIRP 2010 general public",
        "ICNIRP guidelines 2010, reference levels for general public exposure",
        piecewise((1, lambda f: 4e-2 / f**2), (8, lambda f: 5e-3 / f), (25, lambda f: 2e-4),
                  (400, lambda f: 8e-2 / f), (3000, lambda f: 2.7e-5)),
        piecewise((1, lambda f: 5000.0), (50, lambda f: 2.5e5 / f), (3000, lambda f: 83.0)),
    ),
    (
        "ICNIRP 2010 occupational",
        "ICNIRP guidelines 2010, reference levels for occupational exposure",
        piecewise((1, lambda f: 0.2 / f**2), (8, lambda f: 2.5e-2 / f), (25, lambda f: 1e-3),
                  (300, lambda f: 0.3 / f), (3000, lambda f: 1e-4)),
        piecewise((1, lambda f: 20000.0), (25, lambda f: 5e5 / f), (3000, lambda f: 170.0)),
    ),
    (
        "ICNIRP 1998 general public",
        "ICNIRP guidelines 1998, reference levels for general public exposure",
        piecewise((1, lambda f: 4e-2 / f**2), (8, lambda f: 5e-3 / f), (25, lambda f: 5e-3 / f),
                  (800, lambda f: 6.25e-6)),
        piecewise((1, lambda f: 10000.0), (25, lambda f: 2.5e5 / f), (3000, lambda f: 87.0)),
    ),
    (
        "ICNIRP 1998 occupational",
        "ICNIRP guidelines 1998, reference levels for occupational exposure",
        piecewise((1, lambda f: 0.2 / f**2), (8, lambda f: 2.5e-2 / f), (25, lambda f: 2.5e-2 / f),
                  (820, lambda f: 3.07e-5)),
        piecewise((1, lambda f: 20000.0), (25, lambda f: 5e5 / f), (820, lambda f: 610.0)),
    ),
]


def number(x):
    """Shortest text that reads back as the limit to six significant digits, '.' as decimal mark."""
    text = f"{x:.6g}"
    return text.replace("e-0", "e-").replace("e+0", "e+")


def grid():
    points = []
    for decade in range(0, 6):
        for step in DECADE_STEPS:
            f = step * 10**decade
            if F_LOW <= f <= F_HIGH:
                points.append(f)
    return points


def same(a, b):
    return math.isclose(a, b, rel_tol=1e-9)


def curve(b_segments, e_segments):
    corners = {lower for lower, _ in b_segments + e_segments if F_LOW < lower < F_HIGH}
    frequencies = sorted(set(grid()) | corners | {F_LOW, F_HIGH})
    lines = []
    for f in frequencies:
        below = (value_at(b_segments, f, "below"), value_at(e_segments, f, "below"))
        above = (value_at(b_segments, f, "above"), value_at(e_segments, f, "above"))
        if f in corners and not (same(below[0], above[0]) and same(below[1], above[1])):
            lines.append((f, *below))
        lines.append((f, *above))
    return lines


def render():
    out = []
    for name, description, b_segments, e_segments in STANDARDS:
        out.append(name)
        out.append(description)
        out.append("Frequency in Hz; magnetic induction in T; electric field strength in V/m")
        out.append("5 Hz to 32 kHz")
        for f, b, e in curve(b_segments, e_segments):
            out.append(f"{number(f)};{number(b)};{number(e)}")
        out.append("-")
    # The program's text files end lines with CR LF.
    return "".join(line + "\r\n" for line in out)


def main():
    target = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
        pathlib.Path(__file__).resolve().parent.parent / "data" / "Standard.dat"
    target.write_bytes(render().encode("latin-1"))


if __name__ == "__main__":
    main()
