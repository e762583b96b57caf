#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT
# Introduces faults one at a time into a scratch clone of HEAD and records which tests catch
# each: a test suite is worth the faults it finds. Prints one line a fault; "NOT APPLIED" means
# the fault's pattern no longer matches the code. The unit tests run first; the real-window,
# speech and packaging tests, minutes where those take seconds, only for a fault they miss. A
# fault that only the sanitizers see (a use after free) names the build it runs in: "sanitize".
#
#   bash bench/faults.sh [FAULTS_FILE] [TESTS_REGEX]
set -uo pipefail
cd "$(dirname "$0")/.."
faults=$(realpath "${1:-bench/faults.txt}")
only=${2:-}
work=$(mktemp -d /tmp/ohmara-faults.XXXXXX)
trap 'rm -rf "$work"' EXIT
git clone -q . "$work/src"
cd "$work/src"
cmake --preset release >/dev/null && cmake --build --preset release >/dev/null || exit 1
preset=release
run_tests() {
    ctest --preset $preset ${only:+-R "$only"} "$@" </dev/null \
        2>&1 | sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' | paste -sd' ' -
}
caught_by() {
    local caught
    caught=$(run_tests -L unit)
    [ -n "$caught" ] || caught=$(run_tests -LE unit)
    echo "$caught"
}
clean=$(run_tests)
[ -z "$clean" ] || echo "failing without a fault: $clean"
while IFS=$'\t' read -r name file expr build; do
    [ -z "$name" ] || [ "${name:0:1}" = "#" ] && continue
    preset=${build:-release}
    [ -d "build/$preset" ] || cmake --preset "$preset" >/dev/null
    cp "$file" "$work/saved"
    perl -0pi -e "$expr" "$file"
    if cmp -s "$file" "$work/saved"; then
        printf '%-45s NOT APPLIED\n' "$name"
        continue
    fi
    if ! cmake --build --preset "$preset" >/dev/null 2>&1; then
        printf '%-45s does not build\n' "$name"
    else
        caught=$(caught_by)
        printf '%-45s %s\n' "$name" "${caught:-MISSED}"
    fi
    cp "$work/saved" "$file"
done <"$faults"
