"""Reads every screen through AT-SPI, drives the four-band decoder by AT-SPI actions alone, and
a decoder, an encoder and the calculator by key presses alone."""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM = sys.argv[1]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def pump():
    # the bus tells of new windows and changed texts by signals; let them in
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


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
        time.sleep(0.1)
    return None


def app():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name == "Ohmara":
            return a
    return None


def descendants(node):
    out = []
    if node is None:
        return out
    for child in node:
        if child is not None:
            out.append(child)
            out.extend(descendants(child))
    return out


def window(title):
    a = app()
    if a is None:
        return None
    for w in a:
        if w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


def names(node, role):
    return [d.name for d in descendants(node) if d.getRoleName() == role]


def text_of(node):
    return node.queryText().getText(0, -1)


def press(node, role, name):
    for d in descendants(node):
        if d.getRoleName() == role and d.name == name:
            d.queryAction().doAction(0)
            return True
    return False


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "30", *keys], check=True)
    time.sleep(0.2)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)
    time.sleep(0.2)


def active(title):
    # keys go to the active window: wait for it before typing
    w = window(title)
    return w is not None and w.getState().contains(pyatspi.STATE_ACTIVE)


def labels_include(title, *expected):
    w = window(title)
    return w is not None and all(e in names(w, "label") for e in expected)


# the pointer away from where the windows come up, whatever an earlier test left
subprocess.run(["xdotool", "mousemove", "0", "0"], check=True)
proc = subprocess.Popen([PROGRAM], stderr=subprocess.DEVNULL)
try:
    check(wait(app, 30) is not None, "the program shows up on the accessibility bus")
    if failures:
        raise SystemExit("FAIL: nothing to read")

    # splash: its texts, as labels
    splash_texts = ["minor release 1 revison 0", "have fun with resistors :-)",
                    "Now with 5 band resistor support"]
    wait(lambda: all(t in names(app(), "label") for t in splash_texts))
    for t in splash_texts:
        check(t in names(app(), "label"), "splash label %r" % t)
    pictures = names(app(), "image")
    check(any(p.startswith("Ohmara 3.1 logo") for p in pictures), "the logo is an image: %r" % pictures)
    check(any(p.startswith("photograph of a beige resistor") for p in pictures), "the photograph is an image")

    key("x")
    menu = wait(lambda: window("Ohmara V3.1"))
    check(menu is not None, "the menu after a key press")
    buttons = names(menu, "push button")
    for b in ["colour code list(s)", "4 band Colour code to value", "4 band Value to Colour code",
              "resistor/capacitor calculator", "5 band colour code to value",
              "5 band value to colour code", "Quit Ohmara"]:
        check(b in buttons, "menu button %r" % b)
    check("welcome to Ohmara version 3.1, to begin click one of these buttons..." in names(menu, "label"),
          "menu label")

    # every tool screen, opened and closed through AT-SPI actions
    screens = [
        ("colour code list(s)", "Colour Codes list", ["tolerence", "1% tol.", "x0.01", "no band"],
         "back to main screen", 0),
        ("4 band Colour code to value", "Colour Code to Value", ["value of resistor", "minimum value"],
         "back to main screen", 4),
        ("4 band Value to Colour code", "Value to Colours", ["Tolerance value", "Minimum value"],
         "back to main window", 6),
        ("resistor/capacitor calculator", "Resistor/Capacitor Calculator", ["value 1", "value 2"],
         "back to main screen", 0),
        ("5 band colour code to value", "5 band colour code to value", ["value of resistor"],
         "back to main screen", 5),
        ("5 band value to colour code", "5 band value to colour code", [" D.P.", "1st digit"],
         "back to main window", 7),
    ]
    for button, title, texts, back, lists in screens:
        check(press(menu, "push button", button), "press %r" % button)
        w = wait(lambda: window(title))
        check(w is not None, "screen %r opens" % title)
        if w is None:
            continue
        for t in texts:
            check(t in names(w, "label"), "%r shows %r" % (title, t))
        if title not in ("Resistor/Capacitor Calculator",):
            check(len(names(w, "image")) == 2, "%r shows its two pictures as images" % title)
        combos = [d for d in descendants(w) if d.getRoleName() == "combo box"]
        check(len(combos) == lists, "%r has %d lists, AT-SPI shows %d" % (title, lists, len(combos)))
        for c in combos:
            check(c.childCount == 1 and c[0].childCount > 0, "%r: a list shows its items" % title)
        if title == "Resistor/Capacitor Calculator":
            boxes = [d for d in descendants(w) if d.getRoleName() == "text"]
            check([text_of(b) for b in boxes] == ["0", "0"], "calculator boxes hold 0 and 0")
        check(press(w, "push button", back), "press %r on %r" % (back, title))
        check(wait(lambda: window(title) is None), "%r closes" % title)

    # the four-band decoder driven by AT-SPI actions alone: choose items, read the results
    press(menu, "push button", "4 band Colour code to value")
    w = wait(lambda: window("Colour Code to Value"))
    combos = [d for d in descendants(w) if d.getRoleName() == "combo box"]
    for combo, item in zip(combos, ["yellow", "purple", "red", "gold"]):
        items = [i for i in combo[0] if i.name == item]
        check(len(items) == 1, "list offers %r" % item)
        items[0].queryAction().doAction(0)
        check(wait(lambda: combo.name == item, 3), "list shows its new choice %r" % item)
    check(wait(lambda: labels_include("Colour Code to Value", "4.465", "4.935", "Kohm", "kilo", "ohms")),
          "decoder by AT-SPI: 4.465 to 4.935 Kohm")
    press(w, "push button", "back to main screen")
    wait(lambda: window("Colour Code to Value") is None)

    # by keyboard alone: menu focus starts on "colour code list(s)"
    check(wait(lambda: active("Ohmara V3.1")), "menu active again")
    key("Tab", "Return")  # "4 band Colour code to value"
    check(wait(lambda: active("Colour Code to Value")), "decoder opened by keyboard")
    key(*["Down"] * 4, "Tab", *["Down"] * 8, "Tab", *["Down"] * 5, "Tab", *["Down"] * 3)
    check(wait(lambda: labels_include("Colour Code to Value", "4.465", "4.935", "Kohm")),
          "decoder by keyboard: 4.465 to 4.935 Kohm")
    key("Tab", "space")  # back
    check(wait(lambda: window("Colour Code to Value") is None), "decoder closed by keyboard")

    check(wait(lambda: active("Ohmara V3.1")), "menu active again")
    key("Tab", "Return")  # focus is back on the menu's "4 band Colour code to value"; next one
    check(wait(lambda: active("Value to Colours")), "encoder opened by keyboard")
    # point chooser untouched; 4, k, 7; the locked unit list is skipped; 5%
    key("Tab", *["Down"] * 4, "Tab", *["Down"] * 3, "Tab", *["Down"] * 8, "Tab", *["Down"] * 3)
    check(wait(lambda: labels_include("Value to Colours", "4.7 Kohms 5%", "4.465", "4.935", "Red")),
          "encoder by keyboard: 4.7 Kohms 5%, 4.465 to 4.935")
    key("Tab", "Return")
    check(wait(lambda: window("Value to Colours") is None), "encoder closed by keyboard")

    check(wait(lambda: active("Ohmara V3.1")), "menu active again")
    key("Tab", "Return")  # "resistor/capacitor calculator"
    calc = wait(lambda: active("Resistor/Capacitor Calculator"))
    check(calc is not None, "calculator opened by keyboard")
    key(*["Tab"] * 4, "ctrl+a")
    typed("4.7")
    key("Tab", "ctrl+a")
    typed("10")
    key(*["shift+Tab"] * 5, "space")  # "series resistors"
    check(wait(lambda: labels_include("Resistor/Capacitor Calculator", "14.7")),
          "calculator by keyboard: 4.7 + 10 = 14.7")
    key("shift+Tab", "Return")  # from "series resistors" the focus wraps to back
    check(wait(lambda: window("Resistor/Capacitor Calculator") is None), "calculator closed by keyboard")
except SystemExit as stop:
    print(stop)
finally:
    proc.kill()
    proc.wait()

if failures:
    print("%d passed, %d failed" % (0, len(failures)))
    sys.exit(1)
print("1 passed, 0 failed")
