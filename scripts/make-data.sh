#!/usr/bin/env bash
# Rebuilds the bundled shape and layout libraries and the sample collection in data/.
# Deterministic: the same tools and word lists give the same bytes.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/$build/bin"
cmake --build "$root/$build" --target make_shapes make_layouts gridwright-cli >/dev/null

"$bin/make_shapes" "$root/data/ZPFLAY.DAT"
"$bin/make_layouts" "$root/data/ZPFPAGE.DAT"
cp "$root/data/ZPFLAY.DAT" "$root/data/ZPFPAGE.DAT" "$bin/"

# The samples are generated away from any GRIDW3.INI, so they take layout record 0.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sample() {   # word list, shape record, title, category, seed
    (cd "$work" && "$bin/gridwright-cli" generate --words "$root/data/words/$1" --shape "$2" --attempts 200 \
        --title "$3" --category "$4" --seed "$5" --out "$work/SAMPLE.ZP3" >/dev/null)
}
sample farm-animals.txt 2 "Farm Animals" "Nature" 11
sample ocean-life.txt 6 "Ocean Life" "Nature" 12
sample weather.txt 7 "Weather Watch" "Nature" 13
sample capital-cities.txt 5 "Capital Cities" "World" 14
cp "$work/SAMPLE.ZP3" "$root/data/SAMPLE.ZP3"
echo "data/ZPFLAY.DAT, data/ZPFPAGE.DAT and data/SAMPLE.ZP3 rebuilt"
