# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT

"""The program as openbox shows it: the splash and the menu placed and decorated as designed, the
calculator's results whole, a tool minimised, moved and restored, each screen's taskbar button,
the toolkit's options ignored, and the one line a user reads without a display."""

import os
import re
import subprocess
import time

from Xlib import X

from harness import DECODER_TITLE, MENU_TITLE

# first, second, the button, the result: a long result whole on one line in its box
RESULTS = [
    ("1", "2", (192, 16), "0.666666666666667"),
    ("0.22", "0.47", (80, 48), "0.149855072463768"),
    ("-1.23456789012346E+300", "0", (80, 16), "-1.23456789012346E+300"),
    ("100", "220", (192, 16), "68.75"),
]
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
    sw, sh = h.root.get_geometry().width, h.root.get_geometry().height
    shown = h.splash()
    time.sleep(0.3)
    x, y, width, height = h.geometry(shown)
    centred = (width, height) == (492, 283) and abs(2 * x + width - sw) <= 2 and abs(2 * y + height - sh) <= 2
    h.check(centred, "splash centred: %s" % [x, y, width, height])
    frameless = not any(h.prop(shown, "_NET_FRAME_EXTENTS") or [])
    h.check(frameless and h.prop(shown, "_NET_WM_ICON"), "splash without title bar, with the icon")
    menu = h.menu_after_splash()
    time.sleep(0.5)
    pixels = h.shot(menu)
    decoder, calculator = h.stacked(menu)
    centred, where = h.centred_with_frame(menu)
    h.check(h.geometry(menu)[2:] == (339, 266) and centred, "the menu, 339 x 266, centred with its frame: %s" % where)
    hints = h.prop(menu, "_MOTIF_WM_HINTS")
    h.check(hints is not None and hints[1] & 0x38 == 0, "no close, minimise or maximise button asked for: %s" % hints)
    results_whole(h, calculator)
    minimised_and_restored(h, menu, decoder)
    h.tell_wm(decoder, "_NET_CLOSE_WINDOW", X.CurrentTime, 2)
    back = h.wait(lambda: h.window(DECODER_TITLE) is None) and h.window(MENU_TITLE)
    h.check(back, "closed by the window manager, the decoder goes back")
    on_taskbar = "_NET_WM_STATE_SKIP_TASKBAR" not in h.atoms(menu, "_NET_WM_STATE")
    h.check(on_taskbar and h.prop(menu, "_NET_WM_ICON"), "the menu on the taskbar, with the icon")
    for column, row, name, taskbar in TOOLS:
        w = h.open_tool(menu, column, row, name)
        listed = w and ("_NET_WM_STATE_SKIP_TASKBAR" in h.atoms(w, "_NET_WM_STATE")) != taskbar
        listed_with_icon = listed and h.prop(w, "_NET_WM_ICON")
        h.check(listed_with_icon, "%r opened by its menu button: taskbar button %s, the icon" % (name, taskbar))
    h.xdotool("mousemove", "0", "0")
    h.tell_wm(menu, "_NET_CLOSE_WINDOW", X.CurrentTime, 2)
    ended = h.wait(lambda: app.poll() is not None) and app.returncode == 0
    h.check(ended, "closing the menu ends the program: %s" % app.returncode)

    h.start(h.program, "-reverse", "-qwindowtitle", "Foo", "-platform", "offscreen")
    menu = h.menu_after_splash()
    time.sleep(0.5)
    h.check(menu and h.shot(menu) == pixels, "the toolkit's options are ignored: same menu, same pixels")
    without_display(h)


def results_whole(h, calculator):
    """Results and lines as drawn: a long result whole on one line in its box, 97 x 17 at 40,136."""
    dark = lambda p: sum(p) < 300
    for first, second, button, result in RESULTS:
        h.click(calculator, 60, 97)
        h.xdotool("key", "ctrl+a", "type", "--", first)
        h.xdotool("key", "Tab", "ctrl+a", "type", "--", second)
        h.click(calculator, *button)
        box = h.shot(calculator, 40, 136, 97, 17)
        xs, ys = zip(*([(x, y) for y in range(1, 16) for x in range(1, 96) if dark(box[y][x])] or [(0, 0)]))
        whole = min(xs) <= 3 and min(94, 5 * len(result)) - 10 <= max(xs) <= 94 and max(ys) <= 14
        h.check(whole, "%s and %s give %s, shown whole: ink x %s..%s" % (first, second, result, min(xs), max(xs)))


def minimised_and_restored(h, menu, decoder):
    centred = h.geometry(decoder)
    h.xdotool("windowmove", str(decoder.id), "30", "40")
    moved = h.geometry(decoder)
    h.on_top(decoder)
    h.xdotool("key", "Tab")  # to band 2, where the keyboard must still be after each restore
    for how in ("mouse", "keyboard"):
        h.tell_wm(decoder, "WM_CHANGE_STATE", 3)
        h.check(h.wait(lambda: h.window(DECODER_TITLE) is None), "the decoder minimised (%s)" % how)
        if how == "mouse":
            h.open_tool(menu, 1, 0, DECODER_TITLE)
        else:
            h.on_top(menu)
            h.xdotool("key", "space")
        back = h.wait(lambda: h.stack()[-1] == decoder == h.window(DECODER_TITLE))
        h.check(back, "its menu button brings it back (%s)" % how)
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
