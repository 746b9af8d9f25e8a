# Sourced by run-fuzzers.sh and fuzz-long.sh: what each fuzzer reads and where its kept corpus
# and dictionary lie.  A fuzzer not named here gets 4096 bytes and fuzz/dict/<fuzzer>.dict.
fuzz_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The longest input worth making: whole records and a little beyond, not more, since every
# byte more slows each run and grows the kept corpus.
fuzz_max_len() {
    case "$1" in
        collection_fuzz) echo 139246 ;; # two puzzle records: lists of more than one category
        manual_edits_fuzz) echo 40574 ;; # a puzzle record up to its placement arrays
        layout_library_fuzz) echo 57736 ;; # two layout records
        layout_export_fuzz | pag_reader_fuzz) echo 28874 ;; # "PAG1.0" and a layout record
        zpk_reader_fuzz) echo 30606 ;; # "ZPK", the longest version text and an old record
        shape_library_fuzz) echo 10220 ;; # four shape records
        shape_export_fuzz) echo 2561 ;; # "LAY1.0" and a shape record
        settings_fuzz | word_file_fuzz | puz_reader_fuzz) echo 8192 ;;
        ipuz_reader_fuzz) echo 16384 ;;
        *) echo 4096 ;;
    esac
}

fuzz_dict() {
    local dict
    case "$1" in
        collection_fuzz | manual_edits_fuzz) dict=puzzle ;;
        layout_library_fuzz | layout_export_fuzz | pag_reader_fuzz) dict=layout ;;
        shape_library_fuzz | shape_export_fuzz) dict=shape ;;
        zpk_reader_fuzz) dict=zpk ;;
        settings_fuzz) dict=settings ;;
        word_file_fuzz) dict=words ;;
        lexicon_reader_fuzz) dict=lexicon ;;
        *) dict=$1 ;;
    esac
    [ -f "$fuzz_root/fuzz/dict/$dict.dict" ] && echo "$fuzz_root/fuzz/dict/$dict.dict"
    return 0
}

# The kept corpus; inputs that once crashed lie in its crashes/ folder and are never minimized
# away.  libFuzzer reads a corpus folder with its subfolders.
fuzz_corpus() {
    echo "$fuzz_root/fuzz/corpus/$1"
}

# The readers write their input to a file and read it back: on a RAM disk that costs no disk
# flush, which on a busy disk made the file readers up to ten times slower.
fuzz_use_ram_disk() {
    if [ -d /dev/shm ] && [ -w /dev/shm ]; then
        TMPDIR=$(mktemp -d /dev/shm/gw-fuzz.XXXXXX)
        export TMPDIR
        trap 'rm -rf "$TMPDIR"' EXIT
    fi
}

# "runs exec/s cov ft" of a libFuzzer log written with -print_final_stats=1.
fuzz_stats() {
    local runs speed done
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$1" | tail -n 1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$1" | tail -n 1)
    done=$(grep -E '^#[0-9]+[[:space:]]+(DONE|INITED)' "$1" | tail -n 1)
    echo "${runs:-?} ${speed:-?} $(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$done") $(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$done")"
}

# "files bytes" of a corpus folder.
fuzz_corpus_size() {
    if [ -d "$1" ]; then
        echo "$(find "$1" -type f | wc -l) $(find "$1" -type f -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }')"
    else
        echo "0 0"
    fi
}
