#!/usr/bin/env python3
"""Speed of reading and exporting a large transfer text, as ratios against
baselines measured in the same run:

  info    ombrix-cli info on ~1,000,000 sample and element lines
          against `wc -l` on the same file, and against Python's csv module
          reading the file with float conversion; peak memory of info against
          the file size
  export  ombrix-cli export of that data against `cp` of the files it writes

Usage: tools/bench-transfer.py [BUILD_DIR] [--lines N] [--runs N]
"""
import argparse
import glob
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))

CSV_READER = r"""
import csv, sys
count = 0
with open(sys.argv[1], newline='', encoding='latin-1') as f:
    for row in csv.reader(f, delimiter=';'):
        for cell in row:
            try:
                float(cell)
                count += 1
            except ValueError:
                pass
print(count)
"""


def run(cmd):
    """Wall time in seconds and peak resident memory in bytes of one command."""
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"failed: {' '.join(cmd)}")
    return elapsed, usage.ru_maxrss * 1024


def median(cmd, runs):
    times, peak = [], 0
    for _ in range(runs):
        t, rss = run(cmd)
        times.append(t)
        peak = max(peak, rss)
    return statistics.median(times), peak


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("--lines", type=int, default=1_000_000)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    cli = os.path.join(args.build, "ombrix-cli")
    work = tempfile.mkdtemp(prefix="ombrix-bench-")
    try:
        data = os.path.join(work, "big.csv")
        subprocess.run([sys.executable, os.path.join(HERE, "make-big-transfer.py"), data, "--lines", str(args.lines)],
                       check=True)
        size = os.path.getsize(data)
        env_cmd = ["env", "LC_ALL=C"]
        info, info_rss = median(env_cmd + [cli, "info", data], args.runs)
        wc, _ = median(["wc", "-l", data], args.runs)
        script = os.path.join(work, "read_csv.py")
        with open(script, "w") as f:
            f.write(CSV_READER)
        py, _ = median([sys.executable, script, data], max(1, args.runs // 2))

        out = os.path.join(work, "out", "export.csv")
        os.makedirs(os.path.dirname(out))
        export, _ = median(env_cmd + [cli, "export", data, "-o", out, "--list-sep", ";", "--decimal", "."], args.runs)
        parts = sorted(glob.glob(os.path.join(work, "out", "*.csv")))
        copies = os.path.join(work, "copies")
        os.makedirs(copies)
        cp, _ = median(["cp"] + parts + [copies], args.runs)

        print(f"file: {size / 1e6:.1f} MB, {args.lines} sample and element lines; median of {args.runs} runs")
        print(f"info            {info * 1000:8.1f} ms")
        print(f"wc -l           {wc * 1000:8.1f} ms   info / wc -l       = {info / wc:6.1f}  (target <= 20)")
        print(f"python csv      {py * 1000:8.1f} ms   python csv / info  = {py / info:6.1f}  (target >= 10)")
        print(f"info peak RSS   {info_rss / 1e6:8.1f} MB   peak / file size   = {info_rss / size:6.2f}  (target <= 4)")
        print(f"export          {export * 1000:8.1f} ms   ({len(parts)} files)")
        print(f"cp of its files {cp * 1000:8.1f} ms   export / cp        = {export / cp:6.1f}  (target <= 10)")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
