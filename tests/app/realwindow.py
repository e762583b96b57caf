# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT

"""realwindow.py PROGRAM SUITE [DESKTOP]: the real program on an X display of its own under a
real window manager, or in a Wayland session on it, in the test's D-Bus session, used as people
use it. SUITE: desktop, session (what every desktop must get right), a11y, dark, speech-decoders,
speech-encoders (what Orca says), start (the menu shows). DESKTOP: openbox (the default), xfwm4,
kwin_x11, mutter (GNOME's, on X11), gnome-wayland and plasma-wayland (mutter or kwin_wayland as
a Wayland compositor, the program through its XWayland, as a Wayland session starts it)."""

import os
import signal
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "realwindow"))

import a11y
import dark
import desktop
import session
import speech
from harness import Harness


def start(h):
    h.start(h.program)
    h.check(h.menu_after_splash(), "the menu shows")


SUITES = {
    "desktop": desktop.run,
    "session": session.run,
    "a11y": a11y.run,
    "dark": dark.run,
    "speech-decoders": lambda h: speech.run(h, speech.DECODERS),
    "speech-encoders": lambda h: speech.run(h, speech.ENCODERS),
    "start": start,
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
