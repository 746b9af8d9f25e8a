#!/usr/bin/env bash
# Puts the crossword file reader the export tests open .ipuz and .puz files with into
# DIR/node_modules (default: build/xword-parser), at the versions tests/export/xword-parser's
# lockfile pins.  A second run does nothing until the lockfile changes.
set -euo pipefail

source_dir="$(cd "$(dirname "$0")/../tests/export/xword-parser" && pwd)"
dir="${1:-$(dirname "$0")/../build/xword-parser}"
# Tests running side by side may all ask for the reader at once: one installs it, the others
# wait and then find it there.
mkdir -p "$dir"
exec 9> "$dir/.setup.lock"
flock 9
if [ -d "$dir/node_modules/@xwordly/xword-parser" ] && cmp -s "$source_dir/package-lock.json" "$dir/package-lock.json"; then
    exit 0
fi
source "$(dirname "$0")/require-node.sh"
require_node setup-xword-parser 18

cp "$source_dir/package.json" "$source_dir/package-lock.json" "$dir/"
cd "$dir"
npm ci --no-audit --no-fund --loglevel=error
