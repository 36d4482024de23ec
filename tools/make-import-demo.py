#!/usr/bin/env python3
"""Writes the two sample files of the current import and the plane view's
background picture:

  data/Demo_strom.txt     phase currents of the transformer feeding the station,
                          recorded by a load logger every five minutes over the
                          hour of the demo's timed series 7 (6 October 2026,
                          11:00 to 12:00). 25 lines of logger header (the first
                          names the file as the program's demo), then 13 rows:
                          number; date and time (dd.mm.yy hh:mm:ss); L1; L2; L3
                          in ampere, semicolon separated, decimal point.
  data/Demo_station.pcx   a plan of a small 20 kV / 0.4 kV substation (fence,
                          switchgear building, two transformers, cable routes,
                          measuring grid marks), 640 x 480 pixels, 256-colour
                          palette, run-length coded.

The numbers come from a fixed formula, so every run writes the same files.
Lines end with CR LF.

Usage: tools/make-import-demo.py [--output-dir DIR]   (default: data/ beside tools/)
"""

import argparse
import math
import pathlib
import struct

# ---------------------------------------------------------------- currents

HEADER = [
    "Ombrix Demo - load logger export",
    "Logger;LL-3 phase current logger",
    "Serial;41-2207",
    "Firmware;2.14",
    "Station;Riverside substation 20 kV / 0.4 kV",
    "Feeder;Transformer T1 630 kVA",
    "Measuring point;Low-voltage main busbar",
    "Clamp L1;CT-1000 #2231",
    "Clamp L2;CT-1000 #2232",
    "Clamp L3;CT-1000 #2233",
    "Range;1000 A",
    "Interval;00:05:00",
    "Averaging;RMS over interval",
    "Start;06.10.26 11:00:00",
    "Stop;06.10.26 12:00:00",
    "Records;13",
    "Operator;field team",
    "Remark;load rising towards the midday peak",
    "",
    "Channel;Quantity;Unit",
    "1;Current L1;A",
    "2;Current L2;A",
    "3;Current L3;A",
    "",
    "No;Date/Time;L1;L2;L3",
]


def current_rows():
    rows = []
    for i in range(13):
        minute = i * 5
        hour, minute = 11 + minute // 60, minute % 60
        # A midday load ramp with a slow swell and an unequal phase load.
        base = 392.0 + 3.1 * i + 9.0 * math.sin(i / 2.2)
        l1 = base * 1.04 + 2.5 * math.sin(i * 1.3)
        l2 = base * 0.97 + 2.0 * math.cos(i * 0.9)
        l3 = base * 1.00 + 1.5 * math.sin(i * 0.7 + 1.0)
        rows.append(f"{i + 1};06.10.26 {hour:02d}:{minute:02d}:00;{l1:.1f};{l2:.1f};{l3:.1f}")
    return rows


def write_currents(path):
    lines = HEADER + current_rows()
    assert len(HEADER) == 25 and len(lines) == 38
    path.write_bytes(("\r\n".join(lines) + "\r\n").encode("latin-1"))

# ---------------------------------------------------------------- picture

WIDTH, HEIGHT = 640, 480
PALETTE = {
    "ground": (236, 233, 216),
    "gravel": (200, 196, 182),
    "fence": (90, 90, 90),
    "building": (176, 70, 60),
    "roof": (214, 205, 196),
    "trafo": (70, 110, 160),
    "oil": (120, 150, 190),
    "cable": (60, 60, 60),
    "road": (160, 160, 160),
    "grid": (40, 140, 60),
    "text": (20, 20, 20),
    "grass": (190, 215, 160),
}
INDEX = {name: i for i, name in enumerate(PALETTE)}

# 5 x 7 letters for the few labels of the plan.
FONT = {
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    ".": ["00000", "00000", "00000", "00000", "00000", "01100", "01100"],
    "k": ["10000", "10000", "10010", "10100", "11000", "10100", "10010"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    " ": ["00000"] * 7,
}


class Canvas:
    def __init__(self):
        self.pixels = bytearray([INDEX["grass"]] * (WIDTH * HEIGHT))

    def rect(self, x0, y0, x1, y1, colour):
        c = INDEX[colour]
        for y in range(max(0, y0), min(HEIGHT, y1)):
            row = y * WIDTH
            self.pixels[row + max(0, x0):row + min(WIDTH, x1)] = bytes([c]) * (min(WIDTH, x1) - max(0, x0))

    def frame(self, x0, y0, x1, y1, colour, width=2):
        self.rect(x0, y0, x1, y0 + width, colour)
        self.rect(x0, y1 - width, x1, y1, colour)
        self.rect(x0, y0, x0 + width, y1, colour)
        self.rect(x1 - width, y0, x1, y1, colour)

    def text(self, x, y, label, colour="text", scale=2):
        for ch in label:
            for r, bits in enumerate(FONT[ch]):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        self.rect(x + col * scale, y + r * scale, x + (col + 1) * scale,
                                  y + (r + 1) * scale, colour)
            x += 6 * scale


def draw_station():
    c = Canvas()
    c.rect(0, 400, WIDTH, 450, "road")                 # access road
    c.rect(60, 40, 580, 380, "gravel")                 # station yard
    c.frame(60, 40, 580, 380, "fence", 3)
    c.rect(280, 377, 360, 383, "road")                 # gate
    c.rect(300, 380, 340, 400, "road")
    c.rect(90, 70, 260, 200, "building")               # switchgear building
    c.rect(98, 78, 252, 192, "roof")
    c.text(120, 120, "20 kV")
    c.text(120, 150, "SG")
    for x0, label in ((330, "T1"), (450, "T2")):       # transformers in oil pits
        c.rect(x0 - 10, 70, x0 + 90, 190, "oil")
        c.rect(x0, 80, x0 + 80, 180, "trafo")
        c.text(x0 + 24, 122, label, "roof")
    c.rect(90, 250, 260, 340, "building")              # low-voltage room
    c.rect(98, 258, 252, 332, "roof")
    c.text(120, 285, "0.4 kV")
    for x in (370, 490):                               # cable routes to the rooms
        c.rect(x - 2, 190, x + 2, 230, "cable")
    c.rect(170, 228, 492, 232, "cable")
    c.rect(168, 200, 172, 250, "cable")
    for gx in range(100, 580, 40):                     # measuring grid marks, 1 m apart
        for gy in range(60, 380, 40):
            c.rect(gx - 3, gy, gx + 4, gy + 1, "grid")
            c.rect(gx, gy - 3, gx + 1, gy + 4, "grid")
    c.text(530, 395, "N", "text", 3)
    c.rect(537, 375, 541, 392, "text")                 # north arrow
    return c.pixels


def rle_line(data):
    out = bytearray()
    i = 0
    while i < len(data):
        value, run = data[i], 1
        while i + run < len(data) and data[i + run] == value and run < 63:
            run += 1
        if run > 1 or value >= 0xC0:
            out += bytes([0xC0 | run, value])
        else:
            out.append(value)
        i += run
    return out


def write_picture(path):
    pixels = draw_station()
    header = struct.pack("<BBBBHHHHHH", 0x0A, 5, 1, 8, 0, 0, WIDTH - 1, HEIGHT - 1, 72, 72)
    header += bytes(48) + bytes([0, 1]) + struct.pack("<HH", WIDTH, 1)
    header += bytes(128 - len(header))
    body = bytearray()
    for y in range(HEIGHT):
        body += rle_line(pixels[y * WIDTH:(y + 1) * WIDTH])
    palette = bytearray([0x0C])
    colours = list(PALETTE.values()) + [(0, 0, 0)] * (256 - len(PALETTE))
    for rgb in colours:
        palette += bytes(rgb)
    path.write_bytes(header + body + palette)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output-dir", type=pathlib.Path,
                        default=pathlib.Path(__file__).resolve().parent.parent / "data")
    args = parser.parse_args()
    write_currents(args.output_dir / "Demo_strom.txt")
    write_picture(args.output_dir / "Demo_station.pcx")


if __name__ == "__main__":
    main()
