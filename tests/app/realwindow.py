# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT

"""realwindow.py PROGRAM SUITE [DESKTOP]: the real program on an X display of its own, under a
window manager or in a Wayland session on it (the program through its XWayland), used as people
use it. SUITE: desktop, session, speech-decoders, speech-encoders, start (the menu shows).
DESKTOP: openbox (the default), xfwm4, kwin_x11, mutter, gnome-wayland, plasma-wayland."""

import os
import signal
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "realwindow"))

import desktop
import session
import speech
from harness import Harness

SUITES = {
    "desktop": desktop.run,
    "session": session.run,
    "speech-decoders": lambda h: speech.run(h, speech.DECODERS),
    "speech-encoders": lambda h: speech.run(h, speech.ENCODERS),
    "start": lambda h: h.start(h.program) and h.check(h.menu_after_splash(), "the menu shows"),
}

h = Harness(sys.argv[1], sys.argv[3] if len(sys.argv) > 3 else "openbox")
signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
try:
    h.start_display()
    h.start_desktop()
    h.xdotool("mousemove", "0", "0")
    SUITES[sys.argv[2]](h)
finally:
    h.end()
print("%d failed" % len(h.failures))
sys.exit(1 if h.failures else 0)
