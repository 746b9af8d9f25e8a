#!/usr/bin/env bash
# Starts the program in run/ (its start directory), seeded with the sample collection on first use.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$root/run"
if [ ! -e "$root/run/SAMPLE.ZP3" ] && [ ! -e "$root/run/DEFAULT.ZP3" ]; then
    cp "$root/data/SAMPLE.ZP3" "$root/run/SAMPLE.ZP3"
fi
cd "$root/run"
exec "$root/$build/bin/gridwright"
