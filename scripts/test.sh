#!/bin/bash
# Installs what is missing, builds and runs the whole test suite. Tests that need a real
# display get a virtual one when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ohmara_install "${ohmara_packages_build[@]}" "${ohmara_packages_test[@]}"
ohmara_build
if [ -n "${DISPLAY:-}" ]; then
    ctest --preset release
else
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset release
fi
