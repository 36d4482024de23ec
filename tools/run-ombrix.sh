#!/usr/bin/env bash
# Starts the program from a build tree, with the demo data beside it:
#   tools/run-ombrix.sh [build dir] [DATALOG|REMOTE]     (make run: DATALOG)
set -euo pipefail
build=${1:-build}
mode=${2:-DATALOG}
if [ ! -x "$build/ombrix" ]; then
    echo "The desktop program is not built in $build (the Qt packages are missing?)." >&2
    echo "The command-line tool may be: $build/ombrix-cli --help" >&2
    exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display: Ombrix is a desktop program and needs a desktop session to show its window." >&2
    echo "Without one, run it on a virtual display (package xvfb):" >&2
    echo "    xvfb-run -a -s \"-screen 0 1280x900x24\" $build/ombrix $mode" >&2
    exit 1
fi
exec "$build/ombrix" "$mode"
