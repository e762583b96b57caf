#!/bin/bash
# Installs what is missing, builds and runs the whole test suite: the release build, the same
# tests under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, and a short
# fuzzing run. Tests that need a real display get a virtual one when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ohmara_install "${ohmara_packages_build[@]}" "${ohmara_packages_test[@]}"

# Tests that start the real program need a display: without one, run again under a virtual one.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

ohmara_build
ctest --preset release
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz
