#!/usr/bin/env bash
# CI's fuzzing: every fuzzer of a fuzz build first runs its kept corpus once (fuzz/corpus/,
# each input that ever crashed among it), then fuzzes from it with its dictionary for the given
# number of seconds.  What it finds stays in the build folder; make fuzz-long keeps it.
set -euo pipefail
source "$(dirname "$0")/fuzz-targets.sh"
build=${1:-build-fuzz}
seconds=${2:-20}
fuzz_use_ram_disk
status=0
for fuzzer in "$build"/bin/*_fuzz; do
    name=$(basename "$fuzzer")
    corpus=$(fuzz_corpus "$name")
    found="$build/fuzz-found/$name"
    artifacts="$build/fuzz-artifacts"
    rm -rf "$found"
    mkdir -p "$corpus" "$found" "$artifacts"
    dict=$(fuzz_dict "$name")
    log="$build/$name.log"
    options=(-rss_limit_mb=4096 -artifact_prefix="$artifacts/$name-")

    if ! "$fuzzer" "${options[@]}" -runs=0 "$corpus" >"$log.replay" 2>&1; then
        echo "$name: FAILED on its kept corpus"
        tail -n 40 "$log.replay"
        status=1
        continue
    fi
    if "$fuzzer" "${options[@]}" -max_total_time="$seconds" -max_len="$(fuzz_max_len "$name")" \
        ${dict:+-dict="$dict"} -print_final_stats=1 "$found" "$corpus" >"$log" 2>&1; then
        read -r runs speed cov ft <<<"$(fuzz_stats "$log")"
        echo "$name: corpus of $(fuzz_corpus_size "$corpus" | cut -d' ' -f1) replayed, $runs runs ($speed/s), cov $cov ft $ft"
    else
        echo "$name: FAILED"
        tail -n 40 "$log"
        echo "Keep the input above in $corpus/crashes/, named after the test of the mend."
        status=1
    fi
done
exit $status
