#!/usr/bin/env bash
# Pictures of the windows for a person to look at: runs the window tests with GW_SCREENSHOT_DIR
# set, and each test saves the windows it drives there as PNG files.
# usage: scripts/screenshots.sh [BUILD_DIR] [OUTPUT_DIR]
set -euo pipefail
build=${1:-build}
out=${2:-$build/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)
cd "$build"
GW_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=offscreen ctest -R '^tst_' -j "$(nproc)" --output-on-failure
echo "The pictures are in $out"
