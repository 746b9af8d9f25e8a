#!/usr/bin/env bash
# Puts deliberate faults (mutants, listed in scripts/mutants.list) into a scratch copy of the
# working tree one at a time and runs the tests that concern each: a mutant the tests pass is a
# fault they would let through.  The working tree itself is never changed.
#
#   scripts/mutants.sh [--scratch DIR] [--only NAME[,NAME]] [--list] [--keep-going]
#                      [--jobs N] [--timeout SECONDS]
#
# --scratch DIR  copy and build in DIR and keep it, so that the next run builds little
#                (by default a temporary folder, removed at the end)
# --only         run the named mutants only
# --list         check the list and print it, build nothing
# --keep-going   go on after a mutant that does not build or tests that fail unmutated
# --jobs N       build and test with N jobs (2)
# --timeout S    the longest a single test may run, in seconds (300); longer counts as failed
#
# One line per mutant: CAUGHT (a test failed), MISSED (all passed) or BROKEN (the mutant did
# not build: the list needs mending).  Exits 0 unless a mutant is BROKEN or the selected tests
# fail on the unmutated tree; then the scratch folder is kept for its logs.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
list_file="$here/mutants.list"
scratch=""
only=""
list_only=0
keep_going=0
jobs=2
timeout=300
arguments=("$@")

usage() {
    sed -n '6,15p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
}

while [[ $# -gt 0 ]]; do
    case "$1" in
    --scratch) scratch=${2:?--scratch needs a folder}; shift 2 ;;
    --only) only=${2:?--only needs mutant names}; shift 2 ;;
    --list) list_only=1; shift ;;
    --keep-going) keep_going=1; shift ;;
    --jobs) jobs=${2:?--jobs needs a number}; shift 2 ;;
    --timeout) timeout=${2:?--timeout needs seconds}; shift 2 ;;
    -h | --help) usage ;;
    *) echo "unknown option $1" >&2; usage ;;
    esac
done

# The machine is shared: everything below runs at niceness 10 or lower priority.
if [[ $list_only -eq 0 && $(nice) -lt 10 && -z "${GW_MUTANTS_NICED:-}" ]]; then
    GW_MUTANTS_NICED=1 exec nice -n $((10 - $(nice))) "$0" "${arguments[@]}"
fi

# ---- the list -------------------------------------------------------------------------------
# Blocks of "key: value" lines separated by blank lines; values are taken literally, blanks at
# either end dropped.  Keys: name, file, what, from, to, tests (a ctest regular expression),
# targets (optional: the build targets, found from the tests otherwise).

names=() files=() whats=() froms=() tos=() tests=() targets=()

list_error=0
fail_list() {
    echo "mutants.list: $*" >&2
    list_error=1
}

add_block() {
    local -n block=$1
    [[ ${#block[@]} -eq 0 ]] && return
    local key
    for key in name file from to tests; do
        if [[ -z ${block[$key]+set} ]]; then
            fail_list "mutant '${block[name]:-?}' has no '$key:' line"
            return
        fi
    done
    names+=("${block[name]}")
    files+=("${block[file]}")
    whats+=("${block[what]:-}")
    froms+=("${block[from]}")
    tos+=("${block[to]}")
    tests+=("${block[tests]}")
    targets+=("${block[targets]:-}")
}

read_list() {
    local line key value
    declare -A current=()
    while IFS= read -r line || [[ -n $line ]]; do
        if [[ $line =~ ^[[:space:]]*$ ]]; then
            add_block current
            current=()
            continue
        fi
        [[ $line =~ ^[[:space:]]*# ]] && continue
        if [[ ! $line =~ ^([a-z]+):(.*)$ ]]; then
            fail_list "not a 'key: value' line: $line"
            continue
        fi
        key=${BASH_REMATCH[1]}
        value=${BASH_REMATCH[2]}
        value=${value#"${value%%[![:space:]]*}"}
        value=${value%"${value##*[![:space:]]}"}
        case $key in
        name | file | what | from | to | tests | targets) ;;
        *) fail_list "unknown key '$key' in: $line"; continue ;;
        esac
        [[ -n ${current[$key]+set} ]] && fail_list "'$key:' given twice for '${current[name]:-?}'"
        current[$key]=$value
    done <"$list_file"
    add_block current
}

# How often needle occurs in haystack: 0, 1, or 2 meaning "more than once".
occurrences() {
    local haystack=$1 needle=$2 count=0
    while [[ $count -lt 2 && $haystack == *"$needle"* ]]; do
        haystack=${haystack#*"$needle"}
        count=$((count + 1))
    done
    echo "$count"
}

read_whole() { # file -> variable named $2, byte for byte
    IFS= read -r -d '' "$2" <"$1" || true
}

check_list() {
    declare -A seen=()
    local i content
    for i in "${!names[@]}"; do
        local name=${names[$i]}
        [[ $name =~ ^[a-z0-9][a-z0-9-]*$ ]] || fail_list "name '$name': use lower case, digits and '-'"
        [[ -n ${seen[$name]+set} ]] && fail_list "name '$name' given twice"
        seen[$name]=1
        if [[ ! -f $root/${files[$i]} ]]; then
            fail_list "$name: no file ${files[$i]}"
            continue
        fi
        [[ ${froms[$i]} == "${tos[$i]}" ]] && fail_list "$name: the replacement is the original"
        read_whole "$root/${files[$i]}" content
        case $(occurrences "$content" "${froms[$i]}") in
        0) fail_list "$name: the original text is not in ${files[$i]}: ${froms[$i]}" ;;
        2) fail_list "$name: the original text occurs more than once in ${files[$i]}: ${froms[$i]}" ;;
        esac
    done
}

[[ -f $list_file ]] || { echo "no list $list_file" >&2; exit 2; }
read_list
check_list
[[ $list_error -eq 0 ]] || { echo "the list is refused; nothing was run" >&2; exit 2; }

selected=()
if [[ -n $only ]]; then
    IFS=, read -r -a wanted <<<"$only"
    for name in "${wanted[@]}"; do
        found=""
        for i in "${!names[@]}"; do
            [[ ${names[$i]} == "$name" ]] && found=$i
        done
        [[ -n $found ]] || { echo "no mutant named $name" >&2; exit 2; }
        selected+=("$found")
    done
else
    selected=("${!names[@]}")
fi

if [[ $list_only -eq 1 ]]; then
    for i in "${selected[@]}"; do
        printf '%-34s %s\n    %s\n    tests: %s%s\n' "${names[$i]}" "${files[$i]}" "${whats[$i]}" \
            "${tests[$i]}" "${targets[$i]:+  targets: ${targets[$i]}}"
    done
    echo "${#selected[@]} mutants"
    exit 0
fi

# ---- the scratch copy and its build ---------------------------------------------------------

started=$(date +%s)
if [[ -z $scratch ]]; then
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/gridwright-mutants.XXXXXX")
    remove_scratch=1
else
    mkdir -p "$scratch"
    scratch=$(cd "$scratch" && pwd)
    remove_scratch=0
fi
case "$scratch/" in
"$root"/*) echo "the scratch folder must lie outside the working tree" >&2; exit 2 ;;
esac
tree="$scratch/tree"
build="$scratch/build"
logs="$scratch/logs"
mkdir -p "$tree" "$logs"

applied_file=""
applied_content=""
restore() {
    [[ -z $applied_file ]] && return
    printf '%s' "$applied_content" >"$tree/$applied_file"
    applied_file=""
}
# shellcheck disable=SC2317 # run by the trap
finish() {
    restore
    [[ $remove_scratch -eq 1 ]] && rm -rf "$scratch"
}
trap finish EXIT
trap 'exit 130' INT TERM

# Only files whose content differs are copied, and they take the time of copying: a file put
# back after a mutant is newer than the mutated objects, and must stay so.
echo "copying the working tree to $tree"
(cd "$root" && git ls-files -z --cached --others --exclude-standard) >"$scratch/files"
while IFS= read -r -d '' copied; do
    [[ -f $root/$copied ]] || continue
    if ! cmp -s "$root/$copied" "$tree/$copied"; then
        mkdir -p "$(dirname "$tree/$copied")"
        cp "$root/$copied" "$tree/$copied" || { echo "cannot copy $copied" >&2; exit 1; }
    fi
done <"$scratch/files"
# Files gone from the working tree go from the copy too: the build gathers sources by folder.
(cd "$tree" && find . -type f | sed 's|^\./||' | sort) >"$scratch/copied"
(cd "$root" && tr '\0' '\n' <"$scratch/files" | while IFS= read -r f; do [[ -f $f ]] && echo "$f"; done) |
    sort >"$scratch/wanted"
comm -23 "$scratch/copied" "$scratch/wanted" | while IFS= read -r stale; do rm -f "$tree/$stale"; done

echo "configuring and building in $build (-j$jobs); the first build takes a while"
if ! cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 \
    -DGW_BUILD_BENCH=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >"$logs/configure.log" 2>&1; then
    tail -20 "$logs/configure.log" >&2
    echo "the unmutated tree does not configure" >&2
    exit 1
fi
if ! cmake --build "$build" -j "$jobs" >"$logs/build.log" 2>&1; then
    grep -E 'error|Error' "$logs/build.log" | head -20 >&2
    echo "the unmutated tree does not build" >&2
    exit 1
fi

# The tests a regular expression selects, one "number executable" line each.
mapfile -t known_targets < <(cmake --build "$build" --target help | sed -n 's/^\.\.\. \([^ ]*\).*/\1/p')
selection_of() {
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -N -V -R "$1" 2>/dev/null) |
        sed -n 's/^\([0-9]*\): Test command: \([^ ]*\).*/\1 \2/p'
}

# The build targets of the selected tests: their executables.
targets_of() {
    local executable target known
    cut -d' ' -f2- | sort -u | while IFS= read -r executable; do
        target=$(basename "$executable")
        for known in "${known_targets[@]}"; do
            [[ $known == "$target" ]] && echo "$target"
        done
    done | tr '\n' ' '
}

run_tests() { # log, then what selects the tests (-R REGEX or -I SPEC)
    local log=$1
    shift
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest "$@" --timeout "$timeout" --no-tests=error \
        -j "$jobs" --output-on-failure) >"$log" 2>&1
}

failed_count() { # log -> "K of T"
    sed -n 's/.* tests passed, \([0-9]*\) tests* failed out of \([0-9]*\).*/\1 of \2/p' "$1" | tail -1
}

status=0
declare -A unmutated_tests=()
for i in "${selected[@]}"; do
    selection=$(selection_of "${tests[$i]}")
    if [[ -z $selection ]]; then
        echo "${names[$i]}: no tests match ${tests[$i]}" >&2
        exit 2
    fi
    for number in $(cut -d' ' -f1 <<<"$selection"); do
        unmutated_tests[$number]=1
    done
    [[ -n ${targets[i]} ]] || targets[i]=$(targets_of <<<"$selection")
done

# Each selected test once, by its number (a union of the expressions is too much for ctest).
echo "running the ${#unmutated_tests[@]} selected tests on the unmutated tree"
numbers=$(printf '%s\n' "${!unmutated_tests[@]}" | sort -n | paste -sd,)
if ! run_tests "$logs/unmutated.log" -I "0,0,0,$numbers"; then
    sed -n '/The following tests FAILED/,$p' "$logs/unmutated.log" >&2
    echo "the selected tests fail on the unmutated tree (log: $logs/unmutated.log)" >&2
    status=1
    remove_scratch=0
    [[ $keep_going -eq 1 ]] || exit 1
else
    echo "they pass"
fi

# ---- the mutants ----------------------------------------------------------------------------

caught=0
missed=0
broken=0
printf '%-34s %-7s %6s  %s\n' MUTANT RESULT TIME "FILE (tests failed)"
for i in "${selected[@]}"; do
    name=${names[$i]}
    file=${files[$i]}
    mutant_started=$(date +%s)
    read_whole "$tree/$file" applied_content
    if [[ $(occurrences "$applied_content" "${froms[$i]}") != 1 ]]; then
        echo "$name: the copy of $file does not hold the original text once" >&2
        exit 1
    fi
    applied_file=$file
    printf '%s' "${applied_content/"${froms[$i]}"/"${tos[$i]}"}" >"$tree/$file"

    # shellcheck disable=SC2086 # the targets are words
    if ! cmake --build "$build" -j "$jobs" --target ${targets[$i]} >"$logs/$name.build.log" 2>&1; then
        result=BROKEN
        detail="does not build: $logs/$name.build.log"
        broken=$((broken + 1))
        status=1
        remove_scratch=0
    elif run_tests "$logs/$name.test.log" -R "${tests[$i]}"; then
        result=MISSED
        detail=""
        missed=$((missed + 1))
    else
        result=CAUGHT
        detail=$(failed_count "$logs/$name.test.log")
        detail=${detail:-tests did not run}
        caught=$((caught + 1))
    fi
    # Written back with a new time, so that the next build compiles the original again.
    restore
    printf '%-34s %-7s %5ss  %s%s\n' "$name" "$result" $(($(date +%s) - mutant_started)) "$file" \
        "${detail:+ ($detail)}"
    if [[ $result == BROKEN && $keep_going -eq 0 ]]; then
        echo "stopped at a mutant that does not build" >&2
        break
    fi
done

total=$((caught + missed + broken))
echo "caught $caught of $total ($missed missed, $broken broken) in $(($(date +%s) - started))s"
[[ $remove_scratch -eq 0 && $status -ne 0 ]] && echo "the logs are kept in $logs" >&2
exit $status
