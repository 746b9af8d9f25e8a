#!/usr/bin/env bash
# A long fuzzing run: each fuzzer in turn, from its kept corpus with its dictionary, for the
# given seconds (or runs, whichever comes first); then what it found is merged into the kept
# corpus, which is minimized with -merge=1.  Inputs that crash are left in the build folder
# and the run ends with a failure.  Prints executions, speed and coverage per fuzzer.
set -euo pipefail
source "$(dirname "$0")/fuzz-targets.sh"
build=${1:-build-fuzz}
seconds=${2:-600}
runs=${3:--1}
# Names of the fuzzers to run (blank-separated); all of them when empty.
only=${4:-}
fuzz_use_ram_disk

# Replaces the inputs of the corpus folder by the merged ones, which libFuzzer names by their
# SHA-1: an input kept before keeps its name, and one kept in crashes/ is not copied again.
keep_merged() {
    local merged=$1 corpus=$2 file sum
    local -A known=() crashes=()
    while IFS= read -r -d '' file; do
        known[$(sha1sum "$file" | cut -d' ' -f1)]=$(basename "$file")
    done < <(find "$corpus" -maxdepth 1 -type f -print0)
    while IFS= read -r -d '' file; do
        crashes[$(sha1sum "$file" | cut -d' ' -f1)]=1
    done < <(find "$corpus" -mindepth 2 -type f -print0)
    find "$corpus" -maxdepth 1 -type f -delete
    for file in "$merged"/*; do
        [ -f "$file" ] || continue
        sum=$(basename "$file")
        [ -n "${crashes[$sum]:-}" ] || cp "$file" "$corpus/${known[$sum]:-$sum}"
    done
}

status=0
table=$(printf '%-22s %10s %8s %6s %7s %7s %10s  %s' fuzzer runs exec/s cov ft files bytes finding)
for fuzzer in "$build"/bin/*_fuzz; do
    name=$(basename "$fuzzer")
    if [ -n "$only" ] && ! grep -qw -- "$name" <<<"$only"; then
        continue
    fi
    corpus=$(fuzz_corpus "$name")
    found="$build/fuzz-long/$name"
    artifacts="$build/fuzz-artifacts"
    mkdir -p "$corpus" "$found" "$artifacts"
    dict=$(fuzz_dict "$name")
    log="$build/$name.long.log"
    echo "$name: fuzzing for ${seconds}s"
    finding=none
    if ! "$fuzzer" -rss_limit_mb=4096 -artifact_prefix="$artifacts/$name-" -max_total_time="$seconds" \
        -runs="$runs" -max_len="$(fuzz_max_len "$name")" ${dict:+-dict="$dict"} -print_final_stats=1 \
        "$found" "$corpus" >"$log" 2>&1; then
        finding=$(grep -o "$artifacts/$name-[^ ]*" "$log" | tail -n 1)
        tail -n 40 "$log"
        status=1
    fi
    read -r executed speed cov ft <<<"$(fuzz_stats "$log")"

    # Minimized into an empty folder; the inputs kept from before keep their names.
    merged=$(mktemp -d)
    if "$fuzzer" -rss_limit_mb=4096 -merge=1 "$merged" "$corpus" "$found" >"$log.merge" 2>&1; then
        keep_merged "$merged" "$corpus"
        rm -rf "$found"
    else
        echo "$name: merging failed, the corpus is left as it was (see $log.merge)"
        status=1
    fi
    rm -rf "$merged"

    read -r files bytes <<<"$(fuzz_corpus_size "$corpus")"
    table+=$'\n'$(printf '%-22s %10s %8s %6s %7s %7s %10s  %s' "$name" "$executed" "$speed" "$cov" "$ft" \
        "$files" "$bytes" "$finding")
done
echo
echo "$table"
exit $status
