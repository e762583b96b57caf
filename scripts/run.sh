#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds and starts Ohmara.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ohmara_install "${ohmara_packages_build[@]}"
ohmara_build
exec ./build/release/ohmara
