#!/usr/bin/env bash
# Starts the program from a build tree with its data files beside it.
set -euo pipefail
build=${1:-build}
if [ -x "$build/ombrix" ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "No display found. Ombrix is a desktop program: run it in a desktop session," >&2
        echo "or under a virtual display, for example:  xvfb-run -a $build/ombrix DATALOG" >&2
        exit 1
    fi
    exec "$build/ombrix" "${@:2}"
fi
echo "The desktop program is not built yet; the command-line tool is: $build/ombrix-cli --help"
[ -x "$build/ombrix-cli" ] && "$build/ombrix-cli" --help || true
