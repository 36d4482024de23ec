#!/usr/bin/env bash
# Installs every Debian package that the build and the tests need.
# Quick when everything is already there: only missing packages reach apt-get.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ make pkg-config
    # model tests, benchmarks, JSON
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    # sanitizer and fuzzer builds
    clang libclang-rt-14-dev
    # program, charts, printing
    qt6-base-dev qt6-base-dev-tools libqcustomplot-dev libgl-dev
    # ombrix-cli render: pictures of the views as SVG
    qt6-svg-dev
    # offscreen UI tests need the platform plugins and fonts
    fonts-dejavu-core
    # looking at the program without a desktop: a virtual display
    xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
