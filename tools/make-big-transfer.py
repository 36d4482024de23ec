#!/usr/bin/env python3
"""Writes a large transfer text for the speed measurements: timed series and
spectra with about LINES sample and element lines in all."""
import argparse
import math
import random

HEADER = [
    "Device:;    LF-Analyser",
    "SN:;        BENCH-0001",
    "CAL-DATE:;  26-01-15",
    "HW-Version:;2.1",
    "SW-Version:;1.23",
    "SW-Date:;   26-02-01",
    "SW-Time:;   10:20:30",
]


def series(mem, samples, rnd):
    lines = [
        "MEM#;D;PROBE;CHN;MODE;DATE;TIME;STEP;FILTER;DET",
        f"{mem};A;INT_PRB;ALL;FST;26-03-{1 + mem % 28:02d};08:00:00;00:00:01;5Hz..2KHz;RMS",
        "N;VALUE[T];VALID;",
    ]
    for n in range(samples):
        v = 2e-6 * (1.0 + 0.3 * math.sin(n / 500.0)) * (1.0 + 0.02 * rnd.random())
        lines.append(f"{n};{v:.4E};OK;")
    return lines


def spectrum(mem, rnd):
    lines = [
        "MEM#;D;PROBE;CHN;MODE;DATE;TIME;F_RANGE;DET;MAX;VALID;DF[HZ]",
        f"{mem};V;INT_PRB;ALL;FFT;26-03-{1 + mem % 28:02d};09:00:00;5Hz..2KHz;ACT;LIVE;OK;1",
        "N;VALUE[T];",
    ]
    for n in range(2048):
        v = 1e-9 * (1.0 + rnd.random())
        if n % 50 == 0 and n:
            v += 1e-6 / (n // 50)
        lines.append(f"{n};{v:.4E}")
    return lines


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("--lines", type=int, default=1_000_000)
    args = parser.parse_args()
    rnd = random.Random(7)
    out = list(HEADER)
    mem = 1
    total = 0
    while total < args.lines:
        if mem % 2:
            block = series(mem, 10_000, rnd)
        else:
            block = spectrum(mem, rnd)
        out.extend(block)
        total += len(block) - 3
        mem += 1
    with open(args.out, "w", newline="\r\n", encoding="latin-1") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
