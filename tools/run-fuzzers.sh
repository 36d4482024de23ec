#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a bounded time on its seed corpus.
# Crashes, leaks and sanitizer reports fail the run.
set -euo pipefail
build=${1:-build-asan}
seconds=${2:-10}
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
targets=("$build"/fuzz/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then echo "run-fuzzers: no fuzz targets in $build/fuzz" >&2; exit 1; fi
passed=0; failed=0
for target in "${targets[@]}"; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    seeds="$root/fuzz/corpus/${name#fuzz_}"
    work=$(mktemp -d)
    [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/ 2>/dev/null || true
    log="$build/fuzz/$name.log"
    if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
            -artifact_prefix="$build/fuzz/$name-" "$work" > "$log" 2>&1; then
        echo "fuzz $name: ok ($(grep -Eo '#[0-9]+' "$log" | tail -n1 | tr -d '#') runs in ${seconds}s)"
        passed=$((passed + 1))
    else
        echo "fuzz $name: FAILED, see $log" >&2
        tail -n 40 "$log" >&2
        failed=$((failed + 1))
    fi
    rm -rf "$work"
done
echo "fuzz: $passed passed, $failed failed"
[ $failed -eq 0 ]
