"""realwindow.py PROGRAM SUITE [DESKTOP]: the real program on an X display of its own under a real
window manager, or in a GNOME Wayland session on it, in the test's D-Bus session, used as people use
it. SUITE: desktop, session (what every desktop must get right), a11y, dark, speech-decoders,
speech-encoders (what Orca says), start (the menu shows). DESKTOP: openbox (the default), xfwm4,
kwin_x11, mutter (GNOME's, on X11), gnome-wayland and plasma-wayland (mutter or kwin_wayland as a
Wayland compositor, the program through its XWayland, as a Wayland session starts it)."""

import ctypes
import glob
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import Xlib.error
from Xlib import X, display as xdisplay, protocol

PROGRAM, SUITE = sys.argv[1], sys.argv[2]
WM = sys.argv[3] if len(sys.argv) > 3 else "openbox"
failures, children, runtime, home = [], [], None, None
# Keys and clicks go to the test's own display, where a nested compositor takes them as a user's.
INPUT, SCREEN = None, ("1280", "1024")
pump = lambda: None


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    failures.extend([] if condition else [what])


def wait(predicate, seconds=10.0):
    end = time.time() + seconds
    while time.time() < end:
        pump()
        try:
            if predicate():
                return predicate()
        except Exception:
            pass
        time.sleep(0.05)
    return None


def start(*args, **kwargs):
    """A process that ends with this test, however it ends (PR_SET_PDEATHSIG: SIGKILL)."""
    kwargs = dict(dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL), **kwargs)
    children.append(subprocess.Popen(args, preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGKILL), **kwargs))
    return children[-1]


def prop(window, name):
    value = window.get_full_property(dpy.intern_atom(name), X.AnyPropertyType)
    return value.value if value else None


def atoms(window, name):
    return {dpy.get_atom_name(a) for a in prop(window, name) or []}


def title(window):
    return bytes(prop(window, "_NET_WM_NAME") or b"").decode()


def stack():
    """The windows the window manager manages, bottom to top as the X server stacks their frames;
    a window destroyed meanwhile is left out."""
    order = [w.id for w in root.query_tree().children]

    def frame(w):
        try:
            while w.query_tree().parent.id != root.id:
                w = w.query_tree().parent
            return order.index(w.id)
        except (Xlib.error.XError, ValueError):
            return None
    managed = [dpy.create_resource_object("window", w) for w in prop(root, "_NET_CLIENT_LIST") or []]
    return [w for place, w in sorted(((frame(w), w) for w in managed), key=lambda p: p[0] or 0) if place is not None]


def window(name):
    """The viewable window of that title; one destroyed while looked at is none."""
    for w in stack():
        try:
            if title(w) == name and w.get_attributes().map_state == X.IsViewable:
                return w
        except Xlib.error.XError:
            pass
    return None


def geometry(window):
    g, at = window.get_geometry(), window.translate_coords(root, 0, 0)
    return -at.x, -at.y, g.width, g.height


def tell_wm(window, message, *data):
    event = protocol.event.ClientMessage(window=window, client_type=dpy.intern_atom(message), data=(32, (list(data) + [0] * 5)[:5]))
    root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    dpy.flush()


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, env=dict(os.environ, DISPLAY=INPUT))
    time.sleep(0.3)


def click(window, x, y):
    wx, wy = geometry(window)[:2]
    xdotool("mousemove", str(wx + x), str(wy + y), "click", "1")


def on_screen(window):
    """The screen the user sees shows the window as it draws itself, and goes on showing it: a
    compositor shows a new window a little later, and may fade it in."""
    x, y, w, h = geometry(window)
    rgb = lambda image: bytes(b for i, b in enumerate(image.data) if i % 4 != 3)
    for _ in range(2):
        time.sleep(0.3)
        if rgb(window.get_image(0, 0, w, h, X.ZPixmap, 0xFFFFFFFF)) != rgb(screen.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF)):
            return False
    return True


def open_display():
    """python-xlib keeps one table of extension events for all its displays: each gets its own."""
    protocol.display.Display.event_classes = protocol.event.event_class.copy()
    opened = xdisplay.Display()
    opened.display.event_classes = protocol.display.Display.event_classes
    return opened


def shot(window, x=0, y=0, w=None, h=None):
    """The window's pixels as rows of (r, g, b), as they are on the display."""
    wx, wy, ww, wh = geometry(window)
    w, h = w or ww, h or wh
    raw = root.get_image(wx + x, wy + y, w, h, X.ZPixmap, 0xFFFFFFFF).data
    return [[(raw[i + 2], raw[i + 1], raw[i]) for i in range(r * w * 4, (r + 1) * w * 4, 4)] for r in range(h)]


def on_top(window):
    tell_wm(window, "_NET_ACTIVE_WINDOW", 2, X.CurrentTime)
    return wait(lambda: stack()[-1] == window)


def splash():
    """The window without a title of its own: the toolkit names it after the program."""
    return wait(lambda: window("Ohmara"))


def menu_after_splash():
    shown = splash()
    click(shown, 4, 4) if shown else None
    return wait(lambda: window("Ohmara V3.1"))


def open_tool(menu, column, row, name):
    on_top(menu)
    click(menu, 48 + 120 * column, 108 + 48 * row)
    return wait(lambda: window(name))


def stacked(menu):
    """Screens without a taskbar button are no transients: the menu and later tools come above."""
    decoder = open_tool(menu, 1, 0, "Colour Code to Value")
    check(decoder and prop(decoder, "WM_TRANSIENT_FOR") is None, "the decoder is transient for no other window")
    check(decoder and {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"} <= atoms(decoder, "_NET_WM_STATE"),
          "the decoder is off the taskbar and pager")
    check(on_top(menu), "activating the menu brings it above the decoder")
    calculator = open_tool(menu, 0, 1, "Resistor/Capacitor Calculator")
    check(calculator, "the calculator opens from its menu button")
    check(calculator and wait(lambda: stack()[-1] == calculator),
          "a calculator opened after the decoder comes on top: %s" % [title(w) for w in stack()])
    return decoder, calculator


def centred_with_frame(w):
    """Within 3 pixels, the window with the frame its window manager put around it."""
    sw, sh = root.get_geometry().width, root.get_geometry().height
    x, y, ww, wh = geometry(w)
    left, right, top, bottom = prop(w, "_NET_FRAME_EXTENTS") or [0] * 4
    off = (2 * (x - left) + ww + left + right - sw) / 2, (2 * (y - top) + wh + top + bottom - sh) / 2
    return abs(off[0]) <= 3 and abs(off[1]) <= 3, "%s, frame %s" % ([x, y, ww, wh], [left, right, top, bottom])


def session():
    """What every desktop must get right: the splash left by a key and by a click, the menu centred
    with its frame, a tool stacked under the activated menu, minimised and brought back, closed by
    the desktop as by its back button."""
    for how in ("key", "click"):
        xdotool("mousemove", "0", "0")  # a nested compositor draws the pointer on the screen
        app = start(PROGRAM)
        shown = splash()
        check(shown and wait(lambda: prop(root, "_NET_ACTIVE_WINDOW")[0] == shown.id and on_screen(shown)),
              "the splash on the screen, with the keyboard")
        check(shown and not any(prop(shown, "_NET_FRAME_EXTENTS") or []) and "_NET_WM_STATE_SKIP_TASKBAR" in atoms(shown, "_NET_WM_STATE"),
              "the splash without a frame, off the taskbar")
        xdotool("key", "x") if how == "key" else click(shown, 4, 4) if shown else None
        menu = wait(lambda: window("Ohmara V3.1"))
        check(menu and window("Ohmara") is None, "a %s leaves the splash for the menu" % how)
        if how == "key" and menu:
            centred, where = centred_with_frame(menu)
            check(centred, "the menu centred with its frame: %s" % where)
            decoder, calculator = stacked(menu)
            # Without a control box a window may be one the desktop neither minimises nor closes.
            allowed = atoms(decoder, "_NET_WM_ALLOWED_ACTIONS")
            tell_wm(decoder, "WM_CHANGE_STATE", 3)
            if wait(lambda: window("Colour Code to Value") is None, 2):
                open_tool(menu, 1, 0, "Colour Code to Value")
                check(wait(lambda: stack()[-1] == decoder == window("Colour Code to Value")), "minimised, its menu button brings it back")
            else:
                check("_NET_WM_ACTION_MINIMIZE" not in allowed, "%s minimises no window without a control box, as it says" % WM)
            tell_wm(decoder, "_NET_CLOSE_WINDOW", X.CurrentTime, 2)
            if wait(lambda: window("Colour Code to Value") is None, 2):
                check(window("Ohmara V3.1"), "closed by the desktop, the decoder goes back")
            else:
                check("_NET_WM_ACTION_CLOSE" not in allowed, "%s closes no window without a control box, as it says" % WM)
        # The desktop's close where it closes, else the quit button.
        tell_wm(menu, "_NET_CLOSE_WINDOW", X.CurrentTime, 2) if menu else None
        if menu and not wait(lambda: app.poll() is not None, 2):
            on_top(menu)
            click(menu, 160, 252)
        check(wait(lambda: app.poll() is not None) and app.returncode == 0, "the program ends: %s" % app.returncode)


def desktop():
    app = start(PROGRAM)
    sw, sh = root.get_geometry().width, root.get_geometry().height
    shown = splash()
    time.sleep(0.3)
    x, y, w, h = geometry(shown)
    check((w, h) == (492, 283) and abs(2 * x + w - sw) <= 2 and abs(2 * y + h - sh) <= 2, "splash centred: %s" % [x, y, w, h])
    check(not any(prop(shown, "_NET_FRAME_EXTENTS") or []) and prop(shown, "_NET_WM_ICON"), "splash without title bar, with the icon")
    menu = menu_after_splash()
    time.sleep(0.5)
    pixels = shot(menu)
    decoder, calculator = stacked(menu)
    centred, where = centred_with_frame(menu)
    check(geometry(menu)[2:] == (339, 266) and centred, "the menu, 339 x 266, centred with its frame: %s" % where)
    hints = prop(menu, "_MOTIF_WM_HINTS")
    check(hints is not None and hints[1] & 0x38 == 0, "no close, minimise or maximise button asked for: %s" % hints)

    # Results and lines as drawn: a long result whole on one line in its box, 97 x 17 at 40,136.
    dark = lambda p: sum(p) < 300
    for first, second, button, result in [("1", "2", (192, 16), "0.666666666666667"), ("0.22", "0.47", (80, 48), "0.149855072463768"),
                                          ("-1.23456789012346E+300", "0", (80, 16), "-1.23456789012346E+300"), ("100", "220", (192, 16), "68.75")]:
        click(calculator, 60, 97)
        xdotool("key", "ctrl+a", "type", "--", first)
        xdotool("key", "Tab", "ctrl+a", "type", "--", second)
        click(calculator, *button)
        box = shot(calculator, 40, 136, 97, 17)
        xs, ys = zip(*([(x, y) for y in range(1, 16) for x in range(1, 96) if dark(box[y][x])] or [(0, 0)]))
        check(min(xs) <= 3 and min(94, 5 * len(result)) - 10 <= max(xs) <= 94 and max(ys) <= 14,
              "%s and %s give %s, shown whole: ink x %s..%s" % (first, second, result, min(xs), max(xs)))
    centred = geometry(decoder)
    xdotool("windowmove", str(decoder.id), "30", "40")
    moved = geometry(decoder)
    on_top(decoder)
    xdotool("key", "Tab")  # to band 2, where the keyboard must still be after each restore
    for how in ("mouse", "keyboard"):
        tell_wm(decoder, "WM_CHANGE_STATE", 3)
        check(wait(lambda: window("Colour Code to Value") is None), "the decoder minimised (%s)" % how)
        if how == "mouse":
            open_tool(menu, 1, 0, "Colour Code to Value")
        else:
            on_top(menu)
            xdotool("key", "space")
        check(wait(lambda: stack()[-1] == decoder == window("Colour Code to Value")), "its menu button brings it back (%s)" % how)
    check(centred != moved == geometry(decoder), "moved, minimised and restored, it stays put: %s" % [centred, moved, geometry(decoder)])
    xdotool("key", "y")
    bands = [shot(decoder, x, 120, 1, 1)[0][0] for x in (150, 182)]
    check(bands == [(255, 255, 192), (255, 255, 1)], "the keyboard stays in band 2: 'y' paints it yellow, band 1 unpainted: %s" % bands)
    tell_wm(decoder, "_NET_CLOSE_WINDOW", X.CurrentTime, 2)
    check(wait(lambda: window("Colour Code to Value") is None) and window("Ohmara V3.1"), "closed by the window manager, the decoder goes back")
    check("_NET_WM_STATE_SKIP_TASKBAR" not in atoms(menu, "_NET_WM_STATE") and prop(menu, "_NET_WM_ICON"), "the menu on the taskbar, with the icon")
    for column, row, name, taskbar in [(0, 0, "Colour Codes list", True), (1, 0, "Colour Code to Value", False), (2, 0, "Value to Colours", True),
                                       (0, 1, "Resistor/Capacitor Calculator", True), (1, 1, "5 band colour code to value", False),
                                       (2, 1, "5 band value to colour code", False)]:
        w = open_tool(menu, column, row, name)
        check(w and ("_NET_WM_STATE_SKIP_TASKBAR" in atoms(w, "_NET_WM_STATE")) != taskbar and prop(w, "_NET_WM_ICON"),
              "%r opened by its menu button: taskbar button %s, the icon" % (name, taskbar))
    xdotool("mousemove", "0", "0")
    tell_wm(menu, "_NET_CLOSE_WINDOW", X.CurrentTime, 2)
    check(wait(lambda: app.poll() is not None) and app.returncode == 0, "closing the menu ends the program: %s" % app.returncode)

    start(PROGRAM, "-reverse", "-qwindowtitle", "Foo", "-platform", "offscreen")
    menu = menu_after_splash()
    time.sleep(0.5)
    check(menu and shot(menu) == pixels, "the toolkit's options are ignored: same menu, same pixels")
    # The toolkit's other warnings still show.
    out = subprocess.run([PROGRAM], env=dict(os.environ, DISPLAY=":999", QT_SCALE_FACTOR_ROUNDING_POLICY="Bogus"), capture_output=True, text=True, timeout=20)
    check(out.returncode == 1 and re.fullmatch('Unknown scale factor rounding policy: Bogus[^\n]*\nohmara: cannot open display ":999"\n', out.stderr),
          "without a display: the toolkit's own warning, then one line, status 1: %r" % out.stderr)
    # Wayland is tried after X11: the line still says both failed.
    unset = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
    out = subprocess.run([PROGRAM], env=dict(unset, DISPLAY=":999", WAYLAND_DISPLAY="ohmara-none"), capture_output=True, text=True, timeout=20)
    check(out.returncode == 1 and out.stderr == 'ohmara: cannot open Wayland display "ohmara-none", nor display ":999"\n',
          "without either display: one line for both, status 1: %r" % out.stderr)


def luminance(rgb):
    return sum(w * (c / 255 / 12.92 if c <= 10 else ((c / 255 + 0.055) / 1.055) ** 2.4) for w, c in zip((0.2126, 0.7152, 0.0722), rgb))


def dark():
    """Under GTK's dark Adwaita the chart's pale swatches keep their captions readable."""
    start(PROGRAM, env=dict(os.environ, QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME="Adwaita:dark"))
    chart = open_tool(menu_after_splash(), 0, 0, "Colour Codes list")
    time.sleep(0.5)
    for caption, top in [("gold", 312), ("no band", 344)]:
        box = [p for row in shot(chart, 25, top + 1, 47, 15) for p in row]
        background = luminance(max(set(box), key=box.count))
        ratio = max((max(luminance(p), background) + 0.05) / (min(luminance(p), background) + 0.05) for p in box)
        check(ratio >= 4.5, "%r reads at %.1f:1" % (caption, ratio))


def accessibility_on():
    subprocess.run(["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus", "--method",
                    "org.freedesktop.DBus.Properties.Set", "org.a11y.Status", "IsEnabled", "<true>"], check=True, stdout=subprocess.DEVNULL)


class Orca48(str):
    """What Orca 48 adds on "where am I" in a list and Orca 43 does not: the choice's position in the
    list, and the choice that the list last announced with its result, which Orca 48 reads back as
    the list's description (it speaks any new description of the control with the focus, so that is
    where the announcement goes)."""


# What Orca says, key by key, written down from what each screen shows. None: not checked (Orca may skip a
# focus that a quick next key moves on, so a step checks what its last key brings).
# The menu's welcome comes with the button that has the focus as the menu opens or comes back.
MENU = lambda button: ["Ohmara V3.1.", button + " {button}.", "welcome to Ohmara version 3.1, to begin click one of these buttons..."]
DECODERS = [("x", MENU("colour code list(s)")), ("Tab", ["4 band Colour code to value {button}."]),
            ("Return", ["Colour Code to Value.", "band 1 combo box."]),
            ("Down", ["brown. 1."]), ("Down", ["red. 2."]), ("Down", ["orange. 3."]), ("Down", ["yellow. 4."]),
            ("Tab", ["band 2 combo box.", "4."]), ("type purple", ["purple. 47."]),
            ("Tab", ["band 3 combo box.", "47."]), ("r", ["red. 4.7 kilo ohms."]),
            ("Tab", ["band 4 / tolerance combo box.", "4.7 kilo ohms."]),
            ("type gold", ["gold. 4.7 kilo ohms, 5 %, minimum 4.465 Kohm, maximum 4.935 Kohm."]),
            ("KP_Enter", ["band 4 / tolerance combo box.", "gold.", Orca48("4 of 4. gold."), "4.7 kilo ohms, 5 %, minimum 4.465 Kohm, maximum 4.935 Kohm."]),
            ("shift+Tab", ["band 3 combo box.", "red.", "4.7 kilo ohms, 5 %, minimum 4.465 Kohm, maximum 4.935 Kohm."]),
            ("Tab Tab", None), ("space", MENU("4 band Colour code to value")),
            ("Tab Tab", None), ("Tab", ["5 band colour code to value {button}."]),
            ("Return", ["5 band colour code to value.", "band 1 combo box."]),
            ("Down", ["brown. 1."]), ("Tab", None), ("b", ["black. 10."]), ("Tab", None), ("b", ["black. 100."]), ("Tab", None),
            ("b", ["black. 100 ohms."]), ("Down", ["brown. 1.00 kilo ohms."]), ("Tab", None),
            ("b", ["brown. 1.00 kilo ohms, 1 %, minimum 0.99 Kohm, maximum 1.01 Kohm."]),
            ("KP_Enter", ["band 5 tolerance combo box.", "brown.", Orca48("5 of 5. brown."), "1.00 kilo ohms, 1 %, minimum 0.99 Kohm, maximum 1.01 Kohm."])]
ENCODERS = [("x", MENU("colour code list(s)")), ("Tab", None), ("Tab", ["4 band Value to Colour code {button}."]),
            ("Return", ["Value to Colours.", "decimal point in front combo box."]),
            ("Tab", ["1st digit combo box."]), ("4", ["4. 4: Yellow."]), ("Tab Tab", None), ("7", ["7. 47: Yellow, Purple."]),
            ("Tab Down Down", None), ("Down", [" Kohm. 47 Kohm: Yellow, Purple, Orange."]), ("Tab Down Down", None),
            ("Down", ["5%. 47 Kohm 5%: Yellow, Purple, Orange, Gold; minimum 44.65 Kohm, maximum 49.35 Kohm."]),
            ("Tab", None), ("space", MENU("4 band Value to Colour code")),
            ("Tab Tab", None), ("Tab", ["5 band value to colour code {button}."]),
            ("Return", ["5 band value to colour code.", "1st digit combo box."]),
            ("4", ["4. 4: Yellow."]), ("Tab Tab 7 Tab Tab", None), ("0", ["0. 470: Yellow, Purple, black."]),
            ("Tab Down Down", None), ("Down", [" Kohm. 470 Kohm: Yellow, Purple, black, Orange."]), ("Tab", None),
            ("1", ["1%. 470 Kohm 1%: Yellow, Purple, black, Orange, Brown; minimum 465.3 Kohm, maximum 474.7 Kohm."]),
            ("Tab", None), ("space", MENU("5 band value to colour code")),
            ("shift+Tab", None), ("shift+Tab", ["resistor/capacitor calculator {button}."]),
            ("Return", ["Resistor/Capacitor Calculator.", "series resistors {button}."]),
            ("Tab Tab Tab Tab ctrl+a 4 period 7 Tab ctrl+a 1 0 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab", None),
            ("space", ["14.7."])]


SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{'")
# The test's own Orca settings: no echo of the keys it presses, no position in a list; the rest as
# Orca comes.
QUIET = {"enableKeyEcho": False, "enableEchoByCharacter": False, "enableEchoByWord": False,
         "enableEchoBySentence": False, "enablePositionSpeaking": False}
ORCA_SETTINGS = {"general": dict(QUIET, startingProfile=["Default", "default"]),
                 "profiles": {"default": dict(QUIET, profile=["Default", "default"])},
                 "pronunciations": {}, "keybindings": {}}


def words(utterances):
    """What a listener hears, word by word: the punctuation each Orca version adds or leaves out
    is no word."""
    return [w.strip(".,;:") for line in utterances for w in line.split() if w.strip(".,;:")]


def heard_as_expected(said, expected):
    """The words heard are the words expected, in each release's own role names, with or without
    what only Orca 48 tells."""
    from gi.repository import Atspi
    name = getattr(Atspi, "role_get_localized_name", Atspi.role_get_name)  # at-spi2-core 2.46 has no localized one
    roles = {"button": name(Atspi.Role.PUSH_BUTTON)}
    expected = [line.format(**roles) if not isinstance(line, Orca48) else line for line in expected]
    variants = [expected, [line for line in expected if not isinstance(line, Orca48)]]
    return words(said) in [words(variant) for variant in variants]


def own_pid_namespace(*command):
    """Orca will not start while it sees another Orca of the same user anywhere on the machine:
    in a PID namespace of its own, with a /proc of its own, it sees none. Without root, in a user
    namespace too. A chroot's / may be no mount point, whose propagation cannot change: the new
    /proc is kept from the rest of the machine by its own mount point."""
    user = [] if os.geteuid() == 0 else ["--user", "--map-current-user"]
    own_proc = 'mount --make-rprivate /proc 2>/dev/null || mount --make-rprivate /; mount -t proc proc /proc && exec "$@"'
    return ["unshare", *user, "--pid", "--fork", "--kill-child", "--mount", "--propagation", "unchanged", "--",
            "sh", "-c", own_proc, "sh", *command]


def speech(steps):
    """Orca itself, with its own speech server on a silent sound device, told what the keys do."""
    import pty, threading, tty
    home = tempfile.mkdtemp()
    try:
        os.makedirs(home + "/speechd")
        os.symlink("/etc/speech-dispatcher/modules", home + "/speechd/modules")
        with open(home + "/speechd/speechd.conf", "w") as conf:
            conf.write('AudioOutputMethod "alsa"\nAudioALSADevice "null"\nDefaultModule espeak-ng\n'
                       'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n')
        env = dict(os.environ, HOME=home, SPEECHD_ADDRESS="unix_socket:%s/speechd.sock" % home)
        start("speech-dispatcher", "-s", "-t", "0", "-c", "unix_socket", "-S", home + "/speechd.sock", "-C", home + "/speechd",
              "-L", home, env=env)
        # A terminal for Orca's debug log: Python writes it line by line there, not in blocks as to a file.
        master, log = pty.openpty()
        tty.setraw(log)
        said = []
        # OHMARA_ORCA_LOG=FILE keeps Orca's whole debug log, to see why it said what it said.
        keep = open(os.environ["OHMARA_ORCA_LOG"], "ab") if os.environ.get("OHMARA_ORCA_LOG") else None
        def listen(rest=b""):
            while chunk := os.read(master, 65536):
                keep.write(chunk) if keep else None
                *lines, rest = (rest + chunk).split(b"\n")
                said.extend(m.group(1) for m in map(SPOKEN.search, map(bytes.decode, lines)) if m)
        threading.Thread(target=listen, daemon=True).start()
        accessibility_on()
        os.makedirs(home + "/orca")
        with open(home + "/orca/user-settings.conf", "w") as conf:
            json.dump(ORCA_SETTINGS, conf)
        errors = tempfile.TemporaryFile()
        orca = start(*own_pid_namespace("orca", "--debug-file", os.ttyname(log), "-u", home + "/orca"),
                     env=env, stderr=errors)
        if not wait(lambda: "Screen reader on." in said or orca.poll() is not None, 30) or orca.poll() is not None:
            errors.seek(0)
            why = errors.read().decode(errors="replace").strip().splitlines()[-3:]
            check(False, "Orca speaks: it %s %s" % ("ended with %s" % orca.returncode if orca.poll() is not None
                                                    else "said nothing in 30 s", why))
            return
        start(PROGRAM)
        shown = splash()
        check(shown and wait(lambda: prop(root, "_NET_ACTIVE_WINDOW")[0] == shown.id and on_screen(shown)),
              "the splash on the screen, with the keyboard")
        for keys, expected in steps:
            del said[:]
            started = time.time()
            xdotool("type", "--delay", "150", keys[5:]) if keys.startswith("type ") else xdotool("key", "--delay", "100", *keys.split())
            if expected is None:
                # All its keys bring is spoken before the next step listens: Orca quiet for 1.5 s.
                quiet_since, count = time.time(), len(said)
                while time.time() - quiet_since < 1.5 and time.time() - started < 8:
                    time.sleep(0.05)
                    if len(said) != count:
                        quiet_since, count = time.time(), len(said)
                continue
            wait(lambda: heard_as_expected(said, expected), 8)
            wait(lambda: False, 0.6)
            check(heard_as_expected(said, expected), "%s: Orca says %s" % (keys, said))
    finally:
        shutil.rmtree(home, ignore_errors=True)


def a11y():
    global pump
    import pyatspi
    from gi.repository import GLib
    pump = lambda: [GLib.MainContext.default().iteration(False) for _ in range(50)]
    # What is announced: a notification shown (Qt 6.4), or an announcement or the new description of the
    # control with the focus (Qt 6.8).
    notices, announcements, told = [], [], []
    pyatspi.Registry.registerEventListener(lambda e: notices.append((e.source, e.source.name)) if e.detail1 and e.source.getRole() == pyatspi.ROLE_NOTIFICATION else None,
                                           "object:state-changed:showing")
    pyatspi.Registry.registerEventListener(lambda e: announcements.append((None, e.any_data)), "object:announcement")
    pyatspi.Registry.registerEventListener(lambda e: told.append((None, e.source.description)) if e.source.getState().contains(pyatspi.STATE_FOCUSED) else None,
                                           "object:property-change:accessible-description")
    accessibility_on()
    start(PROGRAM)
    app = lambda: next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Ohmara")
    win = lambda name: next((w for w in app() if w and w.name == name and w.getState().contains(pyatspi.STATE_SHOWING)), None)
    active = lambda name: win(name) and win(name).getState().contains(pyatspi.STATE_ACTIVE)

    def descendants(node, role=None):
        for child in node or []:
            if child is not None:
                yield from [child] if role in (None, child.getRole()) else []
                yield from descendants(child, role)

    check(wait(app, 30), "the program on the accessibility bus")
    check(wait(lambda: "Ohmara 3.1 logo: the version number over a small resistor" in [d.name for d in descendants(app(), pyatspi.ROLE_IMAGE)]), "the logo is an image")
    xdotool("key", "x")
    menu = wait(lambda: win("Ohmara V3.1"))
    focused = lambda: next((d for d in descendants(menu) if d.getState().contains(pyatspi.STATE_FOCUSED)), None)
    check(wait(lambda: focused().description.startswith("welcome to Ohmara version 3.1")), "the menu's welcome is the description of its focused button")

    # The four-band decoder by AT-SPI actions: lists named by band, their choice selected.
    next(d for d in descendants(menu, pyatspi.ROLE_PUSH_BUTTON) if d.name == "4 band Colour code to value").queryAction().doAction(0)
    w = wait(lambda: win("Colour Code to Value"))
    lists = list(descendants(w, pyatspi.ROLE_COMBO_BOX))
    for combo, item in zip(lists, ["yellow", "purple", "red", "gold"]):
        next(i for i in combo[0] if i.name == item).queryAction().doAction(0)
        check(wait(lambda: [i.name for i in combo[0] if i.getState().contains(pyatspi.STATE_SELECTED)] == [item], 3), "%s chooses %s" % (combo.name, item))
    check([c.name for c in lists] == ["band 1", "band 2", "band 3", "band 4 / tolerance"], "lists named by their band: %s" % [c.name for c in lists])
    spoken = "4.7 kilo ohms, 5 %, minimum 4.465 Kohm, maximum 4.935 Kohm"
    unfocused = next(c for c in lists if not c.getState().contains(pyatspi.STATE_FOCUSED))
    check(wait(lambda: unfocused.description == spoken), "the result offered whole: %r" % unfocused.description)
    minimum = next(d for d in descendants(w) if d.name == "4.465")
    heading = [r.getTarget(0).name for r in minimum.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    check(heading == ["minimum value"], "the minimum is labelled by its heading: %s" % heading)
    check(spoken in [d.name for d in descendants(w, pyatspi.ROLE_LABEL)], "the result area is named by the result")
    # Changes quicker than a screen reader reads them: each in a notice of its own.
    for kind in (notices, announcements, told):
        del kind[:]
    for item, count in [("red", 1), ("gold", 2)]:
        next(i for i in lists[3][0] if i.name == item).queryAction().doAction(0)
        wait(lambda: any(len(kind) >= count for kind in (notices, announcements, told)), 3)
    expected = ["red. 4.7 kilo ohms, 2 %, minimum 4.606 Kohm, maximum 4.794 Kohm", "gold. " + spoken]
    check(any([n for _, n in kind] == expected and (kind[0][0] is None or kind[0][0] != kind[1][0]) for kind in (notices, announcements, told)),
          "two announcements, each of its own: %s" % [notices, announcements, told])
    next(d for d in descendants(w, pyatspi.ROLE_PUSH_BUTTON)).queryAction().doAction(0)


def start_desktop():
    """The window manager on the test's display; or a GNOME Wayland session on it, whose XWayland
    display the program and this test then use, the program with the session's environment."""
    global dpy, root, screen
    # Desktops keep their settings under HOME: a folder of this test's, not the user's.
    env = dict(os.environ, HOME=home, KWIN_COMPOSE="N")
    dpy = open_display()
    screen = dpy.screen().root
    if not WM.endswith("-wayland"):
        start(*{"kwin_x11": ["kwin_x11"], "mutter": ["mutter", "--x11"]}.get(WM, [WM]), env=env)
    else:
        sockets = set(os.listdir("/tmp/.X11-unix"))
        wayland = "wayland-ohmara-%d" % os.getpid()
        if WM == "gnome-wayland":
            start("mutter", "--nested", "--wayland", "--wayland-display", wayland, env=dict(env, MUTTER_DEBUG_DUMMY_MODE_SPECS="x".join(SCREEN)))
        else:
            # Debian's kwin_wayland may raise its resource limits (file capability cap_sys_resource),
            # which a container refuses to run: a copy has no capability and does without.
            kwin = home + "/kwin_wayland"
            shutil.copyfile(shutil.which("kwin_wayland"), kwin)
            os.chmod(kwin, 0o755)
            start(kwin, "--x11-display", INPUT, "--width", SCREEN[0], "--height", SCREEN[1], "--xwayland", "--socket", wayland,
                  "--no-lockscreen", "--no-global-shortcuts", env=env)
        # Its XWayland: the first of the new sockets, and the authority file it made, if any.
        new = wait(lambda: sorted((set(os.listdir("/tmp/.X11-unix")) - sockets), key=lambda n: int(n[1:])), 30)
        auth = wait(lambda: glob.glob(runtime + "/.mutter-Xwaylandauth.*"), 30) if WM == "gnome-wayland" else glob.glob(runtime + "/xauth_*")
        check(new and (auth or WM != "gnome-wayland"), "%s starts a Wayland session with XWayland: %s %s" % (WM, new, auth))
        os.environ.update(DISPLAY=":" + new[0][1:], WAYLAND_DISPLAY=wayland, XDG_SESSION_TYPE="wayland")
        os.environ.update(XAUTHORITY=auth[0]) if auth else None
        os.environ.pop("QT_QPA_PLATFORM", None)
        end = time.time() + 30
        while True:
            try:
                dpy = open_display()
                break
            except Exception:
                if time.time() > end:
                    raise
                time.sleep(0.1)
    root = dpy.screen().root
    check(wait(lambda: prop(root, "_NET_SUPPORTING_WM_CHECK"), 30), "%s manages the display" % WM)


signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
try:
    r, w = os.pipe()
    start("Xvfb", "-displayfd", str(w), "-screen", "0", "x".join(SCREEN) + "x24", "-nolisten", "tcp", pass_fds=[w])
    os.close(w)
    os.environ["DISPLAY"] = INPUT = ":" + os.read(r, 16).decode().strip()
    # What the session bus starts, the accessibility bus and its socket, belongs to this test alone.
    os.environ["XDG_RUNTIME_DIR"] = runtime = tempfile.mkdtemp()
    subprocess.run(["gdbus", "call", "--session", "--dest", "org.freedesktop.DBus", "--object-path", "/org/freedesktop/DBus", "--method",
                    "org.freedesktop.DBus.UpdateActivationEnvironment", str({"DISPLAY": os.environ["DISPLAY"], "XDG_RUNTIME_DIR": runtime})],
                   check=True, stdout=subprocess.DEVNULL)
    home = tempfile.mkdtemp()
    start_desktop()
    xdotool("mousemove", "0", "0")
    {"desktop": desktop, "session": session, "a11y": a11y, "dark": dark,
     "speech-decoders": lambda: speech(DECODERS), "speech-encoders": lambda: speech(ENCODERS),
     "start": lambda: start(PROGRAM) and check(menu_after_splash(), "the menu shows")}[SUITE]()
finally:
    for child in reversed(children):
        child.terminate()  # a speech server ends its speech modules with it
        try:
            child.wait(5)
        except subprocess.TimeoutExpired:
            child.kill()
            child.wait()
    for folder in (runtime, home):
        shutil.rmtree(folder, ignore_errors=True) if folder else None
print("%d failed" % len(failures))
sys.exit(1 if failures else 0)
