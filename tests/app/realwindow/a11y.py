# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT

"""What the accessibility bus offers a screen reader or a switch user: the logo an image, the
menu's welcome, the decoder's lists named by band and chosen by their actions, the result whole
and labelled, and each change announced on its own."""

from harness import MENU_TITLE

RESULT = "4.7 kilo ohms, 5 %, minimum 4.465 Kohm, maximum 4.935 Kohm"


def descendants(node, role=None):
    for child in node or []:
        if child is not None:
            if role in (None, child.getRole()):
                yield child
            yield from descendants(child, role)


def run(h):
    import pyatspi
    from gi.repository import GLib

    h.pump = lambda: [GLib.MainContext.default().iteration(False) for _ in range(50)]
    # What is announced: a notification shown (Qt 6.4), or an announcement or the new
    # description of the control with the focus (Qt 6.8).
    notices, announcements, told = [], [], []

    def shown(e):
        if e.detail1 and e.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            notices.append((e.source, e.source.name))

    def described(e):
        if e.source.getState().contains(pyatspi.STATE_FOCUSED):
            told.append((None, e.source.description))

    pyatspi.Registry.registerEventListener(shown, "object:state-changed:showing")
    pyatspi.Registry.registerEventListener(lambda e: announcements.append((None, e.any_data)), "object:announcement")
    pyatspi.Registry.registerEventListener(described, "object:property-change:accessible-description")
    h.accessibility_on()
    h.start(h.program)
    app = lambda: next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Ohmara")
    showing = lambda w: w and w.getState().contains(pyatspi.STATE_SHOWING)
    win = lambda name: next((w for w in app() if showing(w) and w.name == name), None)
    action = lambda node: node.queryAction().doAction(0)

    h.check(h.wait(app, 30), "the program on the accessibility bus")
    logo = "Ohmara 3.1 logo: the version number over a small resistor"
    h.check(h.wait(lambda: logo in [d.name for d in descendants(app(), pyatspi.ROLE_IMAGE)]), "the logo is an image")
    h.xdotool("key", "x")
    menu = h.wait(lambda: win(MENU_TITLE))
    focused = lambda: next((d for d in descendants(menu) if d.getState().contains(pyatspi.STATE_FOCUSED)), None)
    welcomed = h.wait(lambda: focused().description.startswith("welcome to Ohmara version 3.1"))
    h.check(welcomed, "the menu's welcome is the description of its focused button")

    # The four-band decoder by AT-SPI actions: lists named by band, their choice selected.
    buttons = descendants(menu, pyatspi.ROLE_PUSH_BUTTON)
    action(next(d for d in buttons if d.name == "4 band Colour code to value"))
    w = h.wait(lambda: win("Colour Code to Value"))
    lists = list(descendants(w, pyatspi.ROLE_COMBO_BOX))
    choose = lambda combo, item: action(next(i for i in combo[0] if i.name == item))
    for combo, item in zip(lists, ["yellow", "purple", "red", "gold"]):
        choose(combo, item)
        selected = lambda: [i.name for i in combo[0] if i.getState().contains(pyatspi.STATE_SELECTED)]
        h.check(h.wait(lambda: selected() == [item], 3), "%s chooses %s" % (combo.name, item))
    names = [c.name for c in lists]
    h.check(names == ["band 1", "band 2", "band 3", "band 4 / tolerance"], "lists named by their band: %s" % names)
    # The result describes each list: as its description, or (Qt 6.8) as what it is described by.
    unfocused = next(c for c in lists if not c.getState().contains(pyatspi.STATE_FOCUSED))
    described = lambda: [
        r.getTarget(0).name for r in unfocused.getRelationSet() if r.getRelationType() == pyatspi.RELATION_DESCRIBED_BY
    ]
    offered = lambda: unfocused.description or " ".join(described())
    h.check(h.wait(lambda: offered() == RESULT), "the result offered whole: %r" % offered())
    minimum = next(d for d in descendants(w) if d.name == "4.465")
    labels = [r for r in minimum.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    heading = [r.getTarget(0).name for r in labels]
    h.check(heading == ["minimum value"], "the minimum is labelled by its heading: %s" % heading)
    h.check(RESULT in [d.name for d in descendants(w, pyatspi.ROLE_LABEL)], "the result area is named by the result")
    # Changes quicker than a screen reader reads them: each in a notice of its own.
    kinds = (notices, announcements, told)
    for kind in kinds:
        del kind[:]
    for item, count in [("red", 1), ("gold", 2)]:
        choose(lists[3], item)
        h.wait(lambda: any(len(kind) >= count for kind in kinds), 3)
    # With the choice; announced alone where the screen reader speaks a list's new choice itself.
    results = ["4.7 kilo ohms, 2 %, minimum 4.606 Kohm, maximum 4.794 Kohm", RESULT]
    named = lambda kind: [n for _, n in kind]
    apart = lambda kind: kind[0][0] is None or kind[0][0] != kind[1][0]
    with_choice = ["red. " + results[0], "gold. " + results[1]]
    told_apart = any(named(kind) == with_choice and apart(kind) for kind in kinds) or named(announcements) == results
    h.check(told_apart, "two announcements, each of its own: %s" % [notices, announcements, told])
    action(next(d for d in descendants(w, pyatspi.ROLE_PUSH_BUTTON)))
