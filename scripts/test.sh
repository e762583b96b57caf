#!/bin/bash
# Installs what is missing, builds and runs the whole test suite: the release build, the same
# tests under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, and a short
# fuzzing run. Tests that need a real display get a virtual one when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ohmara_install "${ohmara_packages_build[@]}" "${ohmara_packages_test[@]}"

suite() {
    ohmara_build
    ctest --preset release
    cmake --preset sanitize >/dev/null
    cmake --build --preset sanitize
    ctest --preset sanitize
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz
    ctest --preset fuzz
}

if [ -n "${DISPLAY:-}" ]; then
    suite
else
    export -f suite ohmara_build
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'set -euo pipefail; suite'
fi
