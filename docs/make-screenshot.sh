#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT
# Regenerates docs/screenshot.png: the menu and the four-band decoder on a virtual display.
set -eu
cd "$(dirname "$0")/.."
Xvfb :98 -screen 0 800x420x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb $app 2>/dev/null' EXIT
sleep 0.5
export DISPLAY=:98
./build/release/ohmara 2>/dev/null &
app=$!
sleep 1
xdotool key x
sleep 0.4
menu=$(xdotool search --onlyvisible --name '^Ohmara V3\.1$' | head -1)
xdotool mousemove --window "$menu" 168 108 click 1
sleep 0.4
# band 1 yellow, band 2 purple, multiplier red, tolerance gold
xdotool key Down Down Down Down Tab Down Down Down Down Down Down Down Down Tab \
    Down Down Down Down Down Tab Down Down Down
sleep 0.3
import -window root docs/screenshot.png
