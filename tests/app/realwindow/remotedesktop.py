# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT

"""A user at a headless GNOME compositor, through mutter's own remote desktop and screen cast
interfaces, as GNOME's remote desktop has them: keys and the pointer go in as a user's, and the
screen comes out as the user would see it."""

import os
import subprocess
import tempfile
import time

from Xlib import XK

REMOTE = ("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop")
CAST = ("org.gnome.Mutter.ScreenCast", "/org/gnome/Mutter/ScreenCast")
BUTTON_LEFT, SHIFT = 0x110, 42  # as the kernel numbers them
MODIFIERS = {"ctrl": "Control_L", "shift": "Shift_L", "alt": "Alt_L"}


class RemoteDesktop:
    def __init__(self, size):
        from gi.repository import Gio, GLib

        self.GLib, self.size = GLib, size
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        self.session = self.call(*REMOTE, "org.gnome.Mutter.RemoteDesktop", "CreateSession", None, "(o)")[0]
        session_id = self.call(
            REMOTE[0],
            self.session,
            "org.freedesktop.DBus.Properties",
            "Get",
            GLib.Variant("(ss)", ("org.gnome.Mutter.RemoteDesktop.Session", "SessionId")),
            "(v)",
        )[0]
        linked = GLib.Variant("(a{sv})", ({"remote-desktop-session-id": GLib.Variant("s", session_id)},))
        cast = self.call(*CAST, "org.gnome.Mutter.ScreenCast", "CreateSession", linked, "(o)")[0]
        monitor = GLib.Variant("(sa{sv})", ("", {}))
        self.stream = self.call(CAST[0], cast, "org.gnome.Mutter.ScreenCast.Session", "RecordMonitor", monitor, "(o)")[
            0
        ]
        nodes = []
        added = lambda *signal: nodes.append(signal[5].unpack()[0])
        self.bus.signal_subscribe(
            CAST[0], "org.gnome.Mutter.ScreenCast.Stream", "PipeWireStreamAdded", self.stream, None, 0, added
        )
        self.remote("Start")
        end = time.time() + 10
        while not nodes and time.time() < end:
            GLib.MainContext.default().iteration(False)
            time.sleep(0.05)
        self.node = nodes[0]
        # The compositor makes the virtual keyboard at its first key, which goes nowhere: a Shift.
        for pressed in (True, False):
            self.remote("NotifyKeyboardKeycode", SHIFT, pressed, signature="ub")

    def call(self, destination, path, interface, method, arguments, reply):
        GLib = self.GLib
        return self.bus.call_sync(
            destination, path, interface, method, arguments, GLib.VariantType(reply), 0, 10000, None
        ).unpack()

    def remote(self, method, *arguments, signature=""):
        values = self.GLib.Variant("(%s)" % signature, arguments) if signature else None
        self.call(REMOTE[0], self.session, "org.gnome.Mutter.RemoteDesktop.Session", method, values, "()")

    def stop(self):
        self.remote("Stop")

    def key(self, combination, keymap):
        """One key, with its modifiers: "x", "Tab", "ctrl+a", "shift+Tab". The keys as the keyboard
        has them: keymap, an X display that has the compositor's keyboard map."""
        keysyms = [XK.string_to_keysym(MODIFIERS.get(name, name)) for name in combination.split("+")]
        # An X key code is the kernel's plus 8.
        keycodes = [keymap.keysym_to_keycode(keysym) - 8 for keysym in keysyms]
        for keycode in keycodes:
            self.remote("NotifyKeyboardKeycode", keycode, True, signature="ub")
        # Held as a typist holds a key: Orca 51 runs a key's command a moment after the press, and
        # its flat review takes a release already in as the end of its last command.
        time.sleep(0.05)
        for keycode in reversed(keycodes):
            self.remote("NotifyKeyboardKeycode", keycode, False, signature="ub")

    def move(self, x, y):
        self.remote("NotifyPointerMotionAbsolute", self.stream, float(x), float(y), signature="sdd")

    def click(self):
        for pressed in (True, False):
            self.remote("NotifyPointerButton", BUTTON_LEFT, pressed, signature="ib")

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
