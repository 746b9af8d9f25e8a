#!/usr/bin/env bash
# Puts the browser automation library the web puzzle test drives chromium with into
# DIR/node_modules (default: build/browser-driver), at the versions tests/export/browser's
# lockfile pins.  A second run does nothing until the lockfile changes.
set -euo pipefail

source_dir="$(cd "$(dirname "$0")/../tests/export/browser" && pwd)"
dir="${1:-$(dirname "$0")/../build/browser-driver}"
# Tests running side by side may all ask for the library at once: one installs it, the others
# wait and then find it there.
mkdir -p "$dir"
exec 9> "$dir/.setup.lock"
flock 9
if [ -d "$dir/node_modules/puppeteer-core" ] && cmp -s "$source_dir/package-lock.json" "$dir/package-lock.json"; then
    exit 0
fi
source "$(dirname "$0")/require-node.sh"
require_node setup-browser-driver 18

cp "$source_dir/package.json" "$source_dir/package-lock.json" "$dir/"
cd "$dir"
npm ci --no-audit --no-fund --loglevel=error
