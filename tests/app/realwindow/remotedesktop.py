# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT

"""A user at a headless GNOME compositor, through mutter's own remote desktop and screen cast
interfaces, as GNOME's remote desktop has them: keys and the pointer go in as a user's, and the
screen comes out as the user would see it."""

import subprocess
import tempfile
import time

from Xlib import XK

MUTTER = "org.gnome.Mutter."
BUTTON_LEFT, SHIFT = 0x110, 42  # as the kernel numbers them
MODIFIERS = {"ctrl": "Control_L", "shift": "Shift_L", "alt": "Alt_L"}


def proxy(name, path, interface):
    """An object on the session bus, its methods called by their names."""
    from gi.repository import Gio

    return Gio.DBusProxy.new_for_bus_sync(Gio.BusType.SESSION, 0, None, name, path, interface, None)


class RemoteDesktop:
    def __init__(self, size):
        from gi.repository import GLib

        self.size = size
        desktop = MUTTER + "RemoteDesktop"
        path = proxy(desktop, "/org/gnome/Mutter/RemoteDesktop", desktop).CreateSession()
        self.session = proxy(desktop, path, desktop + ".Session")
        linked = {"remote-desktop-session-id": self.session.get_cached_property("SessionId")}
        cast = MUTTER + "ScreenCast"
        path = proxy(cast, "/org/gnome/Mutter/ScreenCast", cast).CreateSession("(a{sv})", linked)
        self.stream = proxy(cast, path, cast + ".Session").RecordMonitor("(sa{sv})", "", {})
        nodes = []
        added = lambda _, sender, signal, values: nodes.extend(values.unpack()[:1])
        stream = proxy(cast, self.stream, cast + ".Stream")
        stream.connect("g-signal", added)
        self.session.Start()
        end = time.time() + 10
        while not nodes and time.time() < end:
            GLib.MainContext.default().iteration(False)
            time.sleep(0.05)
        self.node = nodes[0]
        # The compositor makes the virtual keyboard at its first key, which goes nowhere: a Shift.
        for pressed in (True, False):
            self.session.NotifyKeyboardKeycode("(ub)", SHIFT, pressed)

    def key(self, combination, keymap):
        """One key, with its modifiers: "x", "Tab", "ctrl+a", "shift+Tab". The keys as the keyboard
        has them: keymap, an X display that has the compositor's keyboard map."""
        keysyms = [XK.string_to_keysym(MODIFIERS.get(name, name)) for name in combination.split("+")]
        # An X key code is the kernel's plus 8.
        keycodes = [keymap.keysym_to_keycode(keysym) - 8 for keysym in keysyms]
        for keycode in keycodes:
            self.session.NotifyKeyboardKeycode("(ub)", keycode, True)
        # Held as a typist holds a key: Orca 51 runs a key's command a moment after the press, and
        # its flat review takes a release already in as the end of its last command.
        time.sleep(0.05)
        for keycode in reversed(keycodes):
            self.session.NotifyKeyboardKeycode("(ub)", keycode, False)

    def move(self, x, y):
        self.session.NotifyPointerMotionAbsolute("(sdd)", self.stream, float(x), float(y))

    def click(self):
        for pressed in (True, False):
            self.session.NotifyPointerButton("(ib)", BUTTON_LEFT, pressed)

    def pixels(self, x, y, w, h):
        """The screen's pixels as rows of (r, g, b), from one frame of the screen cast."""
        width, height = map(int, self.size)
        with tempfile.NamedTemporaryFile() as frame:
            grab = ["gst-launch-1.0", "-q", "pipewiresrc", "path=%d" % self.node, "num-buffers=1", "!"]
            grab += ["videoconvert", "!", "video/x-raw,format=RGBx", "!", "filesink", "location=" + frame.name]
            subprocess.run(grab, check=True, timeout=20, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            raw = frame.read()
        assert len(raw) == width * height * 4, "a frame of %d bytes" % len(raw)
        row = lambda r: [tuple(raw[i : i + 3]) for i in range((r * width + x) * 4, (r * width + x + w) * 4, 4)]
        return [row(r) for r in range(y, y + h)]
