"""The real program on an X display of its own under a real window manager, in the private D-Bus
session the test runs in, used as a user and a screen reader use it.

Usage: realwindow.py desktop|pixels|a11y PROGRAM [WINDOW_MANAGER]"""

import os
import subprocess
import sys
import time

from Xlib import X, display as xdisplay, protocol

SUITE, PROGRAM = sys.argv[1], sys.argv[2]
WM = sys.argv[3] if len(sys.argv) > 3 else "openbox"
failures, children = [], []
pump = lambda: None


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def wait(predicate, seconds=10.0):
    end = time.time() + seconds
    while time.time() < end:
        pump()
        try:
            result = predicate()
            if result:
                return result
        except Exception:
            pass
        time.sleep(0.05)
    return None


def start(args, **kwargs):
    child = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)
    children.append(child)
    return child


def prop(window, name):
    value = window.get_full_property(dpy.intern_atom(name), X.AnyPropertyType)
    return value.value if value else None


def atoms(window, name):
    return {dpy.get_atom_name(a) for a in prop(window, name) or []}


def title(window):
    name = prop(window, "_NET_WM_NAME")
    return name.decode() if isinstance(name, bytes) else ""


def stacking():
    return [dpy.create_resource_object("window", w) for w in prop(root, "_NET_CLIENT_LIST_STACKING") or []]


def window(name):
    return next((w for w in stacking() if title(w) == name and viewable(w)), None)


def viewable(window):
    return window.get_attributes().map_state == X.IsViewable


def geometry(window):
    g = window.get_geometry()
    at = window.translate_coords(root, 0, 0)
    return -at.x, -at.y, g.width, g.height


def tell_wm(window, message, *data):
    event = protocol.event.ClientMessage(window=window, client_type=dpy.intern_atom(message),
                                         data=(32, (list(data) + [0] * 5)[:5]))
    root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    dpy.flush()


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True)
    time.sleep(0.3)


def click(window, x, y):
    subprocess.run(["xdotool", "mousemove", "--window", str(window.id), str(x), str(y), "click", "1"], check=True)
    time.sleep(0.3)


def shot(window, x=0, y=0, w=None, h=None):
    """The window's pixels as rows of (r, g, b), as they are on the display."""
    wx, wy, ww, wh = geometry(window)
    w, h = w or ww, h or wh
    raw = root.get_image(wx + x, wy + y, w, h, X.ZPixmap, 0xFFFFFFFF).data
    return [[(raw[i + 2], raw[i + 1], raw[i]) for i in range((r * w) * 4, (r * w + w) * 4, 4)] for r in range(h)]


def program(*args, env=None):
    return start([PROGRAM, *args], env=env)


def past_splash():
    wait(lambda: any(title(w) == "" and viewable(w) for w in stacking()))
    key("x")
    return wait(lambda: window("Ohmara V3.1"))


def open_tool(menu, button, name):
    """The menu's buttons by their design positions: (column, row) in the 3 x 2 grid."""
    tell_wm(menu, "_NET_ACTIVE_WINDOW", 2, X.CurrentTime)
    wait(lambda: stacking()[-1] == menu)
    column, row = button
    click(menu, 48 + 120 * column, 108 + 48 * row)
    return wait(lambda: window(name))


def desktop():
    app = program()
    splash = wait(lambda: next((w for w in stacking() if "_NET_WM_WINDOW_TYPE_SPLASH" in atoms(w, "_NET_WM_WINDOW_TYPE")), None))
    if not check(splash is not None, "the splash shows as a splash window"):
        return
    x, y, w, h = geometry(splash)
    sw, sh = root.get_geometry().width, root.get_geometry().height
    check((w, h) == (492, 283) and abs(x + w / 2 - sw / 2) <= 1 and abs(y + h / 2 - sh / 2) <= 1,
          "splash centred, 492 x 283: %s" % [x, y, w, h])
    check(not any(prop(splash, "_NET_FRAME_EXTENTS") or []) and prop(splash, "_NET_WM_ICON"), "splash without title bar, with the icon")
    key("x")
    menu = wait(lambda: window("Ohmara V3.1"))
    if not check(menu is not None, "a key leaves the splash for the menu"):
        return
    x, y, w, h = geometry(menu)
    left, right, top, bottom = prop(menu, "_NET_FRAME_EXTENTS")
    check((w, h) == (339, 266), "menu client 339 x 266: %s" % [w, h])
    check(abs(x - left + (w + left + right) / 2 - sw / 2) <= 2 and abs(y - top + (h + top + bottom) / 2 - sh / 2) <= 2,
          "menu centred with its frame: %s, frame %s" % ([x, y, w, h], [left, right, top, bottom]))
    hints = prop(menu, "_MOTIF_WM_HINTS")
    check(hints is not None and hints[1] & 0x38 == 0, "no close, minimise or maximise button: %s" % hints)
    time.sleep(0.5)
    menu_pixels = shot(menu)

    decoder = open_tool(menu, (1, 0), "Colour Code to Value")
    check(decoder is not None, "the four-band decoder opens")
    check(prop(decoder, "WM_TRANSIENT_FOR") is None, "decoder transient for no other window")
    check({"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"} <= atoms(decoder, "_NET_WM_STATE"),
          "decoder off the taskbar and pager: %s" % atoms(decoder, "_NET_WM_STATE"))
    tell_wm(menu, "_NET_ACTIVE_WINDOW", 2, X.CurrentTime)
    check(wait(lambda: stacking()[-1] == menu), "activating the menu brings it above the decoder")
    calculator = open_tool(menu, (0, 1), "Resistor/Capacitor Calculator")
    check(wait(lambda: stacking()[-1] == calculator), "a calculator opened after the decoder comes on top")
    for w in (menu, decoder, calculator):
        check(prop(w, "_NET_WM_ICON"), "%r carries the program's icon" % title(w))

    for how in ("mouse", "keyboard"):
        tell_wm(decoder, "WM_CHANGE_STATE", 3)
        check(wait(lambda: not viewable(decoder)), "the decoder minimised (%s)" % how)
        if how == "mouse":
            open_tool(menu, (1, 0), "Colour Code to Value")
        else:
            tell_wm(menu, "_NET_ACTIVE_WINDOW", 2, X.CurrentTime)
            wait(lambda: stacking()[-1] == menu)
            key("space")
        check(wait(lambda: viewable(decoder) and stacking()[-1] == decoder), "its menu button brings it back (%s)" % how)

    tell_wm(decoder, "_NET_CLOSE_WINDOW", X.CurrentTime, 2)
    check(wait(lambda: window("Colour Code to Value") is None) and window("Ohmara V3.1"),
          "closing the decoder through the window manager goes back to the menu")
    tell_wm(menu, "_NET_CLOSE_WINDOW", X.CurrentTime, 2)
    check(wait(lambda: app.poll() is not None) and app.returncode == 0, "closing the menu ends the program: %s" % app.returncode)

    subprocess.run(["xdotool", "mousemove", "0", "0"], check=True)
    app = program("-reverse", "-qwindowtitle", "Foo", "-platform", "offscreen")
    menu = past_splash()
    time.sleep(0.5)
    check(menu is not None and shot(menu) == menu_pixels, "the toolkit's options are ignored: same menu, same pixels")
    app.kill()

    env = dict(os.environ, DISPLAY=":999")
    out = subprocess.run([PROGRAM], env=env, capture_output=True, text=True, timeout=20)
    check(out.returncode == 1 and out.stderr.strip().splitlines() == ['ohmara: cannot open display ":999"'],
          "without a display: one line, status 1: %s %r" % (out.returncode, out.stderr))


def pixels():
    app = program()
    menu = past_splash()
    dark = lambda p: sum(p) < 300
    calculator = open_tool(menu, (0, 1), "Resistor/Capacitor Calculator")
    buttons = {"series resistors": (80, 16), "parallel resistors": (192, 16), "series capacitors": (80, 48)}
    for first, second, button, result in [("1", "2", "parallel resistors", "0.666666666666667"),
                                          ("0.22", "0.47", "series capacitors", "0.149855072463768"),
                                          ("-1.23456789012346E+300", "0", "series resistors", "-1.23456789012346E+300"),
                                          ("100", "220", "parallel resistors", "68.75")]:
        click(calculator, 60, 97)
        key("ctrl+a")
        subprocess.run(["xdotool", "type", "--", first], check=True)
        key("Tab", "ctrl+a")
        subprocess.run(["xdotool", "type", "--", second], check=True)
        click(calculator, *buttons[button])
        # the result box, 97 x 17 at 40,136: a border, then the text on one line
        box = shot(calculator, 40, 136, 97, 17)
        ink = [(x, y) for y in range(1, 16) for x in range(1, 96) if dark(box[y][x])]
        xs, ys = [x for x, _ in ink] or [0], [y for _, y in ink] or [0]
        check(min(xs) <= 3 and min(94, 5 * len(result)) - 10 <= max(xs) <= 94 and max(ys) <= 14,
              "%s, %s, %s: %s shows whole in its box, ink x %s..%s" % (first, second, button, result, min(xs), max(xs)))
    decoder = open_tool(menu, (1, 0), "Colour Code to Value")
    image = shot(decoder)
    for x1, y1, x2, y2 in [(136, 88, 88, 80), (160, 72, 168, 88), (224, 96, 224, 72), (272, 88, 328, 72)]:
        for x, y in ((x1, y1), (x2, y2)):
            check(dark(image[y][x]) or image[y][x] != image[40][540], "line end (%d,%d) drawn or covered" % (x, y))
    app.kill()


def a11y():
    global pump
    import pyatspi
    from gi.repository import GLib
    pump = lambda: [GLib.MainContext.default().iteration(False) for _ in range(50)]
    events = []
    pyatspi.Registry.registerEventListener(lambda e: events.append((e.source, e.source.description)), "object:property-change:accessible-description")
    subprocess.run(["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus", "--method",
                    "org.freedesktop.DBus.Properties.Set", "org.a11y.Status", "IsEnabled", "<true>"], check=True, stdout=subprocess.DEVNULL)
    program()

    def app():
        return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Ohmara"), None)

    def descendants(node):
        for child in node or []:
            if child is not None:
                yield child
                yield from descendants(child)

    def named(role):
        return lambda node: [d.name for d in descendants(node) if d.getRoleName() == role]

    def win(name):
        return next((w for w in app() or [] if w and w.name == name and w.getState().contains(pyatspi.STATE_SHOWING)), None)

    def press(node, name):
        node = next(d for d in descendants(node) if d.getRoleName() == "push button" and d.name == name)
        node.queryAction().doAction(0)

    def focused():
        return next((d for d in descendants(app()) if d.getState().contains(pyatspi.STATE_FOCUSED)), None)

    labels, buttons, combos = named("label"), named("push button"), named("combo box")
    check(wait(app, 30) is not None, "the program on the accessibility bus")
    for text in ["minor release 1 revison 0", "have fun with resistors :-)", "Now with 5 band resistor support"]:
        check(wait(lambda: text in labels(app())), "splash label %r" % text)
    check({"Ohmara 3.1 logo: the version number over a small resistor"} <= set(named("image")(app())), "the logo is an image")
    key("x")
    menu = wait(lambda: win("Ohmara V3.1"))
    check(menu is not None and menu.description.startswith("welcome to Ohmara version 3.1"), "the menu's welcome is its description")
    check(set(buttons(menu)) >= {"colour code list(s)", "5 band value to colour code", "Quit Ohmara"}, "menu buttons")
    for button, name, texts, lists, back in [
            ("colour code list(s)", "Colour Codes list", ["tolerence", "1% tol.", "x0.01"], [], "back to main screen"),
            ("4 band Value to Colour code", "Value to Colours", ["Minimum value"], ["decimal point in front", "1st digit", "decimal point or letter", "2nd digit", "unit", "tolerance"], "back to main window"),
            ("5 band colour code to value", "5 band colour code to value", ["value of resistor"], ["band 1", "band 2", "band 3", "band 4 multiplier", "band 5 tolerance"], "back to main screen"),
            ("5 band value to colour code", "5 band value to colour code", [" D.P.", "1st digit"], ["1st digit", "D.P. after the 1st digit", "2nd digit", "D.P. after the 2nd digit", "3rd digit", "multiplier", "tolerance"], "back to main window")]:
        press(menu, button)
        w = wait(lambda: win(name))
        check(w is not None and set(texts) <= set(labels(w)), "%r opens with %s" % (name, texts))
        check(w is not None and combos(w) == lists, "%r names its lists by role: %s" % (name, w and combos(w)))
        press(w, back)
        check(wait(lambda: win(name) is None), "%r closes" % name)

    # The four-band decoder through the accessibility bus: lists chosen, results offered.
    press(menu, "4 band Colour code to value")
    w = wait(lambda: win("Colour Code to Value"))
    lists = [d for d in descendants(w) if d.getRoleName() == "combo box"]
    check([c.name for c in lists] == ["band 1", "band 2", "band 3", "band 4 / tolerance"], "decoder lists named by band")
    for combo, item in zip(lists, ["yellow", "purple", "red", "gold"]):
        next(i for i in combo[0] if i.name == item).queryAction().doAction(0)
        check(wait(lambda: [i.name for i in combo[0] if i.getState().contains(pyatspi.STATE_SELECTED)] == [item], 3),
              "%s shows %s as its choice" % (combo.name, item))
    spoken = "4.7 kilo ohms, 5 %, minimum 4.465 Kohm, maximum 4.935 Kohm"
    check(wait(lambda: lists[3].description == spoken), "the result offered whole: %r" % lists[3].description)
    check([c.name for c in lists] == ["band 1", "band 2", "band 3", "band 4 / tolerance"], "names stay when chosen")
    minimum = next(d for d in descendants(w) if d.name == "4.465")
    heading = [t.name for r in minimum.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY for t in [r.getTarget(0)]]
    check(heading == ["minimum value"], "the minimum is labelled by its heading: %s" % heading)
    press(w, "back to main screen")
    wait(lambda: win("Colour Code to Value") is None)

    # By keyboard alone; a change of result is announced on the list that has the focus.
    def by_keys(name, keys, expected):
        check(wait(lambda: menu.getState().contains(pyatspi.STATE_ACTIVE)), "menu active")
        key("Tab", "Return")
        check(wait(lambda: win(name) and win(name).getState().contains(pyatspi.STATE_ACTIVE)), "%r opened by keyboard" % name)
        del events[:]
        key(*keys)
        check(wait(lambda: any(expected in text for _, text in events)), "%r announces %r: %s" % (name, expected, events[-3:]))
        check(focused() is not None and focused().getRoleName() in ("combo box", "text"), "the focus stays where the user works")
        key("Tab", "space")
        check(wait(lambda: win(name) is None), "%r closed by keyboard" % name)

    by_keys("Colour Code to Value", ["Down"] * 4 + ["Tab"] + ["Down"] * 8 + ["Tab"] + ["Down"] * 5 + ["Tab"] + ["Down"] * 3,
            "4.7 kilo ohms, 5 %, minimum 4.465 Kohm, maximum 4.935 Kohm")
    by_keys("Value to Colours", ["Tab"] + ["Down"] * 4 + ["Tab"] + ["Down"] * 3 + ["Tab"] + ["Down"] * 8 + ["Tab"] + ["Down"] * 3,
            "4.7 Kohms 5%, minimum 4.465 Kohm, maximum 4.935 Kohm")
    check(wait(lambda: menu.getState().contains(pyatspi.STATE_ACTIVE)), "menu active")
    key("Tab", "Return")
    check(wait(lambda: win("Resistor/Capacitor Calculator")), "calculator opened by keyboard")
    del events[:]
    key(*["Tab"] * 4, "ctrl+a", "4", "period", "7", "Tab", "ctrl+a", "1", "0", *["shift+Tab"] * 5, "space")
    check(wait(lambda: ("series resistors", "14.7") in [(s.name, t) for s, t in events]), "the calculator announces 14.7: %s" % events[-2:])
    check(next(d for d in descendants(win("Resistor/Capacitor Calculator")) if d.getRoleName() == "text").name == "value 1", "value boxes named")


try:
    r, w = os.pipe()
    start(["Xvfb", "-displayfd", str(w), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"], pass_fds=[w])
    os.close(w)
    os.environ["DISPLAY"] = ":" + os.read(r, 16).decode().strip()
    dpy = xdisplay.Display()
    root = dpy.screen().root
    start([WM])
    check(wait(lambda: prop(root, "_NET_SUPPORTING_WM_CHECK")), "%s manages the display" % WM)
    subprocess.run(["xdotool", "mousemove", "0", "0"], check=True)
    {"desktop": desktop, "pixels": pixels, "a11y": a11y}[SUITE]()
finally:
    for child in reversed(children):
        child.kill()
        child.wait()
print("%d failed" % len(failures))
sys.exit(1 if failures else 0)
