#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT
# Introduces faults one at a time into a scratch clone of HEAD and records which tests catch
# each: a test suite is worth the faults it finds. Each fault names the test expected to catch
# it, which runs first; only when that one misses do the unit tests run, and then the real-window,
# speech and packaging tests, minutes where those take seconds. Prints one line a fault: the test
# that caught it, the tests that did where the named one missed, MISSED, or NOT APPLIED where the
# fault's pattern no longer matches the code. A fault that only the sanitizers see (a use after
# free) names the build it runs in, "sanitize"; one in code only Qt 6.8 and later build, "qt6.8".
#
#   bash bench/faults.sh [FAULTS_FILE] [NAME_REGEX]
set -uo pipefail
cd "$(dirname "$0")/.."
faults=$(realpath "${1:-bench/faults.txt}")
only=${2:-}
work=$(mktemp -d /tmp/ohmara-faults.XXXXXX)
trap 'rm -rf "$work"' EXIT
git clone -q . "$work/src"
cd "$work/src"
started=$SECONDS
cmake --preset release >/dev/null && cmake --build --preset release >/dev/null || exit 1
preset=release
failing() {
    ctest --preset $preset "$@" </dev/null \
        2>&1 | sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' | paste -sd' ' -
}
clean=$(failing)
[ -z "$clean" ] || echo "failing without a fault: $clean"
count=0
qt=$(pkg-config --modversion Qt6Core)
while IFS=$'\t' read -r name catcher file expr build; do
    [ -z "$name" ] || [ "${name:0:1}" = "#" ] && continue
    [[ -z "$only" || "$name" =~ $only ]] || continue
    count=$((count + 1))
    if [ "$build" = qt6.8 ]; then
        build=
        if [ "$(printf '%s\n' 6.8 "$qt" | sort -V | head -1)" != 6.8 ]; then
            printf '%-50s not built with Qt %s\n' "$name" "$qt"
            continue
        fi
    fi
    preset=${build:-release}
    [ -d "build/$preset" ] || cmake --preset "$preset" >/dev/null
    cp "$file" "$work/saved"
    perl -0pi -e "$expr" "$file"
    if cmp -s "$file" "$work/saved"; then
        printf '%-50s NOT APPLIED\n' "$name"
        continue
    fi
    # The named test's own program first: the real-window suites drive the program itself.
    case $catcher in
    tst_*) target=${catcher%_dark} target=${target%_2x} ;;
    realwindow_*) target=ohmara ;;
    *) target=all ;;
    esac
    if ! cmake --build --preset "$preset" --target "$target" >/dev/null 2>&1; then
        printf '%-50s does not build\n' "$name"
    elif [ -n "$(failing -R "^$catcher\$")" ]; then
        printf '%-50s %s\n' "$name" "$catcher"
    else
        cmake --build --preset "$preset" >/dev/null 2>&1
        caught=$(failing -L unit -E "^$catcher\$")
        [ -n "$caught" ] || caught=$(failing -LE unit -E "^$catcher\$")
        [ -n "$caught" ] && caught="$caught, not $catcher" || caught=MISSED
        printf '%-50s %s\n' "$name" "$caught"
    fi
    cp "$work/saved" "$file"
done <"$faults"
echo "$count faults in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
