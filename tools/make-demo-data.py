#!/usr/bin/env python3
"""Writes data/DemoDat.dat, the memory and the live values of the simulated analyser.

The file starts with a three-line title (the third line holds "Demo"), then:

  <DATALOG DEMO DATA>  a whole memory transfer: the seven header lines and the
                       stored datasets of three measurement days (normal values,
                       timed series, spatial grids, harmonics lists, spectra);
  <REMOTE DEMO DATA>   the live-value templates: value records (FST first, STD
                       second), harmonics records and spectrum records, whose
                       data lines are played back one line or one block at a time.

Columns are separated by one blank and padded as the analyser pads them; dates
are yy-mm-dd and times hh:mm:ss like the analyser's own records. The header
dates carry four-digit years: a reader whose short date picture has "-" but
day-first order then fails on CAL-DATE and switches to yy-mm-dd, instead of
reading every record date back to front.

Template data lines hold single blanks: a live block puts the sample counter
and one blank in front of a value line, and the A/m presentation takes the
value as the text between the first and the second blank.

The numbers come from simple field models with a fixed random seed, so the
output is the same on every run. Lines end with CR LF; the text is Latin-1.

Usage: tools/make-demo-data.py [--output PATH]   write the file, then check it
       tools/make-demo-data.py --check [PATH]    check an existing file
(default PATH: data/DemoDat.dat beside tools/)
"""

import argparse
import datetime as dt
import math
import pathlib
import random
import re
import sys

SEED = 50_2026
SEP = " "
MAINS = 50.02  # Hz; the grid runs a little fast on the measurement days
ELEMENTS = 2048
CAL_DATE = dt.date(2026, 3, 17)
SW_DATE = dt.date(2025, 11, 4)
SW_TIME = dt.time(9, 12, 40)
DEVICE = "LF-Analyser"
SERIAL = "23-0871"
STANDARD = "ICNIRP2010"  # blank-free: a blank would split the column
DATALOG_MARKER = "<DATALOG DEMO DATA>"
REMOTE_MARKER = "<REMOTE DEMO DATA>"
TITLE = [
    "Low-frequency field analyser - memory and live values",
    "Written by tools/make-demo-data.py; regenerate instead of editing",
    "Demo data for the load wizard (DATALOG) and for live operation (REMOTE)",
]

# ICNIRP 2010 reference levels for the general public, used for the STD values.
def b_limit(f):
    f = max(f, 1.0)
    if f < 8:
        return 4e-2 / f**2
    if f < 25:
        return 5e-3 / f
    if f < 400:
        return 2e-4
    if f < 3000:
        return 8e-2 / f
    return 2.7e-5


E_LIMIT_50HZ = 5000.0  # V/m


# ---------------------------------------------------------------------------
# Cell texts as the analyser writes them

def pad_cell(text, width):
    cell = text + SEP
    return cell + " " * max(0, width - len(cell))


def record_pair(cells):
    """cells: (label, value, width). The label line and the value line, trailing blanks cut."""
    labels = "".join(pad_cell(label, width) for label, _, width in cells)
    values = "".join(pad_cell(value, width) for _, value, width in cells)
    return [labels.rstrip(), values.rstrip()]


def exp5(v):
    return f"{v:.4E}"


def significant(v, digits):
    if v == 0:
        return 0.0
    return round(v, digits - 1 - int(math.floor(math.log10(abs(v)))))


def f1_text(v):
    return f"{significant(v, 5):.2f}"


def percent_text(v):
    return f"{significant(v, 5):.4f}"[:6]


def yymmdd(d):
    return d.strftime("%y-%m-%d")


def hms(t):
    return t.strftime("%H:%M:%S")


def step_text(seconds):
    return hms((dt.datetime(2000, 1, 1) + dt.timedelta(seconds=seconds)).time())


def filter_text(kind, value):
    if kind == "BP" or kind == "BS":
        return f"{kind}{value:.1f}Hz"
    return value


def comment_lines(text):
    if not text:
        return []
    first, *more = text.split("\n")
    return ["COMMENT" + SEP + " " + first] + more


def head_cells(mem, kind, probe, chn, mode, standard, when, with_time=True):
    cells = [("MEM#", str(mem), 5), ("D", kind, 2), ("PROBE", probe, 11), ("CHN", chn, 4),
             ("MODE", mode, 5)]
    if standard:
        cells.append(("STANDARD", standard, 13))
    cells.append(("DATE", yymmdd(when.date()), 9))
    if with_time:
        cells.append(("TIME", hms(when.time()), 9))
    return cells


def unit_of(probe, mode):
    if mode == "STD":
        return "%"
    return "V/m" if probe == "EF_PRB" else "T"


# ---------------------------------------------------------------------------
# Records of the five kinds. Each builder returns the record's lines; the
# memory number is filled in when the records are put in time order.

class Record:
    def __init__(self, when, build):
        self.when = when
        self.build = build  # memory number -> lines


def normal_record(when, probe, chn, mode, value, *, filt=("BB", "5Hz..2KHz"), det="RMS",
                  hold="LIVE", freq=None, valid="OK", comment=""):
    def build(mem):
        cells = head_cells(mem, "N", probe, chn, mode, STANDARD if mode == "STD" else "", when)
        if mode == "FST":
            cells += [("FILTER", filter_text(*filt), 12), ("DET", det, 5)]
        cells += [("MAX", hold, 5), (f"VALUE[{unit_of(probe, mode)}]", exp5(value), 11),
                  ("VALID", valid, 6)]
        if freq is not None:
            cells.append(("FREQU[Hz]", str(freq), 10))
        return record_pair(cells) + comment_lines(comment)
    return Record(when, build)


def auto_record(when, probe, chn, mode, step, samples, *, filt=("BB", "5Hz..2KHz"), det="RMS",
                with_freq=True, comment=""):
    """samples: (value, validity) in time order."""
    def build(mem):
        cells = head_cells(mem, "A", probe, chn, mode, STANDARD if mode == "STD" else "", when)
        cells.append(("STEP", step_text(step), 9))
        if mode == "FST":
            cells += [("FILTER", filter_text(*filt), 12), ("DET", det, 5)]
        lines = record_pair(cells)
        columns = [("N", 5), (f"VALUE[{unit_of(probe, mode)}]", 11), ("VALID", 6)]
        if with_freq:
            columns.append(("FREQ[HZ]", 10))
        lines.append("".join(pad_cell(label, w) for label, w in columns).rstrip())
        for n, (value, valid) in enumerate(samples, start=1):
            row = [str(n), exp5(value), valid] + (["50"] if with_freq else [])
            lines.append("".join(pad_cell(t, w) for t, (_, w) in zip(row, columns)).rstrip())
        return lines + comment_lines(comment)
    return Record(when, build)


def matrix_record(when, probe, chn, mode, points, *, filt=("BB", "5Hz..2KHz"), det="RMS",
                  with_freq=True, comment=""):
    """points: (x, y, z, datetime, value, validity) in walking order; the record takes its
    date from `when` and its time from the first point."""
    def build(mem):
        cells = head_cells(mem, "M", probe, chn, mode, STANDARD if mode == "STD" else "", when,
                           with_time=False)
        if mode == "FST":
            cells += [("FILTER", filter_text(*filt), 12), ("DET", det, 5)]
        lines = record_pair(cells)
        columns = [("N", 5), ("X", 5), ("Y", 5), ("Z", 5), ("TIME", 9), ("MAX", 5),
                   (f"VALUE[{unit_of(probe, mode)}]", 11), ("VALID", 6)]
        if with_freq:
            columns.append(("FREQ[HZ]", 10))
        lines.append("".join(pad_cell(label, w) for label, w in columns).rstrip())
        for n, (x, y, z, at, value, valid) in enumerate(points, start=1):
            row = [str(n), str(x), str(y), str(z), hms(at.time()), "LIVE", exp5(value), valid]
            row += ["50"] if with_freq else []
            lines.append("".join(pad_cell(t, w) for t, (_, w) in zip(row, columns)).rstrip())
        return lines + comment_lines(comment)
    return Record(when, build)


HARMONIC_LABELS = ["F1[Hz]", None, "K2[%]", "K3[%]", "K4[%]", "K5[%]", "K6[%]", "K7[%]",
                   "K8[%]", "K9[%]", "KT[%]", "KN[%]"]


def harmonic_values(f1, v1, k, unit="T"):
    """The twelve (label, text) pairs: F1, V1, K2..K9, KT (harmonic content over the
    fundamental) and KN (the same over the whole signal)."""
    kt = math.sqrt(sum(x * x for x in k))
    kn = kt / math.sqrt(1.0 + (kt / 100.0) ** 2)
    pairs = [("F1[Hz]", f1_text(f1)), (f"V1[{unit}]", exp5(v1))]
    pairs += [(f"K{n}[%]", percent_text(x)) for n, x in zip(range(2, 10), k)]
    pairs += [("KT[%]", percent_text(kt)), ("KN[%]", percent_text(kn))]
    return pairs


def list_head(mem, when, probe, chn, det):
    cells = head_cells(mem, "L", probe, chn, "HAR", "", when)
    cells += [("DET", det, 5), ("MAX", "LIVE", 5), ("VALID", "OK", 6)]
    return record_pair(cells)


def list_record(when, probe, chn, det, f1, v1, k, comment=""):
    def build(mem):
        lines = list_head(mem, when, probe, chn, det)
        lines += [pad_cell(label, 8) + text for label, text in harmonic_values(f1, v1, k)]
        return lines + comment_lines(comment)
    return Record(when, build)


F_RANGES = {1: ("5Hz..2KHz", 5.0), 10: ("40Hz..32KHz", 40.0)}


def vector_head(mem, when, probe, chn, df, det, standard=""):
    cells = head_cells(mem, "V", probe, chn, "FFT", standard, when)
    cells += [("F_RANGE", F_RANGES[df][0], 12), ("DET", det, 5), ("MAX", "LIVE", 5),
              ("VALID", "OK", 6), ("DF[HZ]", str(df), 10)]
    return record_pair(cells)


def vector_record(when, probe, chn, df, det, values, unit="T", standard="", comment=""):
    def build(mem):
        lines = vector_head(mem, when, probe, chn, df, det, standard)
        lines.append((pad_cell("N", 5) + pad_cell(f"VALUE[{unit}]", 11)).rstrip())
        lines += [(pad_cell(str(n), 5) + exp5(v)) for n, v in enumerate(values)]
        return lines + comment_lines(comment)
    return Record(when, build)


# ---------------------------------------------------------------------------
# Field models

def hann(x):
    """Amplitude response of a Hann-windowed FFT bin, x bins away from the line."""
    if abs(x) < 1e-9:
        return 1.0
    if abs(abs(x) - 1.0) < 1e-9:
        return 0.5
    return abs(math.sin(math.pi * x) / (math.pi * x) / (1.0 - x * x))


def harmonic_series(k2_9, up_to):
    """Harmonic amplitudes in % of the fundamental, 1..up_to: K2..K9 as given, higher odd
    orders falling off, even orders near the noise."""
    series = {1: 100.0}
    for n, k in zip(range(2, 10), k2_9):
        series[n] = k
    for n in range(10, up_to + 1):
        series[n] = k2_9[7] * (9.0 / n) ** 1.7 if n % 2 else 0.02 * (12.0 / n)
    return series


def spectrum(rng, df, v1, k2_9, det, noise=2.5e-10):
    f_low = F_RANGES[df][1]
    lines = [(n * MAINS, v1 * k / 100.0)
             for n, k in harmonic_series(k2_9, int(ELEMENTS * df / MAINS)).items()]
    values = []
    for i in range(ELEMENTS):
        f = i * df
        floor = noise * (1.0 + 25.0 / (f + 3.0) ** 0.9)
        if det == "AVG":
            floor *= max(0.3, rng.gauss(1.0, 0.15))
        else:
            floor *= math.sqrt(-2.0 * math.log(1.0 - rng.random())) * (1.3 if det == "PEAK" else 1.0)
        power = floor * floor
        for fc, amp in lines:
            x = i - fc / df
            if abs(x) < 4.0:
                power += (amp * hann(x)) ** 2
        highpass = (f / f_low) ** 4 / (1.0 + (f / f_low) ** 4)
        values.append(max(math.sqrt(power) * highpass, 2e-12))
    return values


def wobble(rng, k2_9, spread=0.06):
    return [k * max(0.5, rng.gauss(1.0, spread)) for k in k2_9]


TRANSFORMER_K = [0.41, 6.87, 0.22, 4.12, 0.11, 2.05, 0.07, 0.93]
RECTIFIER_K = [0.28, 2.14, 0.17, 11.8, 0.09, 7.42, 0.06, 0.61]


def office_field(t, level=3.05e-6):
    """B near the transformer room, t in seconds: load swings of a few per cent."""
    return level * (1.0 + 0.04 * math.sin(2 * math.pi * t / 420.0)
                    + 0.02 * math.sin(2 * math.pi * t / 97.0 + 1.0))


def lift_start_series(rng, start):
    """600 s at 1 s: the lift motor starts twice; the first inrush overdrives the
    10 µT range, and the range needs two seconds before it measures again."""
    samples = []
    for t in range(600):
        b = office_field(t) * (1.0 + rng.gauss(0.0, 0.006))
        for begin in (312, 471):
            if t >= begin:
                b += 1.6e-6 * math.exp(-(t - begin) / 35.0) * (t - begin < 45)
        valid = "OK"
        if t in (312, 313):
            b, valid = 1.0e-5, "!O"
        elif t in (314, 315):
            valid = "!A"
            b = 8.9e-6 if t == 314 else 7.1e-6
        elif t == 471:
            valid = "!A"
        samples.append((b, valid))
    return auto_record(start, "INT_PRB", "ALL", "FST", 1, samples,
                       comment="Workstation 1.12, lift motor started at 10:07:12 and 10:09:51\n"
                               "First start overdrives the 10 \u00b5T range")


def load_curve_series(rng, start):
    """One hour at 10 s while the building load rises towards noon."""
    samples = []
    for i in range(360):
        t = i * 10.0
        ramp = 0.5 - 0.5 * math.cos(math.pi * t / 3600.0)
        b = (1.9e-6 + 0.9e-6 * ramp + 0.15e-6 * math.sin(2 * math.pi * t / 900.0))
        samples.append((b * (1.0 + rng.gauss(0.0, 0.01)), "OK"))
    return auto_record(start, "INT_PRB", "ALL", "FST", 10, samples,
                       comment="Workstation 1.12, one hour with rising load")


def exposure_series(rng, start):
    """Twenty minutes at 10 s in per cent of the reference level."""
    samples = []
    for i in range(120):
        b = office_field(i * 10.0, 2.62e-6) * 1.03 * (1.0 + rng.gauss(0.0, 0.008))
        samples.append((b / b_limit(50.0) * 100.0, "OK"))
    return auto_record(start, "INT_PRB", "ALL", "STD", 10, samples, with_freq=False)


def line_e_series(rng, start):
    """One minute at 1 s beside a 20 kV overhead line; the line swings in the wind."""
    samples = []
    for t in range(60):
        e = 183.0 + 6.0 * math.sin(2 * math.pi * t / 23.0) + rng.gauss(0.0, 1.2)
        samples.append((e, "OK"))
    return auto_record(start, "EF_PRB", "ALL", "FST", 1, samples,
                       comment="20 kV overhead line, 12 m beside the axis, 1 m above ground")


def walk_grid(rng, start, nx, ny, nz, gaps, field):
    """Points in walking order: layer by layer, rows back and forth."""
    points, at = [], start
    for z in range(1, nz + 1):
        for y in range(1, ny + 1):
            xs = range(1, nx + 1) if y % 2 else range(nx, 0, -1)
            for x in xs:
                if (x, y, z) in gaps:
                    continue
                value = field(x, y, z) * (1.0 + rng.gauss(0.0, 0.015))
                points.append((x, y, z, at, value, "OK"))
                at += dt.timedelta(seconds=rng.randint(12, 20))
        at += dt.timedelta(seconds=90)
    return points


def floor_grid(rng, start):
    """5 x 4 x 2 points, 0.5 m apart, 0.5 m and 1.5 m above the floor over the
    transformer room; three positions could not be reached."""
    def field(x, y, z):
        px, py, pz = (x - 1) * 0.5, (y - 1) * 0.5, 0.5 + (z - 1) * 1.0
        r = math.sqrt((px + 0.4) ** 2 + (py - 0.8) ** 2 + (pz + 0.9) ** 2)
        return 2.2e-5 / r**2.2 + 0.15e-6
    points = walk_grid(rng, start, 5, 4, 2, {(3, 4, 2), (4, 4, 2), (5, 1, 1)}, field)
    return matrix_record(start, "INT_PRB", "ALL", "FST", points,
                         comment="Grid 0.5 m, X along the outer wall, transformer below X 1\n"
                                 "Points 5/1/1, 3/4/2 and 4/4/2 blocked by cupboards")


def desk_grid(rng, start):
    """4 x 3 desk positions near a cable riser in the corner, in per cent."""
    def field(x, y, z):
        r = math.sqrt(((x - 1) * 0.8 + 0.5) ** 2 + ((y - 1) * 0.8 + 0.4) ** 2)
        return (4.8e-6 / r**1.6 + 0.4e-6) / b_limit(50.0) * 100.0
    points = walk_grid(rng, start, 4, 3, 1, set(), field)
    return matrix_record(start, "INT_PRB", "ALL", "STD", points, with_freq=False,
                         comment="Open-plan office, desk height, riser in corner X 1 / Y 1")


def at(day, clock):
    h, m, s = (int(p) for p in clock.split(":"))
    return dt.datetime(day.year, day.month, day.day, h, m, s)


def datalog_records(rng):
    day1, day2, day3 = dt.date(2026, 10, 6), dt.date(2026, 10, 7), dt.date(2026, 11, 17)
    b50 = b_limit(50.0)
    spectrum_1hz = spectrum(rng, 1, 2.386e-6, TRANSFORMER_K, "AVG")
    spectrum_10hz = spectrum(rng, 10, 2.412e-6, TRANSFORMER_K, "PEAK")
    normalised = [v / b_limit(i * 1.0) * 100.0
                  for i, v in enumerate(spectrum(rng, 1, 2.401e-6, TRANSFORMER_K, "AVG"))]
    records = [
        normal_record(at(day1, "09:14:32"), "INT_PRB", "ALL", "FST", 2.4130e-6, freq=50,
                      comment="Office 1.12, desk above the transformer room"),
        normal_record(at(day1, "09:21:05"), "INT_PRB", "ALL", "FST", 6.8210e-6, hold="MAX", freq=50,
                      comment="Maximum over five minutes, lift motor started twice\n"
                              "Transformer load about 640 A at that time"),
        normal_record(at(day1, "09:23:40"), "INT_PRB", "ALL", "STD", 2.482e-6 / b50 * 100.0),
        normal_record(at(day1, "09:25:11"), "EXT_PRB_1", "X", "FST", 1.887e-6, filt=("BP", 50.0)),
        normal_record(at(day1, "09:31:47"), "EXT_PRB_2", "Z", "FST", 1.523e-7, filt=("BS", 50.0),
                      comment="Cable duct, mains frequency blocked: harmonics only"),
        lift_start_series(rng, at(day1, "10:02:00")),
        load_curve_series(rng, at(day1, "11:00:00")),
        exposure_series(rng, at(day1, "12:10:00")),
        floor_grid(rng, at(day2, "09:30:05")),
        desk_grid(rng, at(day2, "11:02:30")),
        list_record(at(day2, "14:22:10"), "INT_PRB", "ALL", "ACT", 50.021, 2.386e-6, TRANSFORMER_K,
                    comment="Above the transformer room"),
        list_record(at(day2, "14:30:55"), "EXT_PRB_1", "ALL", "AVG", 50.018, 4.917e-6, RECTIFIER_K,
                    comment="Cable to the rectifier of the lift drive"),
        vector_record(at(day2, "15:02:30"), "INT_PRB", "ALL", 1, "AVG", spectrum_1hz),
        vector_record(at(day2, "15:10:02"), "INT_PRB", "ALL", 10, "PEAK", spectrum_10hz),
        vector_record(at(day2, "15:16:44"), "INT_PRB", "ALL", 1, "AVG", normalised, unit="%",
                      standard=STANDARD, comment="Spectrum in per cent of the reference level"),
        normal_record(at(day3, "10:41:20"), "EF_PRB", "ALL", "FST", 185.3, freq=50,
                      comment="20 kV overhead line, 12 m beside the axis, 1 m above ground"),
        normal_record(at(day3, "10:43:02"), "EF_PRB", "ALL", "STD", 185.3 / E_LIMIT_50HZ * 100.0),
        line_e_series(rng, at(day3, "10:50:00")),
        normal_record(at(day3, "11:05:33"), "INT_PRB", "ALL", "FST", 1.105e-6, freq=50,
                      comment="Same place, magnetic field of the line"),
    ]
    records.sort(key=lambda r: r.when)
    return records


def header_lines():
    fields = [("Device", DEVICE), ("SN", SERIAL), ("CAL-DATE", CAL_DATE.isoformat()),
              ("HW-Version", "3"), ("SW-Version", "2.14"), ("SW-Date", SW_DATE.isoformat()),
              ("SW-Time", SW_TIME.strftime("%H:%M:%S"))]
    return [pad_cell(keyword + ":", 12) + value for keyword, value in fields]


# ---------------------------------------------------------------------------
# Live-value templates

def remote_lines(rng):
    when = dt.datetime(2026, 11, 30, 8, 0, 0)
    lines = []
    mem = 1

    def value_template(mode, unit, rows, with_freq):
        nonlocal mem
        cells = head_cells(mem, "A", "INT_PRB", "ALL", mode, STANDARD if mode == "STD" else "", when)
        cells.append(("STEP", "00:00:01", 9))
        if mode == "FST":
            cells += [("FILTER", "5Hz..2KHz", 12), ("DET", "RMS", 5)]
        block = record_pair(cells)
        block.append(" ".join([f"VALUE[{unit}]", "VALID"] + (["FREQ[HZ]"] if with_freq else [])))
        block += rows
        mem += 1
        return block

    # Two minutes of load swing; the block repeats without a jump.
    fst, std = [], []
    for t in range(120):
        b = 2.41e-6 * (1.0 + 0.05 * math.sin(2 * math.pi * t / 120.0)
                       + 0.02 * math.sin(2 * math.pi * 3 * t / 120.0))
        b *= 1.0 + rng.gauss(0.0, 0.005)
        fst.append(f"{exp5(b)} OK 50")
        std.append(f"{exp5(b * 1.03 / b_limit(50.0) * 100.0)} OK")
    lines += value_template("FST", "T", fst, True)
    lines += value_template("STD", "%", std, False)

    for i in range(3):
        lines += list_head(mem, when, "INT_PRB", "ALL", "ACT")
        k = wobble(rng, TRANSFORMER_K)
        f1 = MAINS + rng.gauss(0.0, 0.01)
        v1 = 2.41e-6 * (1.0 + rng.gauss(0.0, 0.02))
        lines += [f"{label} {text}" for label, text in harmonic_values(f1, v1, k)]
        mem += 1

    for i in range(2):
        values = spectrum(rng, 1, 2.41e-6 * (1.0 + 0.03 * i), wobble(rng, TRANSFORMER_K), "ACT")
        lines += vector_head(mem, when, "INT_PRB", "ALL", 1, "ACT")
        lines.append("N VALUE[T]")
        lines += [f"{n} {exp5(v)}" for n, v in enumerate(values)]
        mem += 1
    return lines


def render():
    rng = random.Random(SEED)
    lines = list(TITLE) + [DATALOG_MARKER] + header_lines()
    for mem, record in enumerate(datalog_records(rng), start=1):
        lines += record.build(mem)
    lines += [REMOTE_MARKER] + remote_lines(rng)
    return "".join(line + "\r\n" for line in lines).encode("latin-1")


# ---------------------------------------------------------------------------
# Checker: reads the file back by the program's reading rules (load wizard,
# data list, the five record kinds, live templates and their play-back) and
# adds the plausibility checks of a demo file.

class Bad(Exception):
    pass


def need(condition, message):
    if not condition:
        raise Bad(message)


NUMBER = re.compile(r"[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\Z")
INTEGER = re.compile(r"[+-]?\d+\Z")
VOCAB = {
    "D": {"N", "A", "M", "L", "V"},
    "PROBE": {"EXT_PRB_1", "EXT_PRB_2", "EF_PRB", "INT_PRB"},
    "CHN": {"ALL", "X", "Y", "Z"},
    "MODE": {"FST", "STD", "FFT", "HAR"},
    "VALID": {"OK", "!A", "!O"},
    "DETFFT": {"ACT", "AVG", "PEAK"},
    "DETFIL": {"RMS", "PEAK"},
    "MAX": {"LIVE", "MAX"},
    "FILTER": {"5Hz..2KHz", "30Hz..2KHz", "5Hz..32KHz", "30Hz..32KHz"},
    "FRANGE": {"5Hz..2KHz", "40Hz..32KHz"},
}
UNITS = {"[T]": "T", "T": "T", "[G]": "G", "G": "G", "[A/m]": "A/m", "A/m": "A/m",
         "[V/m]": "V/m", "V/m": "V/m", "[%]": "%", "%": "%"}


def number(text, what):
    need(NUMBER.match(text) is not None, f"{what}: '{text}' is not a number")
    return float(text)


def integer(text, what):
    need(INTEGER.match(text) is not None, f"{what}: '{text}' is not an integer")
    return int(text)


def vocab(kind, text):
    need(text in VOCAB[kind], f"'{text}' is no {kind} text")
    return text


def unit(text):
    need(text in UNITS, f"'{text}' is no unit")
    return UNITS[text]


def split_token(rest, sep):
    i = rest.find(sep)
    if i < 0:
        return rest.strip(" \t"), rest.lstrip(" ")
    return rest[:i].strip(" \t"), rest[i + 1:].lstrip(" ")


def cells(line, sep):
    """All cells of a line, as the readers split them."""
    out, rest = [], line + sep
    while rest:
        token, rest = split_token(rest, sep)
        if token == "":
            break
        out.append(token)
    return out


def pairs(label_line, value_line, sep, what):
    """Name/value pairs of a label and a value line; both must hold the same number of cells."""
    names, values = cells(label_line, sep), cells(value_line, sep)
    need(len(names) == len(values),
         f"{what}: {len(names)} labels but {len(values)} values in '{value_line}'")
    return list(zip(names, values))


class Conventions:
    """The process-wide date and time conventions while a transfer is read."""

    def __init__(self, short_date, date_sep, time_sep):
        self.short_date, self.date_sep, self.time_sep = short_date, date_sep, time_sep

    def order(self):
        for c in self.short_date.upper():
            if c in "DMY":
                return c
        return "D"


def expand_year(two_digit, window=50):
    base = dt.date.today().year - window
    year = base // 100 * 100 + two_digit
    return year + 100 if year < base else year


def scan_date(text, conv):
    """Day, month and year in the order of the short date picture, the date separator
    between them; blanks around the fields; two-digit years by the century window."""
    m = re.match(r"\s*(\d{1,4})\s*" + re.escape(conv.date_sep) + r"\s*(\d{1,4})\s*"
                 + re.escape(conv.date_sep) + r"\s*(\d{1,4})", text)
    if not m:
        return None, text
    a, b, c = (int(g) for g in m.groups())
    lengths = [len(g) for g in m.groups()]
    order = conv.order()
    if order == "D":
        day, month, year, digits = a, b, c, lengths[2]
    elif order == "M":
        month, day, year, digits = a, b, c, lengths[2]
    else:
        year, month, day, digits = a, b, c, lengths[0]
    if digits <= 2:
        year = expand_year(year)
    try:
        return dt.date(year, month, day), text[m.end():]
    except ValueError:
        return None, text


def scan_time(text, conv):
    sep = re.escape(conv.time_sep)
    m = re.match(r"\s*(\d{1,2})\s*" + sep + r"\s*(\d{1,2})(?:\s*" + sep + r"\s*(\d{1,2}))?\s*\Z",
                 text)
    if not m:
        return None
    h, mi, s = int(m.group(1)), int(m.group(2)), int(m.group(3) or 0)
    if h > 23 or mi > 59 or s > 59:
        return None
    return dt.time(h, mi, s)


def to_date(text, conv, what):
    day, rest = scan_date(text, conv)
    need(day is not None and rest.strip() == "", f"{what}: '{text}' is no date")
    return day


def to_time(text, conv, what):
    clock = scan_time(text, conv)
    need(clock is not None, f"{what}: '{text}' is no time")
    return clock


def to_datetime(text, conv, what):
    day, rest = scan_date(text, conv)
    need(day is not None, f"{what}: '{text}' is no date and time")
    return dt.datetime.combine(day, to_time(rest, conv, what))


HEADER_KEYWORDS = ["Device", "SN", "CAL-DATE", "HW-Version", "SW-Version", "SW-Date", "SW-Time"]


def read_header(lines, conv):
    """The seven header lines: separator, header fields, decimal point."""
    need(len(lines) >= 7 and len(lines[0]) >= 8, "header: too short")
    sep = lines[0][7]
    header = {}
    for line in lines[:7]:
        keyword, rest = split_token(line, sep)
        value, _ = split_token(rest, sep)
        keyword = keyword[:-1]
        need(keyword in HEADER_KEYWORDS and keyword not in header, f"header: keyword '{keyword}'")
        header[keyword] = value
    day, rest = scan_date(header["CAL-DATE"], conv)
    if day is None or rest.strip():
        value = header["CAL-DATE"]
        if "-" in value:
            conv.short_date, conv.date_sep = "yy-mm-dd", "-"
        elif "/" in value:
            conv.short_date, conv.date_sep = "dd/mm/yy", "/"
        else:
            conv.short_date, conv.date_sep = "dd.mm.yy", "."
    header["CAL-DATE"] = to_date(header["CAL-DATE"], conv, "CAL-DATE")
    sw_date = to_date(header["SW-Date"], conv, "SW-Date")
    if conv.time_sep not in header["SW-Time"]:
        for c in header["SW-Time"]:
            if not c.isdigit():
                conv.time_sep = c
    header["SW"] = dt.datetime.combine(sw_date, to_time(header["SW-Time"], conv, "SW-Time"))
    need("." in header["SW-Version"], "header: SW-Version holds no decimal point")
    return sep, header


COMMON = {"MEM#", "D", "PROBE", "CHN", "MODE", "DATE", "TIME", "STANDARD"}


class Dataset:
    def __init__(self, mem, kind, probe, chn, mode, when):
        self.mem, self.kind, self.probe, self.chn, self.mode = mem, kind, probe, chn, mode
        self.when = when
        self.fields, self.rows, self.comment, self.unit = {}, [], "", None


def read_comment(ds, lines, index):
    opened = False
    while index < len(lines):
        line = lines[index]
        if line.startswith("MEM#"):
            break
        if line.startswith("COMMENT"):
            _, ds.comment = split_token(line, SEP)
            opened = True
        else:
            need(opened, f"MEM# {ds.mem}: stray line '{line}' after the record")
            ds.comment += "\n" + line
        index += 1
    return index


PASSED = {"MEM#", "D", "PROBE", "CHN", "MODE", "DATE", "TIME"}
# Own columns of each kind's label line; VALUE and FREQU match by their beginning.
HEAD_COLUMNS = {
    "N": {"STANDARD", "FILTER", "DET", "MAX", "VALID", "VALUE", "FREQ"},
    "A": {"STANDARD", "MAX", "STEP", "FILTER", "DET"},
    "M": {"STANDARD", "FILTER", "DET"},
    "L": {"DET", "MAX", "VALID"},
    "V": {"STANDARD", "F_RANGE", "DET", "MAX", "VALID", "DF[HZ]"},
}
# Columns of the rows under a column line: name -> how the value reads.
ROW_COLUMNS = {
    "A": {"N": "int", "VALUE": "num", "VALID": "VALID", "FREQ": "int"},
    "M": {"N": "int", "X": "int", "Y": "int", "Z": "int", "TIME": "time", "MAX": "MAX",
          "VALUE": "num", "VALID": "VALID", "FREQ": "int"},
    "V": {"N": "int", "VALUE": "num"},
}


def column_key(name, prefixes=("VALUE", "FREQU", "FREQ[HZ]")):
    for prefix in prefixes:
        if name.startswith(prefix):
            return "FREQ" if prefix.startswith("FREQ") else prefix
    return name


def head_fields(ds, label, value, sep):
    for name, text in pairs(label, value, sep, f"MEM# {ds.mem}"):
        if name in PASSED and not (ds.kind == "M" and name == "TIME"):
            continue
        key = column_key(name, ("VALUE", "FREQU")) if ds.kind == "N" else name
        need(key in HEAD_COLUMNS[ds.kind], f"MEM# {ds.mem}: column '{name}' in a kind {ds.kind} record")
        if key == "VALUE":
            ds.unit = unit(name[5:])
            text = number(text, f"MEM# {ds.mem} {name}")
        elif key == "FREQ":
            text = integer(text, f"MEM# {ds.mem} {name}")
        ds.fields[key] = text
    f = ds.fields
    for name, kind in (("MAX", "MAX"), ("VALID", "VALID"), ("F_RANGE", "FRANGE")):
        if name in f:
            vocab(kind, f[name])
    if "DET" in f:
        vocab("DETFFT" if ds.kind in "LV" else "DETFIL", f["DET"])
    if "FILTER" in f:
        text = f["FILTER"]
        if text[:2] in ("BP", "BS"):
            need(text.endswith("Hz"), f"MEM# {ds.mem}: FILTER '{text}'")
            number(text[2:-2], f"MEM# {ds.mem} FILTER")
        else:
            vocab("FILTER", text)
    if "DF[HZ]" in f:
        f["DF[HZ]"] = integer(f["DF[HZ]"], f"MEM# {ds.mem} DF[HZ]")


def element_rows(ds, lines, index, sep, conv):
    """Rows under a column line up to COMMENT, MEM# or the end."""
    columns = lines[index]
    index += 1
    while True:
        need(index < len(lines), f"MEM# {ds.mem}: no rows")
        row = {}
        for name, text in pairs(columns, lines[index], sep, f"MEM# {ds.mem} row {len(ds.rows) + 1}"):
            key = column_key(name)
            how = ROW_COLUMNS[ds.kind].get(key)
            need(how is not None, f"MEM# {ds.mem}: column '{name}' in a row")
            what = f"MEM# {ds.mem} {name}"
            if key == "VALUE":
                ds.unit = unit(name[5:])
            row[key] = (integer(text, what) if how == "int" else number(text, what) if how == "num"
                        else to_time(text, conv, what) if how == "time" else vocab(how, text))
        ds.rows.append(row)
        index += 1
        if index >= len(lines) or lines[index].startswith(("COMMENT", "MEM#")):
            return index


def parse_kind(ds, lines, index, sep, conv):
    """The kind's own lines from the label line on; returns the index after its comment."""
    head_fields(ds, lines[index], lines[index + 1], sep)
    f = ds.fields
    if ds.kind in "AMV":
        need(len(lines) - index >= 4, f"MEM# {ds.mem}: fewer than four lines")
        if ds.kind == "A":
            to_time(f["STEP"], conv, f"MEM# {ds.mem} STEP")
        index = element_rows(ds, lines, index + 2, sep, conv)
        if ds.kind == "M":
            ds.when = dt.datetime.combine(to_date(f["DATE"], conv, "DATE"), ds.rows[0]["TIME"])
    elif ds.kind == "L":
        need(len(lines) - index >= 14, f"MEM# {ds.mem}: fewer than 14 lines")
        for line in lines[index + 2:index + 14]:
            name, text = split_token(line, sep)
            key = "V1" if name.startswith("V1") else name
            need(key in HARMONIC_LABELS or key == "V1", f"MEM# {ds.mem}: line '{line}'")
            need(key not in ds.rows, f"MEM# {ds.mem}: '{key}' twice")
            if key == "V1":
                ds.unit = unit(name[2:])
            f[key] = number(text, f"MEM# {ds.mem} {name}")
            ds.rows.append(key)
        index += 14
    else:
        index += 2
    return read_comment(ds, lines, index)


def parse_transfer(lines, conv, live_sep=None):
    """A whole transfer text (or, with live_sep, a live block) into datasets."""
    lines = [line.strip(" ") for line in lines]
    header = None
    if live_sep is None:
        sep, header = read_header(lines, conv)
        lines = lines[7:]
    else:
        sep = live_sep
    datasets, index, date_text, when = [], 0, "", None
    while len(lines) >= index + 2:
        need(lines[index].startswith("MEM#"), f"line '{lines[index]}' where a record should begin")
        names = cells(lines[index], sep)
        values = cells(lines[index + 1], sep)
        common = {}
        for position in range(1, 9):
            name = names[position - 1] if position <= len(names) else ""
            if name not in COMMON:
                need(position >= 7, f"record at '{lines[index]}': '{name}' among the first six names")
                break
            common[name] = values[position - 1] if position <= len(values) else ""
        mem = integer(common.get("MEM#", ""), "MEM#")
        kind = vocab("D", common.get("D", ""))
        date_text = common.get("DATE", date_text)
        if "TIME" in common:
            when = to_datetime(date_text + " " + common["TIME"], conv, f"MEM# {mem} DATE/TIME")
        ds = Dataset(mem, kind, vocab("PROBE", common["PROBE"]), vocab("CHN", common["CHN"]),
                     vocab("MODE", common["MODE"]), when)
        ds.fields["DATE"] = date_text
        index = parse_kind(ds, lines, index, sep, conv)
        datasets.append(ds)
    need(index == len(lines), f"{len(lines) - index} line(s) left over after the last record")
    return header, datasets


def read_file(path):
    data = path.read_bytes()
    need(len(data) < 1_000_000, f"{len(data)} bytes; the demo file should stay under 1 MB")
    need(data.endswith(b"\r\n"), "the last line has no CR LF")
    need(data.count(b"\n") == data.count(b"\r\n") == data.count(b"\r"),
         "every line must end with CR LF")
    text = data.decode("latin-1")
    need(all(c == "\t" or " " <= c for c in text.replace("\r\n", "")), "control characters")
    return text[:-2].split("\r\n"), len(data)


def wizard_section(lines):
    """The DATALOG section as the load wizard takes it."""
    need("Demo" in lines[2], "the third line does not hold 'Demo'")
    starts = [i for i, l in enumerate(lines) if l.upper() == DATALOG_MARKER]
    ends = [i for i, l in enumerate(lines) if l.upper() == REMOTE_MARKER]
    need(len(starts) == 1 and len(ends) == 1 and starts[0] < ends[0], "marker lines")
    return lines[starts[0] + 1:ends[0]], lines[ends[0] + 1:]


# User conventions a reader may meet: (name, short date picture, date separator, time separator)
LOCALES = [
    ("day.month.year", "dd.mm.yyyy", ".", ":"),
    ("month/day/year", "m/d/yyyy", "/", ":"),
    ("day/month/year", "dd/mm/yyyy", "/", ":"),
    ("year-month-day", "yyyy-mm-dd", "-", ":"),
    ("day-month-year", "dd-mm-yyyy", "-", ":"),
    ("month-day-year", "mm-dd-yyyy", "-", ":"),
    ("year.month.day", "yyyy.mm.dd", ".", ":"),
    ("time with dots", "d.m.yyyy", ".", "."),
]


def check_datalog(section):
    # A blank line after a series, grid or spectrum would be read as one more row.
    need(all(line.strip() for line in section), "blank line in the memory transfer")
    # The analyser's own picture, for reference: yy-mm-dd, hh:mm:ss.
    header, datasets = parse_transfer(section, Conventions("yy-mm-dd", "-", ":"))
    for name, picture, date_sep, time_sep in LOCALES:
        other_header, other = parse_transfer(section, Conventions(picture, date_sep, time_sep))
        need(other_header["CAL-DATE"] == header["CAL-DATE"] and other_header["SW"] == header["SW"],
             f"with {name} conventions the header dates read differently")
        for a, b in zip(datasets, other):
            need(a.when == b.when, f"with {name} conventions MEM# {a.mem} reads as {b.when}")
    today = dt.datetime.combine(dt.date.today(), dt.time())
    need(header["CAL-DATE"] < dt.date.today() and header["SW"] < today, "header dates in the future")
    need([d.mem for d in datasets] == list(range(1, len(datasets) + 1)),
         "memory numbers must run 1, 2, 3, ...")
    calibrated = dt.datetime.combine(header["CAL-DATE"], dt.time())
    for ds in datasets:
        need(calibrated <= ds.when < today,
             f"MEM# {ds.mem} ({ds.when}) lies outside calibration date .. today")
        check_plausible(ds)
    previous = [d.when for d in datasets]
    need(previous == sorted(previous), "records are not in time order")
    check_coverage(datasets)
    return header, datasets


REQUIRED = {
    ("N", "FST"): {"FILTER", "DET", "MAX", "VALUE", "VALID"},
    ("N", "STD"): {"STANDARD", "MAX", "VALUE", "VALID"},
    ("A", "FST"): {"STEP", "FILTER", "DET"},
    ("A", "STD"): {"STEP", "STANDARD"},
    ("M", "FST"): {"FILTER", "DET"},
    ("M", "STD"): {"STANDARD"},
    ("L", "HAR"): {"DET", "MAX", "VALID"} | {l for l in HARMONIC_LABELS if l} | {"V1"},
    ("V", "FFT"): {"F_RANGE", "DET", "MAX", "VALID", "DF[HZ]"},
}


def value_range(ds):
    if ds.unit == "%":
        return 0.01, 100.0
    if ds.unit == "V/m":
        return 5.0, 500.0
    return 1e-7, 5e-5


def check_plausible(ds):
    key = (ds.kind, ds.mode)
    need(key in REQUIRED, f"MEM# {ds.mem}: kind {ds.kind} in mode {ds.mode}")
    missing = REQUIRED[key] - set(ds.fields)
    need(not missing, f"MEM# {ds.mem}: missing {sorted(missing)}")
    expected_unit = "%" if ds.mode == "STD" else ("V/m" if ds.probe == "EF_PRB" else "T")
    need(ds.unit == expected_unit or (ds.kind == "V" and ds.unit == "%" and "STANDARD" in ds.fields),
         f"MEM# {ds.mem}: unit {ds.unit} with probe {ds.probe} in mode {ds.mode}")
    low, high = value_range(ds)
    if ds.kind == "N":
        need(low <= ds.fields["VALUE"] <= high, f"MEM# {ds.mem}: value {ds.fields['VALUE']}")
    elif ds.kind == "A":
        need([r["N"] for r in ds.rows] == list(range(1, len(ds.rows) + 1)), f"MEM# {ds.mem}: N")
        need(all(low <= r["VALUE"] <= high for r in ds.rows), f"MEM# {ds.mem}: sample values")
    elif ds.kind == "M":
        need([r["N"] for r in ds.rows] == list(range(1, len(ds.rows) + 1)), f"MEM# {ds.mem}: N")
        positions = [(r["X"], r["Y"], r["Z"]) for r in ds.rows]
        need(len(set(positions)) == len(positions), f"MEM# {ds.mem}: a grid point twice")
        need(all(low <= r["VALUE"] <= high for r in ds.rows), f"MEM# {ds.mem}: point values")
    elif ds.kind == "L":
        f = ds.fields
        need(49.5 <= f["F1[Hz]"] <= 50.5 and 1e-7 <= f["V1"] <= 5e-5, f"MEM# {ds.mem}: fundamental")
        k = [f[f"K{n}[%]"] for n in range(2, 10)]
        need(all(0 <= x < 30 for x in k), f"MEM# {ds.mem}: K values")
        need(sum(k[1::2]) > 3 * sum(k[0::2]), f"MEM# {ds.mem}: odd harmonics should dominate")
        kt = math.sqrt(sum(x * x for x in k))
        need(abs(f["KT[%]"] - kt) < 0.01 and f["KN[%]"] <= f["KT[%]"], f"MEM# {ds.mem}: KT, KN")
    elif ds.kind == "V":
        check_spectrum(ds, ds.fields["DF[HZ]"], ds.fields["F_RANGE"])


def check_spectrum(ds, df, f_range):
    need((df, f_range) in ((1, "5Hz..2KHz"), (10, "40Hz..32KHz")), f"MEM# {ds.mem}: DF {df} with {f_range}")
    need([r["N"] for r in ds.rows] == list(range(ELEMENTS)), f"MEM# {ds.mem}: N must run 0..{ELEMENTS - 1}")
    values = [r["VALUE"] for r in ds.rows]
    need(all(v > 0 for v in values), f"MEM# {ds.mem}: values must be positive")
    peak = max(range(len(values)), key=values.__getitem__)
    need(peak * df == 50, f"MEM# {ds.mem}: the largest line lies at {peak * df} Hz")
    floor = sorted(values)[len(values) // 2]
    for order in (3, 5, 7):
        need(values[round(order * 50 / df)] > 20 * floor, f"MEM# {ds.mem}: harmonic {order} missing")


def check_coverage(datasets):
    kinds = {}
    for ds in datasets:
        kinds.setdefault(ds.kind, []).append(ds)
    need(set(kinds) == set("NAMLV"), "every kind must be present")
    normal_modes = {(d.probe == "EF_PRB", d.mode) for d in kinds["N"]}
    need({(False, "FST"), (False, "STD"), (True, "FST")} <= normal_modes, "normal values")
    need(any(any(r["VALID"] == "!A" for r in d.rows) and any(r["VALID"] == "!O" for r in d.rows)
             for d in kinds["A"]), "a series with !A and !O samples")
    need(any(len(d.rows) >= 300 for d in kinds["A"]), "a long series")
    need(any(d.fields["STEP"] == "00:00:10" for d in kinds["A"]), "a series at 10 s")
    grids = [d for d in kinds["M"] if check_grid(d)]
    need(grids, "a grid of at least 5 x 4 x 2 points with gaps")
    dfs = {d.fields["DF[HZ]"] for d in kinds["V"]}
    need({1, 10} <= dfs, "spectra at DF 1 and DF 10")
    need(any("\n" in d.comment for d in datasets), "a comment over two lines")


def check_grid(ds):
    xs, ys, zs = ({r[a] for r in ds.rows} for a in "XYZ")
    full = len(xs) * len(ys) * len(zs)
    return len(xs) >= 5 and len(ys) >= 4 and len(zs) >= 2 and 0 < full - len(ds.rows) <= full // 4


# --- live templates and their play-back -------------------------------------

def template_blocks(lines):
    """Value, harmonics and spectrum blocks, walked as the simulated analyser walks them."""
    blocks = {"A": [], "L": [], "V": []}
    heads = {"A": [], "L": [], "V": []}
    current, kind = None, None
    i = 0
    while i < len(lines):
        line = lines[i]
        if "MEM#" in line:
            if current:
                blocks[kind].append(current)
            need(i + 1 < len(lines), "template: a MEM# line at the end")
            kind = next((k for k in "ALV" if lines[i + 1].find(k) == 5), None)
            need(kind is not None, f"template: no kind letter at the 6th place of '{lines[i + 1]}'")
            heads[kind].append(lines[i:i + 2])
            skip = 2 if kind == "L" else 3
            current = []
            i += skip
            continue
        need(current is not None, f"template: line '{line}' before the first record")
        current.append(line)
        i += 1
    if current:
        blocks[kind].append(current)
    return blocks, heads


def live_header(mode, sample_unit, frange=0):
    """The record header of a live block as the measurement read composes it."""
    today = dt.date.today()
    fields = [("MEM#", "7"), ("D", {"FFT": "V", "HAR": "L"}.get(mode, "A")), ("PROBE", "INT_PRB"),
              ("CHN", "ALL"), ("MODE", mode)]
    if mode == "STD":
        fields.append(("STANDARD", "STD1"))
    fields += [("DATE", yymmdd(today)), ("TIME", "12:00:00")]
    if mode in ("FST", "STD"):
        fields.append(("STEP", "00:00:01"))
    if mode == "FST":
        fields.append(("FILTER", "5Hz..2KHz"))
    if mode == "FFT":
        fields.append(("F_RANGE", ["5Hz..2KHz", "40Hz..32KHz"][frange]))
    if mode != "STD":
        fields.append(("DET", "RMS" if mode == "FST" else "ACT"))
    fields.append(("MAX", "LIVE"))
    if mode in ("FFT", "HAR"):
        fields.append(("VALID", "OK"))
    if mode == "FFT":
        fields.append(("DF[HZ]", "10" if frange else "1"))
    lines = [" ".join(k for k, _ in fields), " ".join(v for _, v in fields)]
    if mode != "HAR":
        third = ["N", f"VALUE[{sample_unit}]"] + (["VALID"] if mode != "FFT" else [])
        lines.append(" ".join(third + (["FREQ[HZ]"] if mode == "FST" else [])))
    return lines


def amperes_per_metre_ok(line):
    """The A/m presentation takes the text between the first and the second blank as the value."""
    rest = line[line.find(" ") + 1:] if " " in line else ""
    value = rest.split(" ", 1)[0]
    return NUMBER.match(value) is not None


def append_samples(line):
    """A further live value line, read by position: N, value, validity, frequency."""
    fields, rest = [], line
    for _ in range(4):
        token, rest = split_token(rest, SEP)
        if token == "":
            break
        fields.append(token)
    need(len(fields) >= 3, f"live line '{line}' holds no validity")
    integer(fields[0], "live N")
    number(fields[1], "live value")
    vocab("VALID", fields[2])


def check_remote(section, datalog_sep):
    need(datalog_sep == SEP, "the DATALOG transfer must use the live blocks' separator")
    need(all(line.strip() and line == line.strip() for line in section),
         "template lines must not be empty or carry outer blanks")
    blocks, heads = template_blocks(section)
    need(len(blocks["A"]) >= 2 and blocks["L"] and blocks["V"], "value, harmonics and spectrum templates")
    need([cells(h[1], SEP)[4] for h in heads["A"][:2]] == ["FST", "STD"], "value blocks: FST, then STD")
    # Every template record is also an ordinary record of a transfer.
    parse_transfer(section, Conventions("yy-mm-dd", "-", ":"), live_sep=SEP)
    conv = Conventions("yy-mm-dd", "-", ":")
    for mode, block, sample_unit in (("FST", blocks["A"][0], "T"), ("STD", blocks["A"][1], "%")):
        need(block, f"{mode} template block is empty")
        played = [f"{n} {line}" for n, line in enumerate(block, start=1)]
        _, (ds,) = parse_transfer(live_header(mode, sample_unit) + played[:1], conv, live_sep=SEP)
        low, high = value_range(ds)
        for line in played:
            append_samples(line)
            need(amperes_per_metre_ok(line), f"{mode} template line '{line}' in A/m")
            need(low <= float(line.split()[1]) <= high, f"{mode} template value in '{line}'")
    for block in blocks["L"]:
        need(len(block) == 12, "a harmonics template holds twelve lines")
        need(amperes_per_metre_ok(block[1]) and block[1].startswith("V1"), "V1 must be the second line")
        _, (ds,) = parse_transfer(live_header("HAR", "T") + block, conv, live_sep=SEP)
        check_plausible(ds)
    for block in blocks["V"]:
        need(all(amperes_per_metre_ok(line) for line in block), "spectrum lines in A/m")
        for frange in (0, 1):
            parse_transfer(live_header("FFT", "T", frange) + block, conv, live_sep=SEP)
        _, (ds,) = parse_transfer(live_header("FFT", "T") + block, conv, live_sep=SEP)
        check_spectrum(ds, 1, "5Hz..2KHz")
    return blocks


def check(path):
    lines, size = read_file(path)
    datalog, remote = wizard_section(lines)
    header, datasets = check_datalog(datalog)
    blocks = check_remote(remote, SEP)
    counts = {k: sum(d.kind == k for d in datasets) for k in "NAMLV"}
    print(f"{path}: {size} bytes, {len(lines)} lines")
    print(f"  DATALOG: {header['Device']} SN {header['SN']}, {len(datasets)} records "
          + ", ".join(f"{k} {n}" for k, n in counts.items())
          + f"; dates read alike under {len(LOCALES)} user conventions")
    print(f"  REMOTE: value blocks {[len(b) for b in blocks['A']]}, "
          f"harmonics blocks {len(blocks['L'])}, spectrum blocks {len(blocks['V'])}")


def main():
    default = pathlib.Path(__file__).resolve().parent.parent / "data" / "DemoDat.dat"
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--output", type=pathlib.Path, default=default)
    parser.add_argument("--check", nargs="?", const=default, type=pathlib.Path, metavar="PATH")
    args = parser.parse_args()
    target = args.check or args.output
    if not args.check:
        target.write_bytes(render())
    try:
        check(target)
    except Bad as error:
        print(f"{target}: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
