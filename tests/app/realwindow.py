"""realwindow.py PROGRAM SUITE [WINDOW_MANAGER]: the real program on an X display of its own under a
real window manager, in the test's D-Bus session, used as people use it. SUITE: desktop, stacking,
a11y, dark, speech-decoders, speech-encoders (what Orca says), start (the menu shows)."""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay, protocol

PROGRAM, SUITE = sys.argv[1], sys.argv[2]
WM = sys.argv[3] if len(sys.argv) > 3 else "openbox"
failures, children, runtime = [], [], None
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
    children.append(subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                     preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGKILL), **kwargs))
    return children[-1]


def prop(window, name):
    value = window.get_full_property(dpy.intern_atom(name), X.AnyPropertyType)
    return value.value if value else None


def atoms(window, name):
    return {dpy.get_atom_name(a) for a in prop(window, name) or []}


def title(window):
    return bytes(prop(window, "_NET_WM_NAME") or b"").decode()


def stack():
    """The windows the window manager manages, bottom to top as the X server stacks their frames."""
    order = [w.id for w in root.query_tree().children]

    def frame(w):
        while w.query_tree().parent.id != root.id:
            w = w.query_tree().parent
        return order.index(w.id)
    return sorted((dpy.create_resource_object("window", w) for w in prop(root, "_NET_CLIENT_LIST") or []), key=frame)


def window(name):
    return next((w for w in stack() if title(w) == name and w.get_attributes().map_state == X.IsViewable), None)


def geometry(window):
    g, at = window.get_geometry(), window.translate_coords(root, 0, 0)
    return -at.x, -at.y, g.width, g.height


def tell_wm(window, message, *data):
    event = protocol.event.ClientMessage(window=window, client_type=dpy.intern_atom(message), data=(32, (list(data) + [0] * 5)[:5]))
    root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    dpy.flush()


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)
    time.sleep(0.3)


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
    return wait(lambda: next(w for w in stack() if "_NET_WM_WINDOW_TYPE_SPLASH" in atoms(w, "_NET_WM_WINDOW_TYPE")))


def menu_after_splash():
    shown = splash()
    xdotool("mousemove", "--window", str(shown.id), "4", "4", "click", "1") if shown else None
    return wait(lambda: window("Ohmara V3.1"))


def open_tool(menu, column, row, name):
    on_top(menu)
    xdotool("mousemove", "--window", str(menu.id), str(48 + 120 * column), str(108 + 48 * row), "click", "1")
    return wait(lambda: window(name))


def stacked(menu):
    """Screens without a taskbar button are no transients: the menu and later tools come above."""
    decoder = open_tool(menu, 1, 0, "Colour Code to Value")
    check(decoder and prop(decoder, "WM_TRANSIENT_FOR") is None, "the decoder is transient for no other window")
    check(decoder and {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"} <= atoms(decoder, "_NET_WM_STATE"),
          "the decoder is off the taskbar and pager")
    check(on_top(menu), "activating the menu brings it above the decoder")
    calculator = open_tool(menu, 0, 1, "Resistor/Capacitor Calculator")
    check(wait(lambda: stack()[-1] == calculator), "a calculator opened after the decoder comes on top")
    return decoder, calculator


def stacking():
    start(PROGRAM)
    stacked(menu_after_splash())


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
    x, y, w, h = geometry(menu)
    left, right, top, bottom = prop(menu, "_NET_FRAME_EXTENTS")
    check((w, h) == (339, 266) and abs(2 * (x - left) + w + left + right - sw) <= 4 and abs(2 * (y - top) + h + top + bottom - sh) <= 4,
          "the menu, 339 x 266, centred with its frame: %s, frame %s" % ([x, y, w, h], [left, right, top, bottom]))
    hints = prop(menu, "_MOTIF_WM_HINTS")
    check(hints is not None and hints[1] & 0x38 == 0, "no close, minimise or maximise button asked for: %s" % hints)

    # Results and lines as drawn: a long result whole on one line in its box, 97 x 17 at 40,136.
    dark = lambda p: sum(p) < 300
    for first, second, button, result in [("1", "2", (192, 16), "0.666666666666667"), ("0.22", "0.47", (80, 48), "0.149855072463768"),
                                          ("-1.23456789012346E+300", "0", (80, 16), "-1.23456789012346E+300"), ("100", "220", (192, 16), "68.75")]:
        xdotool("mousemove", "--window", str(calculator.id), "60", "97", "click", "1", "key", "ctrl+a", "type", "--", first)
        xdotool("key", "Tab", "ctrl+a", "type", "--", second)
        xdotool("mousemove", "--window", str(calculator.id), *map(str, button), "click", "1")
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


# What Orca says, key by key, written down from what each screen shows. None: not checked (Orca may skip a
# focus that a quick next key moves on, so a step checks what its last key brings).
MENU = lambda button: ["Ohmara V3.1.", "welcome to Ohmara version 3.1, to begin click one of these buttons...", button + " push button."]
DECODERS = [("x", MENU("colour code list(s)")), ("Tab", ["4 band Colour code to value push button."]),
            ("Return", ["Colour Code to Value.", "band 1 combo box."]),
            ("Down", ["brown. 1."]), ("Down", ["red. 2."]), ("Down", ["orange. 3."]), ("Down", ["yellow. 4."]),
            ("Tab", ["band 2 combo box.", "4."]), ("type purple", ["purple. 47."]),
            ("Tab", ["band 3 combo box.", "47."]), ("r", ["red. 4.7 kilo ohms."]),
            ("Tab", ["band 4 / tolerance combo box.", "4.7 kilo ohms."]),
            ("type gold", ["gold. 4.7 kilo ohms, 5 %, minimum 4.465 Kohm, maximum 4.935 Kohm."]),
            ("KP_Enter", ["band 4 / tolerance combo box.", "gold.", "4.7 kilo ohms, 5 %, minimum 4.465 Kohm, maximum 4.935 Kohm."]),
            ("shift+Tab", ["band 3 combo box.", "red.", "4.7 kilo ohms, 5 %, minimum 4.465 Kohm, maximum 4.935 Kohm."]),
            ("Tab Tab", None), ("space", MENU("4 band Colour code to value")),
            ("Tab Tab", None), ("Tab", ["5 band colour code to value push button."]),
            ("Return", ["5 band colour code to value.", "band 1 combo box."]),
            ("Down", ["brown. 1."]), ("Tab", None), ("b", ["black. 10."]), ("Tab", None), ("b", ["black. 100."]), ("Tab", None),
            ("b", ["black. 100 ohms."]), ("Down", ["brown. 1.00 kilo ohms."]), ("Tab", None),
            ("b", ["brown. 1.00 kilo ohms, 1 %, minimum 0.99 Kohm, maximum 1.01 Kohm."]),
            ("KP_Enter", ["band 5 tolerance combo box.", "brown.", "1.00 kilo ohms, 1 %, minimum 0.99 Kohm, maximum 1.01 Kohm."])]
ENCODERS = [("x", MENU("colour code list(s)")), ("Tab", None), ("Tab", ["4 band Value to Colour code push button."]),
            ("Return", ["Value to Colours.", "decimal point in front combo box."]),
            ("Tab", ["1st digit combo box."]), ("4", ["4. 4: Yellow."]), ("Tab Tab", None), ("7", ["7. 47: Yellow, Purple."]),
            ("Tab Down Down", None), ("Down", [" Kohm. 47 Kohm: Yellow, Purple, Orange."]), ("Tab Down Down", None),
            ("Down", ["5%. 47 Kohm 5%: Yellow, Purple, Orange, Gold; minimum 44.65 Kohm, maximum 49.35 Kohm."]),
            ("Tab", None), ("space", MENU("4 band Value to Colour code")),
            ("Tab Tab", None), ("Tab", ["5 band value to colour code push button."]),
            ("Return", ["5 band value to colour code.", "1st digit combo box."]),
            ("4", ["4. 4: Yellow."]), ("Tab Tab 7 Tab Tab", None), ("0", ["0. 470: Yellow, Purple, black."]),
            ("Tab Down Down", None), ("Down", [" Kohm. 470 Kohm: Yellow, Purple, black, Orange."]), ("Tab", None),
            ("1", ["1%. 470 Kohm 1%: Yellow, Purple, black, Orange, Brown; minimum 465.3 Kohm, maximum 474.7 Kohm."]),
            ("Tab", None), ("space", MENU("5 band value to colour code")),
            ("shift+Tab", None), ("shift+Tab", ["resistor/capacitor calculator push button."]),
            ("Return", ["Resistor/Capacitor Calculator.", "series resistors push button."]),
            ("Tab Tab Tab Tab ctrl+a 4 period 7 Tab ctrl+a 1 0 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab", None),
            ("space", ["14.7."])]


SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{'")


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
        def listen(rest=b""):
            while chunk := os.read(master, 65536):
                *lines, rest = (rest + chunk).split(b"\n")
                said.extend(m.group(1) for m in map(SPOKEN.search, map(bytes.decode, lines)) if m)
        threading.Thread(target=listen, daemon=True).start()
        accessibility_on()
        start("orca", "--debug-file", os.ttyname(log), "-u", home + "/orca", env=env)
        check(wait(lambda: "Screen reader on." in said, 30), "Orca speaks")
        start(PROGRAM)
        shown = splash()
        check(shown and wait(lambda: prop(root, "_NET_ACTIVE_WINDOW")[0] == shown.id), "the splash has the keyboard")
        for keys, expected in steps:
            del said[:]
            xdotool("type", "--delay", "150", keys[5:]) if keys.startswith("type ") else xdotool("key", "--delay", "100", *keys.split())
            # Orca's own echo of the keys ends in a blank.
            heard = lambda: [line for line in said if not line.endswith(" ")]
            wait(lambda: expected is None or heard() == expected, 8)
            wait(lambda: False, 0.6)
            check(expected is None or heard() == expected, "%s: Orca says %s" % (keys, heard()))
    finally:
        shutil.rmtree(home, ignore_errors=True)


def a11y():
    global pump
    import pyatspi
    from gi.repository import GLib
    pump = lambda: [GLib.MainContext.default().iteration(False) for _ in range(50)]
    events = []
    pyatspi.Registry.registerEventListener(lambda e: events.append((e.source, e.source.name)) if e.detail1 and e.source.getRoleName() == "notification" else None,
                                           "object:state-changed:showing")
    accessibility_on()
    start(PROGRAM)
    app = lambda: next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Ohmara")
    win = lambda name: next((w for w in app() if w and w.name == name and w.getState().contains(pyatspi.STATE_SHOWING)), None)
    active = lambda name: win(name) and win(name).getState().contains(pyatspi.STATE_ACTIVE)

    def descendants(node, role=None):
        for child in node or []:
            if child is not None:
                yield from [child] if role in (None, child.getRoleName()) else []
                yield from descendants(child, role)

    check(wait(app, 30), "the program on the accessibility bus")
    check(wait(lambda: "Ohmara 3.1 logo: the version number over a small resistor" in [d.name for d in descendants(app(), "image")]), "the logo is an image")
    xdotool("key", "x")
    menu = wait(lambda: win("Ohmara V3.1"))
    check(menu and menu.description.startswith("welcome to Ohmara version 3.1"), "the menu's welcome is its description")

    # The four-band decoder by AT-SPI actions: lists named by band, their choice selected.
    next(d for d in descendants(menu, "push button") if d.name == "4 band Colour code to value").queryAction().doAction(0)
    w = wait(lambda: win("Colour Code to Value"))
    lists = list(descendants(w, "combo box"))
    for combo, item in zip(lists, ["yellow", "purple", "red", "gold"]):
        next(i for i in combo[0] if i.name == item).queryAction().doAction(0)
        check(wait(lambda: [i.name for i in combo[0] if i.getState().contains(pyatspi.STATE_SELECTED)] == [item], 3), "%s chooses %s" % (combo.name, item))
    check([c.name for c in lists] == ["band 1", "band 2", "band 3", "band 4 / tolerance"], "lists named by their band: %s" % [c.name for c in lists])
    spoken = "4.7 kilo ohms, 5 %, minimum 4.465 Kohm, maximum 4.935 Kohm"
    check(wait(lambda: lists[0].description == spoken), "the result offered whole: %r" % lists[0].description)
    minimum = next(d for d in descendants(w) if d.name == "4.465")
    heading = [r.getTarget(0).name for r in minimum.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    check(heading == ["minimum value"], "the minimum is labelled by its heading: %s" % heading)
    check(spoken in [d.name for d in descendants(w, "label")], "the result area is named by the result")
    # Changes quicker than a screen reader reads them: each in a notice of its own.
    del events[:]
    for item, count in [("red", 1), ("gold", 2)]:
        next(i for i in lists[3][0] if i.name == item).queryAction().doAction(0)
        wait(lambda: len(events) >= count, 3)
    check([n for _, n in events] == ["red. 4.7 kilo ohms, 2 %, minimum 4.606 Kohm, maximum 4.794 Kohm", "gold. " + spoken]
          and events[0][0] != events[1][0], "two announcements in two notices: %s" % events)
    next(d for d in descendants(w, "push button")).queryAction().doAction(0)


signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
try:
    r, w = os.pipe()
    start("Xvfb", "-displayfd", str(w), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", pass_fds=[w])
    os.close(w)
    os.environ["DISPLAY"] = ":" + os.read(r, 16).decode().strip()
    # What the session bus starts, the accessibility bus and its socket, belongs to this test alone.
    os.environ["XDG_RUNTIME_DIR"] = runtime = tempfile.mkdtemp()
    subprocess.run(["gdbus", "call", "--session", "--dest", "org.freedesktop.DBus", "--object-path", "/org/freedesktop/DBus", "--method",
                    "org.freedesktop.DBus.UpdateActivationEnvironment", str({"DISPLAY": os.environ["DISPLAY"], "XDG_RUNTIME_DIR": runtime})],
                   check=True, stdout=subprocess.DEVNULL)
    dpy = xdisplay.Display()
    root = dpy.screen().root
    start(WM)
    check(wait(lambda: prop(root, "_NET_SUPPORTING_WM_CHECK")), "%s manages the display" % WM)
    xdotool("mousemove", "0", "0")
    {"desktop": desktop, "stacking": stacking, "a11y": a11y, "dark": dark,
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
    shutil.rmtree(runtime, ignore_errors=True) if runtime else None
print("%d failed" % len(failures))
sys.exit(1 if failures else 0)
