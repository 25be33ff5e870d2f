#!/usr/bin/python3
"""molvera as a screen reader meets it: through the AT-SPI bus alone.

Started by scripts/test-accessibility.sh with a private session bus and AT-SPI bus, under Xvfb,
and a PATH whose xdg-open only writes down the address it is handed. Usage:
    check_molvera.py PROGRAM OPENED_LOG

Checks, on every page and in the about box: each control a user can reach has a name of its own
(not empty, not its frame's caption, not the item a list shows), no two share one on a page, the
boxes that show results are read-only, and boxes never shown are not in the tree. Then does one
calculation through AT-SPI alone and follows the header's link through its action.
"""
import os
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

State = Atspi.StateType
# Debian 12's libatspi marks get_action_name deprecated, but offers no other name for it.
warnings.filterwarnings("ignore", category=DeprecationWarning)

# Names each page must offer, beside the header's, and the description (tool-tip) of some.
EXPECTED = {
    "Molar Solution": {
        "Element, row 2": "Select an Element",
        "Number of atoms, row 2": "Select the number of elements in this formula",
        "Molecular weight, row 2": "",
        "Total molecular weight": "",
        "Stock concentration unit": "",
        "Conc of Stock Soln:": "Enter the Conc of the Stock Solution",
        "Calculate Mol Wt": "",
        "4. Calculate": "Click here to calculate your result",
    },
    "% Solution": {"% w/v": "Weight per Volume Concentrations",
                   "Specific Gravity:": "Enter the SG of the stock solution"},
    "Hydrate Solution": {
        "Element, row 6": "Select an Element",
        "Number of H2O in the stock": "Enter the number of H2Os in the stock solution",
        "Number of H2O required": "Enter the number of H2Os required for the Hydrate",
    },
}
HEADER = {"Kestrova Software", "Chemical Formula:", "Chemical Name:"}
READ_ONLY = ["Molecular weight, row 1", "Molecular weight, row 6", "Total molecular weight"]
MANUAL_TOTAL = "58.44"
METHOD = ("To prepare 1L of a 1 Molar Solution of NaCl, Measure 58.44 grams or mLs of NaCl "
          "and dilute up to 1 Litre(s) with solvent.")
LINK = "https://kestrova.example/"

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def wait_for(predicate, seconds=10.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    return predicate()


def children(node):
    return [c for c in (node.get_child_at_index(i) for i in range(node.get_child_count())) if c]


def showing(node):
    return node.get_state_set().contains(State.SHOWING)


def walk(node, shown_only=True):
    """The node and all below it; with shown_only, only what is on screen."""
    yield node
    for child in children(node):
        if not shown_only or showing(child):
            yield from walk(child, shown_only)


def has(node, interface):
    return interface in node.get_interfaces()


def actions(node):
    if not has(node, "Action"):
        return []
    return [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]


def is_control(node):
    """What a user can reach: focusable, or offering an action beyond taking the focus."""
    if node.get_role() in (Atspi.Role.LIST_ITEM, Atspi.Role.PAGE_TAB):
        return False
    return node.get_state_set().contains(State.FOCUSABLE) or \
        any(a != "SetFocus" for a in actions(node))


def ancestors(node):
    parent = node.get_parent()
    while parent:
        yield parent
        parent = parent.get_parent()


def find(root, name, role=None):
    for node in walk(root):
        if node.get_name() == name and (role is None or node.get_role() == role):
            return node
    return None


def press(node, action="Press"):
    if not check(node, f"nothing to {action}"):
        return
    names = actions(node)
    check(action in names, f"{node.get_name()!r} offers no {action} action ({names})")
    if action in names:
        Atspi.Action.do_action(node, names.index(action))


def controls_of(root):
    """Reachable controls under root, a list's text box counted with its list."""
    return [n for n in walk(root) if is_control(n)
            and not (n.get_role() == Atspi.Role.TEXT
                     and n.get_parent().get_role() == Atspi.Role.COMBO_BOX)]


def check_names(where, controls):
    names = []
    for node in controls:
        name = node.get_name().strip()
        label = f"{where}: {node.get_role_name()} {name!r}"
        check(name, f"{label} has no name")
        frames = {a.get_name() for a in ancestors(node) if a.get_role() == Atspi.Role.PANEL}
        check(name not in frames, f"{label} is named only by its frame")
        if node.get_role() == Atspi.Role.COMBO_BOX:
            items = {item.get_name() for item in walk(node, shown_only=False)
                     if item.get_role() == Atspi.Role.LIST_ITEM}
            check(name not in items, f"{label} is named by an item of its list")
        names.append(name)
    doubles = sorted({n for n in names if names.count(n) > 1})
    check(not doubles, f"{where}: names shared by several controls: {doubles}")


def check_page(window, header, page):
    press(find(window, page, Atspi.Role.PAGE_TAB))
    stack = find(window, "", Atspi.Role.LAYERED_PANE)
    content = wait_for(lambda: next((p for p in children(stack) if showing(p)
                                     and p.get_name() in (page, "")), None))
    if not check(content, f"page {page!r} does not show"):
        return
    controls = controls_of(content)
    check_names(page, header + controls)
    for name, description in EXPECTED[page].items():
        node = next((n for n in controls if n.get_name() == name), None)
        if check(node, f"{page}: no control named {name!r}"):
            check(node.get_description() == description,
                  f"{page}: {name!r} is described as {node.get_description()!r}")
    method = find(content, "Method")
    check(method is None or not showing(method) or
          method.get_state_set().contains(State.READ_ONLY), f"{page}: the method box is editable")


def check_read_only(content):
    for name in READ_ONLY:
        node = find(content, name)
        if not check(node, f"no box {name!r}"):
            continue
        states = node.get_state_set()
        check(states.contains(State.READ_ONLY) and not states.contains(State.EDITABLE)
              and not has(node, "EditableText"),
              f"{name!r} is offered for editing")
        # Sent anyway, an edit must not land.
        try:
            Atspi.EditableText.set_text_contents(node, "32.064abc")
        except GLib.Error:
            pass
        check(Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node)) == "",
              f"{name!r} took a text written from outside")


def check_about(window, app):
    press(find(window, "About", Atspi.Role.PUSH_BUTTON))
    about = wait_for(lambda: next((w for w in children(app) if w.get_name() == "About molvera"),
                                  None))
    if not check(about, "About opens no window named 'About molvera'"):
        return
    texts = {n.get_name() for n in walk(about) if n.get_role() == Atspi.Role.LABEL}
    for text in ("molvera   V2.0", "For Windows 95/98/2000/NT",
                 "Report comments and suggestions to:", "Visit our web site for updates:"):
        check(text in texts, f"the about box does not read {text!r} ({sorted(texts)})")
    check_names("about box", controls_of(about))
    ok = find(about, "OK", Atspi.Role.PUSH_BUTTON)
    if check(ok, "the about box has no OK button"):
        check(ok.get_state_set().contains(State.IS_DEFAULT), "OK is not the default button")
        check(actions(ok)[:1] == ["Press"], f"OK's first action is not Press: {actions(ok)}")
        press(ok)
        check(wait_for(lambda: all(w.get_name() != "About molvera" for w in children(app))),
              "OK through its action leaves the about box open")


def calculate(window):
    """A manual molecular weight, typed, calculated and read, through AT-SPI alone."""
    press(find(window, "Molar Solution", Atspi.Role.PAGE_TAB))
    press(find(window, "Enter Manual Mol Wt", Atspi.Role.RADIO_BUTTON), "Toggle")
    total = find(window, "Total molecular weight")
    formula = find(window, "Chemical Formula:", Atspi.Role.TEXT)
    if not check(total and formula, "no total or formula box to type into"):
        return
    for box, text in ((total, MANUAL_TOTAL), (formula, "NaCl")):
        box.clear_cache()
        check(wait_for(lambda: box.get_state_set().contains(State.EDITABLE)),
              f"{box.get_name()!r} cannot be typed into")
        Atspi.EditableText.set_text_contents(box, text)
    press(find(window, "4. Calculate", Atspi.Role.PUSH_BUTTON))
    method = wait_for(lambda: next((n for n in walk(window) if n.get_name() == "Method"
                                    and n.get_role() == Atspi.Role.TEXT), None))
    if check(method, "Calculate shows no method"):
        def read():
            return Atspi.Text.get_text(method, 0, Atspi.Text.get_character_count(method))
        check(wait_for(lambda: read() == METHOD), f"the method reads {read()!r}")
        check(method.get_state_set().contains(State.READ_ONLY), "the method box is editable")


def follow_link(window, opened_log):
    link = find(window, "Kestrova Software")
    if not check(link and link.get_role() == Atspi.Role.LINK, "the header link is no link"):
        return
    check(LINK in link.get_description(), f"the link describes itself as "
                                          f"{link.get_description()!r}")
    check(not link.get_state_set().contains(State.FOCUSABLE), "the link takes the focus")
    press(link)
    opened = wait_for(lambda: os.path.exists(opened_log) and open(opened_log).read().split())
    check(opened == [LINK], f"following the link opened {opened}")


def main(program, opened_log):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([program], env=env)
    try:
        app = wait_for(lambda: next((a for a in children(Atspi.get_desktop(0))
                                     if a.get_name() == "molvera"), None), 20)
        if not check(app, "molvera does not appear on the AT-SPI desktop"):
            return
        window = wait_for(lambda: next((w for w in children(app) if w.get_name() == "molvera"),
                                       None))
        content = [n for n in walk(window) if n.get_role() == Atspi.Role.LAYERED_PANE]
        header = [n for n in controls_of(window)
                  if not any(a in content or a.get_role() == Atspi.Role.PAGE_TAB_LIST
                             for a in ancestors(n)) and n.get_role() != Atspi.Role.PAGE_TAB_LIST]
        check({n.get_name() for n in header} == HEADER,
              f"the header offers {sorted(n.get_name() for n in header)}")
        check_read_only(window)
        for page in EXPECTED:
            check_page(window, header, page)
        # Every page is built now: boxes that are never shown would be nameless texts.
        nameless = [n.get_role_name() for n in walk(window, shown_only=False)
                    if n.get_role() == Atspi.Role.TEXT and not n.get_name()]
        check(not nameless, f"{len(nameless)} nameless text boxes in the tree")
        check_about(window, app)
        calculate(window)
        follow_link(window, opened_log)
    finally:
        process.terminate()
        process.wait(10)


if __name__ == "__main__":
    main(*sys.argv[1:3])
    for failure in failures:
        print("FAIL:", failure)
    print(f"AT-SPI check: {len(failures)} failures")
    sys.exit(1 if failures else 0)
