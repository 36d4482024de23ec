#!/usr/bin/env bash
# Runs every benchmark of a build; extra arguments go to Google Benchmark.
set -euo pipefail
build=${1:-build}; shift || true
shopt -s nullglob
for b in "$build"/bench/bench_*; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" "$@"
done
