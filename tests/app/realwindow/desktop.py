# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT

"""What openbox alone is asked, beside what every desktop gets right: the splash and the menu
placed and decorated as designed, a tool moved, minimised and restored where it was, each screen's
taskbar button, the toolkit's options ignored, and the one line a user reads without a display."""

import os
import re
import subprocess
import time

from harness import DECODER_TITLE

# column, row, title, whether it has a taskbar button
TOOLS = [
    (0, 0, "Colour Codes list", True),
    (1, 0, DECODER_TITLE, False),
    (2, 0, "Value to Colours", True),
    (0, 1, "Resistor/Capacitor Calculator", True),
    (1, 1, "5 band colour code to value", False),
    (2, 1, "5 band value to colour code", False),
]


def run(h):
    app = h.start(h.program)
    shown = h.splash()
    time.sleep(0.3)
    centred, where = h.centred_with_frame(shown)
    h.check(centred and h.geometry(shown)[2:] == (492, 283), "the splash, 492 x 283, centred: %s" % where)
    h.check(h.prop(shown, "_NET_WM_ICON"), "the splash with the icon")
    menu = h.menu_after_splash()
    time.sleep(0.5)
    pixels = h.shot(menu)
    decoder = h.open_tool(menu, 1, 0, DECODER_TITLE)
    h.check(h.geometry(menu)[2:] == (339, 266), "the menu, 339 x 266: %s" % [h.geometry(menu)])
    hints = h.prop(menu, "_MOTIF_WM_HINTS")
    h.check(hints is not None and hints[1] & 0x38 == 0, "no close, minimise or maximise button asked for: %s" % hints)
    minimised_and_restored(h, menu, decoder)
    on_taskbar = "_NET_WM_STATE_SKIP_TASKBAR" not in h.atoms(menu, "_NET_WM_STATE")
    h.check(on_taskbar and h.prop(menu, "_NET_WM_ICON"), "the menu on the taskbar, with the icon")
    for column, row, name, taskbar in TOOLS:
        w = h.open_tool(menu, column, row, name)
        listed = w and ("_NET_WM_STATE_SKIP_TASKBAR" in h.atoms(w, "_NET_WM_STATE")) != taskbar
        listed_with_icon = listed and h.prop(w, "_NET_WM_ICON")
        h.check(listed_with_icon, "%r opened by its menu button: taskbar button %s, the icon" % (name, taskbar))
    app.terminate()
    app.wait()

    h.start(h.program, "-reverse", "-qwindowtitle", "Foo", "-platform", "offscreen")
    menu = h.menu_after_splash()
    time.sleep(0.5)
    h.check(menu and h.shot(menu) == pixels, "the toolkit's options are ignored: same menu, same pixels")
    without_display(h)


def minimised_and_restored(h, menu, decoder):
    centred = h.geometry(decoder)
    h.xdotool("windowmove", str(decoder.id), "30", "40")
    moved = h.geometry(decoder)
    h.on_top(decoder)
    h.xdotool("key", "Tab")  # to band 2, where the keyboard must still be after each restore
    h.tell_wm(decoder, "WM_CHANGE_STATE", 3)
    h.check(h.wait(lambda: h.window(DECODER_TITLE) is None), "the decoder minimised")
    h.on_top(menu)
    h.xdotool("key", "space")
    back = h.wait(lambda: h.stack()[-1] == decoder == h.window(DECODER_TITLE))
    h.check(back, "its menu button, pressed by the keyboard, brings it back")
    where = [centred, moved, h.geometry(decoder)]
    h.check(centred != moved == h.geometry(decoder), "moved, minimised and restored, it stays put: %s" % where)
    h.xdotool("key", "y")
    bands = [h.shot(decoder, x, 120, 1, 1)[0][0] for x in (150, 182)]
    painted = bands == [(255, 255, 192), (255, 255, 1)]
    h.check(painted, "the keyboard stays in band 2: 'y' paints it yellow, band 1 unpainted: %s" % bands)


def without_display(h):
    # The toolkit's other warnings still show.
    env = dict(os.environ, DISPLAY=":999", QT_SCALE_FACTOR_ROUNDING_POLICY="Bogus")
    out = subprocess.run([h.program], env=env, capture_output=True, text=True, timeout=20)
    expected = 'Unknown scale factor rounding policy: Bogus[^\n]*\nohmara: cannot open display ":999"\n'
    shown = out.returncode == 1 and re.fullmatch(expected, out.stderr)
    h.check(shown, "without a display: the toolkit's own warning, then one line, status 1: %r" % out.stderr)
    # Wayland is tried after X11: the line still says both failed.
    unset = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
    env = dict(unset, DISPLAY=":999", WAYLAND_DISPLAY="ohmara-none")
    out = subprocess.run([h.program], env=env, capture_output=True, text=True, timeout=20)
    expected = 'ohmara: cannot open Wayland display "ohmara-none", nor display ":999"\n'
    shown = out.returncode == 1 and out.stderr == expected
    h.check(shown, "without either display: one line for both, status 1: %r" % out.stderr)
