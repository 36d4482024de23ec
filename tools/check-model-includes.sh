#!/usr/bin/env bash
# Fails when a file of the model library includes a Qt header.
# The list of model files comes from the build (CMake writes it at configure time).
set -euo pipefail
build=${1:-build}
list="$build/model-sources.txt"
[ -f "$list" ] || { echo "check-model-includes: $list missing (configure first)" >&2; exit 2; }
status=0
while IFS= read -r file; do
    [ -n "$file" ] || continue
    case "$file" in /*) ;; *) file="$PWD/$file" ;; esac
    if grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]|qcustomplot)' "$file"; then
        echo "  ^ model file includes a Qt header: $file" >&2
        status=1
    fi
done < "$list"
count=$(grep -c . "$list" || true)
if [ $status -eq 0 ]; then echo "check-model-includes: $count model files, no Qt header"; fi
exit $status
