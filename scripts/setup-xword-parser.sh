#!/usr/bin/env bash
# Puts the crossword file reader the export tests open .ipuz and .puz files with into
# DIR/node_modules (default: build/xword-parser).  Its published dependency list names a
# package the registry does not hold, which it never loads at run time, so a plain
# "npm install" fails: the package is unpacked by hand and its two run-time dependencies
# installed beside it.  A second run does nothing.
set -euo pipefail

dir="${1:-$(dirname "$0")/../build/xword-parser}"
package_dir="$dir/node_modules/@xwordly/xword-parser"
# Tests running side by side may all ask for the reader at once: one sets it up, the others
# wait and then find it there.
mkdir -p "$dir"
exec 9> "$dir/.setup.lock"
flock 9
if [ -f "$package_dir/package.json" ] && [ -d "$dir/node_modules/fast-xml-parser" ] \
    && [ -d "$dir/node_modules/buffer" ]; then
    exit 0
fi
if ! command -v npm >/dev/null; then
    echo "setup-xword-parser: npm is not installed" >&2
    exit 1
fi

cd "$dir"
[ -f package.json ] || echo '{ "name": "gw-xword-parser-host", "private": true }' > package.json
npm install --no-audit --no-fund --loglevel=error buffer@6 fast-xml-parser@5
tarball="$(npm pack --silent @xwordly/xword-parser@1)"
mkdir -p "$package_dir"
tar -xzf "$tarball" -C "$package_dir" --strip-components=1
rm -f "$tarball"
