#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds and runs the whole test suite: the formatting checks, the
# release build's tests, the same tests under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer, and a short fuzzing run. The tests that start the real program give
# it a display, a window manager and a D-Bus session of its own; none of them may outlive the run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ohmara_install "${ohmara_packages_build[@]}" "${ohmara_packages_test[@]}"

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
git ls-files '*.py' | xargs black --check --quiet

# Every process the tests start inherits this mark.
export OHMARA_TEST_RUN="$$-$RANDOM$RANDOM"
ohmara_build
ctest --preset release
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

sleep 1
left=()
for proc in /proc/[0-9]*; do
    pid=${proc#/proc/}
    [ "$pid" = $$ ] || [ "$pid" = "$BASHPID" ] && continue
    read -r -a stat <"$proc/stat" 2>/dev/null || continue
    [ "${stat[2]}" = Z ] && continue
    { while IFS= read -r -d '' variable; do
        [ "$variable" = "OHMARA_TEST_RUN=$OHMARA_TEST_RUN" ] && left+=("$pid") && break
    done <"$proc/environ"; } 2>/dev/null || true
done
if [ ${#left[@]} -gt 0 ]; then
    echo "FAIL: processes started by the tests are still running:"
    ps -o pid,args -p "${left[*]}"
    exit 1
fi
echo "No process left behind by the tests."
