#!/usr/bin/env bash
# Renders the dialogs of the core, link and export subsystems to PNG files
# without a display (offscreen platform), for a look at their layout.
#   tools/dialog-screenshots.sh [build dir] [output folder]
# Under a virtual X display the pictures use the desktop style instead:
#   QT_QPA_PLATFORM=xcb xvfb-run -a tools/dialog-screenshots.sh
set -euo pipefail
build=${1:-build}
out=${2:-$build/dialog-shots}
cmake --build "$build" --target ui_dialog_shots
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/tests/ui/ui_dialog_shots" "$out" "$build"
echo "Pictures in $out"
