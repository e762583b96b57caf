# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT

"""What every desktop must get right: the splash left by a key and by a click, the menu centred
with its frame, a tool stacked under the activated menu, minimised and brought back, closed by
the desktop as by its back button."""

from Xlib import X

from harness import DECODER_TITLE, MENU_TITLE


def run(h):
    for how in ("key", "click"):
        h.xdotool("mousemove", "0", "0")  # a nested compositor draws the pointer on the screen
        app = h.start(h.program)
        shown = h.splash()
        h.splash_has_keyboard(shown)
        frameless = shown and not any(h.prop(shown, "_NET_FRAME_EXTENTS") or [])
        off_taskbar = shown and "_NET_WM_STATE_SKIP_TASKBAR" in h.atoms(shown, "_NET_WM_STATE")
        h.check(frameless and off_taskbar, "the splash without a frame, off the taskbar")
        if how == "key":
            h.xdotool("key", "x")
        elif shown:
            h.click(shown, 4, 4)
        menu = h.wait(lambda: h.window(MENU_TITLE))
        h.check(menu and h.window("Ohmara") is None, "a %s leaves the splash for the menu" % how)
        if how == "key" and menu:
            centred, where = h.centred_with_frame(menu)
            h.check(centred, "the menu centred with its frame: %s" % where)
            minimised_and_closed(h, menu)
        # The desktop's close where it closes, else the quit button.
        if menu:
            h.tell_wm(menu, "_NET_CLOSE_WINDOW", X.CurrentTime, 2)
        if menu and not h.wait(lambda: app.poll() is not None, 2):
            h.on_top(menu)
            h.click(menu, 160, 252)
        h.check(h.wait(lambda: app.poll() is not None) and app.returncode == 0, "the program ends: %s" % app.returncode)


def minimised_and_closed(h, menu):
    decoder, _ = h.stacked(menu)
    # Without a control box a window may be one the desktop neither minimises nor closes.
    allowed = h.atoms(decoder, "_NET_WM_ALLOWED_ACTIONS")
    gone = lambda: h.window(DECODER_TITLE) is None
    h.tell_wm(decoder, "WM_CHANGE_STATE", 3)
    if h.wait(gone, 2):
        h.open_tool(menu, 1, 0, DECODER_TITLE)
        back = h.wait(lambda: h.stack()[-1] == decoder == h.window(DECODER_TITLE))
        h.check(back, "minimised, its menu button brings it back")
    else:
        refused = "_NET_WM_ACTION_MINIMIZE" not in allowed
        h.check(refused, "%s minimises no window without a control box, as it says" % h.wm)
    h.tell_wm(decoder, "_NET_CLOSE_WINDOW", X.CurrentTime, 2)
    if h.wait(gone, 2):
        h.check(h.window(MENU_TITLE), "closed by the desktop, the decoder goes back")
    else:
        h.check("_NET_WM_ACTION_CLOSE" not in allowed, "%s closes no window without a control box, as it says" % h.wm)
