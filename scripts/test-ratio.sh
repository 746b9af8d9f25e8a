#!/usr/bin/env bash
# Non-blank lines of the tests against those of the program (src/ and tools/).  Test data and
# the browser driver's lockfile are not counted: they are data, not test code.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files "$@" | xargs -r grep -chv '^[[:space:]]*$' | paste -sd+ | bc; }
tests=$(count tests ':!tests/data' ':!*.json')
code=$(count src tools)
printf 'tests %d, code %d, ratio %.2f\n' "$tests" "$code" "$(echo "$tests / $code" | bc -l)"
