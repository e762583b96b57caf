# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT

"""The test's own display, desktop and processes, and what a user does and sees on them."""

import ctypes
import glob
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

import Xlib.error
from Xlib import X, display as xdisplay, protocol

from remotedesktop import RemoteDesktop, proxy

MENU_TITLE = "Ohmara V3.1"
SKIPPED = 77  # what ctest counts as a test skipped
DECODER_TITLE = "Colour Code to Value"


def open_display():
    """python-xlib keeps one table of extension events for all its displays: each gets its own."""
    protocol.display.Display.event_classes = protocol.event.event_class.copy()
    opened = xdisplay.Display()
    opened.display.event_classes = protocol.display.Display.event_classes
    return opened


class Harness:
    # Keys and clicks go to the test's own display, where a nested compositor takes them as a user's.
    SCREEN = ("1280", "1024")

    def __init__(self, program, wm):
        self.program, self.wm = program, wm
        self.failures, self.children = [], []
        self.runtime = self.home = self.input = self.remote = None
        self.dpy = self.root = self.screen = None

    def check(self, condition, what):
        print(("ok    " if condition else "FAIL  ") + what, flush=True)
        if not condition:
            self.failures.append(what)

    def wait(self, predicate, seconds=10.0):
        end = time.time() + seconds
        while time.time() < end:
            try:
                if predicate():
                    return predicate()
            except Exception:
                pass
            time.sleep(0.05)
        return None

    def start(self, *args, **kwargs):
        """A process that ends with this test, however it ends (PR_SET_PDEATHSIG: SIGKILL)."""
        kwargs = dict(dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL), **kwargs)
        die_with_test = lambda: ctypes.CDLL(None).prctl(1, signal.SIGKILL)
        self.children.append(subprocess.Popen(args, preexec_fn=die_with_test, **kwargs))
        return self.children[-1]

    # What the X server and the window manager say of a window.

    def prop(self, window, name):
        value = window.get_full_property(self.dpy.intern_atom(name), X.AnyPropertyType)
        return value.value if value else None

    def atoms(self, window, name):
        return {self.dpy.get_atom_name(a) for a in self.prop(window, name) or []}

    def title(self, window):
        return bytes(self.prop(window, "_NET_WM_NAME") or b"").decode()

    def stack(self):
        """The windows the window manager manages, bottom to top as it stacks them; xfwm4 lists a
        window there only once it has restacked a window, the others under them."""
        stacked = list(self.prop(self.root, "_NET_CLIENT_LIST_STACKING") or [])
        managed = [i for i in self.prop(self.root, "_NET_CLIENT_LIST") or [] if i not in stacked]
        return [self.dpy.create_resource_object("window", i) for i in managed + stacked]

    def window(self, name):
        """The viewable window of that title; one destroyed while looked at is none."""
        for w in self.stack():
            try:
                if self.title(w) == name and w.get_attributes().map_state == X.IsViewable:
                    return w
            except Xlib.error.XError:
                pass

    def geometry(self, window):
        g, at = window.get_geometry(), window.translate_coords(self.root, 0, 0)
        return -at.x, -at.y, g.width, g.height

    def shot(self, window, x=0, y=0, w=None, h=None):
        """The window's pixels as rows of (r, g, b), as they are on the display."""
        wx, wy, ww, wh = self.geometry(window)
        return self.pixels(self.root, wx + x, wy + y, w or ww, h or wh)

    def on_screen(self, window):
        """The screen the user sees shows the window as it draws itself, and goes on showing it:
        a compositor shows a new window a little later, and may fade it in."""
        x, y, w, h = self.geometry(window)
        for _ in range(2):
            time.sleep(0.3)
            if self.pixels(window, 0, 0, w, h) != self.pixels(self.screen, x, y, w, h):
                return False
        return True

    def pixels(self, window, x, y, w, h):
        """A window's pixels as rows of (r, g, b); the screen's, where a compositor has no X
        display to show it on, as its screen cast shows them."""
        if window == self.screen and self.remote:
            return self.remote.pixels(x, y, w, h)
        raw = window.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data
        return [[(raw[i + 2], raw[i + 1], raw[i]) for i in range(r * w * 4, (r + 1) * w * 4, 4)] for r in range(h)]

    def centred_with_frame(self, w):
        """Within 3 pixels, the window with the frame its window manager put around it."""
        sw, sh = self.root.get_geometry().width, self.root.get_geometry().height
        x, y, ww, wh = self.geometry(w)
        left, right, top, bottom = self.prop(w, "_NET_FRAME_EXTENTS") or [0] * 4
        off = (2 * (x - left) + ww + left + right - sw) / 2, (2 * (y - top) + wh + top + bottom - sh) / 2
        where = "%s, frame %s" % ([x, y, ww, wh], [left, right, top, bottom])
        return abs(off[0]) <= 3 and abs(off[1]) <= 3, where

    # What a user and the desktop do.

    def tell_wm(self, window, message, *data):
        words = (32, (list(data) + [0] * 5)[:5])
        event = protocol.event.ClientMessage(window=window, client_type=self.dpy.intern_atom(message), data=words)
        self.root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.dpy.flush()

    def xdotool(self, *args):
        if self.remote:
            self.remote_xdotool(*args)
        else:
            subprocess.run(["xdotool", *args], check=True, env=dict(os.environ, DISPLAY=self.input))
        time.sleep(0.3)

    def remote_xdotool(self, command, *args):
        """What the suites ask of xdotool, where the compositor takes a user's input itself."""
        if command == "mousemove":
            self.remote.move(*args[:2])
            if args[2:] == ("click", "1"):
                self.remote.click()
        elif command == "key":
            delay = float(args[1]) / 1000 if args[:1] == ("--delay",) else 0.05
            for key in args[2:] if args[:1] == ("--delay",) else args:
                self.remote.key(key, self.dpy)
                time.sleep(delay)
        else:
            raise NotImplementedError("xdotool %s through the compositor" % command)

    def click(self, window, x, y):
        wx, wy = self.geometry(window)[:2]
        self.xdotool("mousemove", str(wx + x), str(wy + y), "click", "1")

    def on_top(self, window):
        self.tell_wm(window, "_NET_ACTIVE_WINDOW", 2, X.CurrentTime)
        return self.wait(lambda: self.stack()[-1] == window)

    def splash(self):
        """The window without a title of its own: the toolkit names it after the program."""
        return self.wait(lambda: self.window("Ohmara"))

    def menu_after_splash(self):
        shown = self.splash()
        if shown:
            self.click(shown, 4, 4)
        return self.wait(lambda: self.window(MENU_TITLE))

    def open_tool(self, menu, column, row, name):
        self.on_top(menu)
        # A nested compositor may drop a click on a window it does not show yet, as under load.
        self.wait(lambda: self.on_screen(menu), 5)
        self.click(menu, 48 + 120 * column, 108 + 48 * row)
        return self.wait(lambda: self.window(name))

    def splash_has_keyboard(self, shown):
        active = lambda: self.prop(self.root, "_NET_ACTIVE_WINDOW")[0] == shown.id
        shown_with_keys = shown and self.wait(lambda: active() and self.on_screen(shown))
        self.check(shown_with_keys, "the splash on the screen, with the keyboard")

    def stacked(self, menu):
        """Screens without a taskbar button are no transients: the menu and later tools come above."""
        decoder = self.open_tool(menu, 1, 0, DECODER_TITLE)
        alone = decoder and self.prop(decoder, "WM_TRANSIENT_FOR") is None
        self.check(alone, "the decoder is transient for no other window")
        skips = {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}
        off_bars = decoder and skips <= self.atoms(decoder, "_NET_WM_STATE")
        self.check(off_bars, "the decoder is off the taskbar and pager")
        self.check(self.on_top(menu), "activating the menu brings it above the decoder")
        calculator = self.open_tool(menu, 0, 1, "Resistor/Capacitor Calculator")
        self.check(calculator, "the calculator opens from its menu button")
        on_top = calculator and self.wait(lambda: self.stack()[-1] == calculator)
        titles = [self.title(w) for w in self.stack()]
        self.check(on_top, "a calculator opened after the decoder comes on top: %s" % titles)
        return decoder, calculator

    @staticmethod
    def accessibility_on():
        from gi.repository import GLib

        status = proxy("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties")
        status.Set("(ssv)", "org.a11y.Status", "IsEnabled", GLib.Variant("b", True))

    # The display, the session bus's environment and the desktop.

    def start_display(self):
        r, w = os.pipe()
        screen = "x".join(self.SCREEN) + "x24"
        self.start("Xvfb", "-displayfd", str(w), "-screen", "0", screen, "-nolisten", "tcp", pass_fds=[w])
        os.close(w)
        os.environ["DISPLAY"] = self.input = ":" + os.read(r, 16).decode().strip()
        # What the session bus starts, the accessibility bus and its socket, the settings database,
        # belongs to this test alone.
        os.environ["XDG_RUNTIME_DIR"] = self.runtime = tempfile.mkdtemp()
        self.home = tempfile.mkdtemp()
        os.environ["XDG_CONFIG_HOME"] = self.home + "/.config"
        own = ("DISPLAY", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME")
        bus = proxy("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus")
        bus.UpdateActivationEnvironment("(a{ss})", {name: os.environ[name] for name in own})

    def start_desktop(self):
        """The window manager on the test's display; or a Wayland session on it, whose XWayland
        display the program and this test then use, the program with the session's environment."""
        # Desktops keep their settings under HOME: a folder of this test's, not the user's.
        env = dict(os.environ, HOME=self.home, KWIN_COMPOSE="N")
        self.dpy = open_display()
        self.screen = self.dpy.screen().root
        if (
            self.wm == "mutter"
            and "--x11" not in subprocess.run(["mutter", "--help"], capture_output=True, text=True).stdout
        ):
            print("skipped: this GNOME has no X11 session, its mutter only a Wayland compositor", flush=True)
            raise SystemExit(SKIPPED)
        if not self.wm.endswith("-wayland"):
            self.start(*{"kwin_x11": ["kwin_x11"], "mutter": ["mutter", "--x11"]}.get(self.wm, [self.wm]), env=env)
        else:
            self.start_wayland_session(env)
        self.root = self.dpy.screen().root
        managed = self.wait(lambda: self.prop(self.root, "_NET_SUPPORTING_WM_CHECK"), 30)
        self.check(managed, "%s manages the display" % self.wm)

    def start_wayland_session(self, env):
        sockets = set(os.listdir("/tmp/.X11-unix"))
        wayland = "wayland-ohmara-%d" % os.getpid()
        if self.wm == "gnome-wayland":
            # As GNOME runs, with no X display of its own: the screen cast goes through PipeWire.
            self.start("pipewire", env=env)
            self.start("wireplumber", env=env)
            monitor = ["--virtual-monitor", "x".join(self.SCREEN)]
            log = tempfile.NamedTemporaryFile()
            self.start("mutter", "--wayland", "--headless", *monitor, "--wayland-display", wayland, env=env, stderr=log)
            # Its XWayland: the display it says it opened, and the authority file it made.
            said = lambda: re.search(rb"Using public X11 display :(\d+)", open(log.name, "rb").read())
            new = self.wait(lambda: ["X" + said().group(1).decode()], 30)
            auth = self.wait(lambda: glob.glob(self.runtime + "/.mutter-Xwaylandauth.*"), 30)
        else:
            # Debian's kwin_wayland may raise its resource limits (file capability cap_sys_resource),
            # which a container refuses to run: a copy has no capability and does without.
            kwin = self.home + "/kwin_wayland"
            shutil.copyfile(shutil.which("kwin_wayland"), kwin)
            os.chmod(kwin, 0o755)
            size = ["--width", self.SCREEN[0], "--height", self.SCREEN[1]]
            options = ["--xwayland", "--socket", wayland, "--no-lockscreen", "--no-global-shortcuts"]
            self.start(kwin, "--x11-display", self.input, *size, *options, env=env)
            # Its XWayland: the first of the new sockets, and the authority file it made, if any.
            by_number = lambda name: int(name[1:])
            new = self.wait(lambda: sorted(set(os.listdir("/tmp/.X11-unix")) - sockets, key=by_number), 30)
            auth = glob.glob(self.runtime + "/xauth_*")
        started = new and (auth or self.wm != "gnome-wayland")
        self.check(started, "%s starts a Wayland session with XWayland: %s %s" % (self.wm, new, auth))
        if not started:
            raise SystemExit(1)
        os.environ.update(DISPLAY=":" + new[0][1:], WAYLAND_DISPLAY=wayland, XDG_SESSION_TYPE="wayland")
        if auth:
            os.environ.update(XAUTHORITY=auth[0])
        os.environ.pop("QT_QPA_PLATFORM", None)
        end = time.time() + 30
        while True:
            try:
                self.dpy = open_display()
                break
            except Exception:
                if time.time() > end:
                    raise
                time.sleep(0.1)
        if self.wm == "gnome-wayland":
            sessions = []
            self.wait(lambda: sessions or sessions.append(RemoteDesktop(self.SCREEN)), 30)
            self.remote = sessions[0] if sessions else None
            self.check(self.remote, "mutter takes a user's keys and pointer and casts its screen")

    def end(self):
        if self.remote:
            self.remote.session.Stop()  # mutter ends on a signal only with no remote session running
        for child in reversed(self.children):
            child.terminate()  # a speech server ends its speech modules with it
            try:
                child.wait(5)
            except subprocess.TimeoutExpired:
                child.kill()
                child.wait()
        for folder in (self.runtime, self.home):
            if folder:
                shutil.rmtree(folder, ignore_errors=True)
