#!/usr/bin/env bash
# Runs every fuzzer of a fuzz build for the given number of seconds each and prints how many
# inputs each one survived.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-fuzz}
seconds=${2:-20}
status=0
for fuzzer in "$build"/bin/*_fuzz; do
    name=$(basename "$fuzzer")
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    # The bundled files are well-formed inputs of every reader; the fuzzer mutates from them.
    cp -n "$root"/data/*.DAT "$root"/data/*.ZP3 "$root"/data/words/*.txt "$root"/tests/data/import/* \
        "$corpus"/ 2>/dev/null || true
    log="$build/$name.log"
    if "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=4096 -max_len=140000 "$corpus" >"$log" 2>&1; then
        runs=$(grep -o 'Done [0-9]* runs' "$log" | tail -n 1)
        echo "$name: ${runs:-done}"
    else
        echo "$name: FAILED"
        tail -n 40 "$log"
        status=1
    fi
done
exit $status
