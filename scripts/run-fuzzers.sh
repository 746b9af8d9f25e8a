#!/usr/bin/env bash
# Runs every fuzzer of a fuzz build for the given number of seconds each and prints how many
# inputs each one survived.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-20}
status=0
for fuzzer in "$build"/bin/*_fuzz; do
    name=$(basename "$fuzzer")
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
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
