#!/usr/bin/python3
"""molvera as a screen reader meets it, through the AT-SPI bus alone.

    check_molvera.py PROGRAM OPENED_LOG

Run by scripts/test-accessibility.sh: a private session bus and AT-SPI bus, Xvfb, and an xdg-open
that only writes the address it is handed into OPENED_LOG.
"""
import os
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

Role, State = Atspi.Role, Atspi.StateType
# Debian 12's libatspi marks get_action_name deprecated, but offers no other name for it.
warnings.filterwarnings("ignore", category=DeprecationWarning)

# Names each page must offer, with the description (the tool-tip) each must keep.
EXPECTED = {
    "Molar Solution": {"Element, row 2": "Select an Element",
                       "Number of atoms, row 2": "Select the number of elements in this formula",
                       "Molecular weight, row 2": "", "Stock concentration unit": "",
                       "Conc of Stock Soln:": "Enter the Conc of the Stock Solution, e.g. 98, "
                                              "or 500 mM for a molar stock"},
    "% Solution": {"% w/v": "Weight per Volume Concentrations",
                   "Stock concentration basis": "Choose what the stock's percent is of: weight "
                                                "in weight, or grams in 100 mL"},
    "Hydrate Solution": {"Element, row 6": "Select an Element",
                         "Number of H2O in the stock": "Enter the number of H2Os in the stock "
                                                       "solution",
                         "Number of H2O required": "Enter the number of H2Os required for the "
                                                   "Hydrate"},
}
HEADER = ["Kestrova Software", "Chemical Formula:", "Chemical Name:"]
READ_ONLY = ["Molecular weight, row 1", "Molecular weight, row 6", "Total molecular weight"]
ABOUT_TEXTS = ["molvera   V2.0", "For Windows 95/98/2000/NT", "Visit our web site for updates:"]
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
    while not (value := predicate()) and time.monotonic() < end:
        time.sleep(0.05)
    return value


def children(node):
    return [c for c in (node.get_child_at_index(i) for i in range(node.get_child_count())) if c]


def fresh_children(node):
    """The children as they are now: while the program starts, a cached list would miss the
    application or window that registers after the first look, on a loaded machine for good."""
    node.clear_cache()
    return children(node)


def has(node, state):
    return node.get_state_set().contains(state)


def walk(node, shown_only=True):
    yield node
    for child in children(node):
        if not shown_only or has(child, State.SHOWING):
            yield from walk(child, shown_only)


def find(root, name, role=None, shown_only=True):
    return next((n for n in walk(root, shown_only)
                 if n.get_name() == name and role in (None, n.get_role())), None)


def named(nodes, name):
    return next((n for n in nodes if n.get_name() == name), None)


def text_of(node):
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def actions(node):
    if "Action" not in node.get_interfaces():
        return []
    return [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]


def press(node, action="Press"):
    if check(node and action in actions(node), f"nothing offers {action}"):
        Atspi.Action.do_action(node, actions(node).index(action))


def controls_of(root, leave_out=()):
    """What a user can reach: focusable, or acting beyond taking the focus. A list's text box
    counts with its list; the tabs are the tab list's."""
    def reachable(node):
        if node in leave_out or node.get_role() in (Role.LIST_ITEM, Role.PAGE_TAB) or \
                node.get_parent().get_role() == Role.COMBO_BOX:
            return False
        return has(node, State.FOCUSABLE) or any(a != "SetFocus" for a in actions(node))
    found = []
    for child in children(root):
        if has(child, State.SHOWING) and child not in leave_out:
            found += [child] * reachable(child) + controls_of(child, leave_out)
    return found


def check_names(where, controls):
    """Each named on its own: not empty, not by its frame, not by an item of its list; no two
    alike."""
    names = [n.get_name().strip() for n in controls]
    for node, name in zip(controls, names):
        frame = node.get_parent()
        items = [i.get_name() for i in walk(node, False) if i.get_role() == Role.LIST_ITEM]
        check(name and name != frame.get_name() and name not in items,
              f"{where}: {node.get_role_name()} {name!r} has no name of its own")
    doubles = sorted({n for n in names if names.count(n) > 1})
    check(not doubles, f"{where}: names shared by several controls: {doubles}")


def check_page(window, stack, header, page):
    press(find(window, page, Role.PAGE_TAB))
    content = wait_for(lambda: next((p for p in children(stack) if has(p, State.SHOWING)
                                     and p.get_name() in (page, "")), None))
    if not check(content, f"page {page!r} does not show"):
        return
    controls = controls_of(content)
    check_names(page, header + controls)
    for name, description in EXPECTED[page].items():
        node = named(controls, name)
        check(node and node.get_description() == description,
              f"{page}: no control {name!r} described as {description!r}")


def check_read_only(window):
    for name in READ_ONLY:
        node = find(window, name)
        if not check(node, f"no box {name!r}"):
            continue
        check(has(node, State.READ_ONLY) and not has(node, State.EDITABLE)
              and "EditableText" not in node.get_interfaces(), f"{name!r} is offered for editing")
        try:  # sent anyway, an edit must not land
            Atspi.EditableText.set_text_contents(node, "32.064abc")
        except GLib.Error:
            pass
        check(text_of(node) == "", f"{name!r} took a text written from outside")


def check_about(window, app):
    press(find(window, "About", Role.PUSH_BUTTON))
    about = wait_for(lambda: named(children(app), "About molvera"))
    if not check(about, "About opens no window 'About molvera'"):
        return
    texts = [n.get_name() for n in walk(about) if n.get_role() == Role.LABEL]
    check(all(t in texts for t in ABOUT_TEXTS), f"the about box reads {texts}")
    check_names("about box", controls_of(about))
    ok = find(about, "OK", Role.PUSH_BUTTON)
    check(ok and has(ok, State.IS_DEFAULT) and actions(ok)[:1] == ["Press"],
          "OK is not the about box's default, pressed by its first action")
    press(ok)
    check(wait_for(lambda: not named(children(app), "About molvera")),
          "OK through its action leaves the about box open")


def calculate(window):
    """A manual molecular weight typed, calculated and the method read, through AT-SPI alone."""
    press(find(window, "Molar Solution", Role.PAGE_TAB))
    press(find(window, "Enter Manual Mol Wt", Role.RADIO_BUTTON), "Toggle")
    for name, text in (("Total molecular weight", "58.44"), ("Chemical Formula:", "NaCl")):
        box = find(window, name, Role.TEXT)
        if not check(box, f"no box {name!r}"):
            return
        box.clear_cache()  # the total has just become editable
        check(wait_for(lambda: has(box, State.EDITABLE)), f"{name!r} cannot be typed into")
        Atspi.EditableText.set_text_contents(box, text)
    press(find(window, "4. Calculate", Role.PUSH_BUTTON))
    method = wait_for(lambda: find(window, "Method", Role.TEXT))
    if check(method, "Calculate shows no method"):
        check(wait_for(lambda: text_of(method) == METHOD), f"the method reads {text_of(method)!r}")
        check(has(method, State.READ_ONLY), "the method box is editable")


def example(window):
    """A list says what it holds, as its text, besides its name."""
    press(find(window, "Example", Role.PUSH_BUTTON))
    row = find(window, "Element, row 1", Role.COMBO_BOX)
    check(row and "Text" in row.get_interfaces() and
          wait_for(lambda: text_of(row) == "H  - Hydrogen"),
          "after the example, 'Element, row 1' does not say it holds 'H  - Hydrogen'")


def follow_link(window, opened_log):
    link = find(window, "Kestrova Software", Role.LINK)
    if not check(link, "the header link is no link"):
        return
    check(LINK in link.get_description(), f"the link is described {link.get_description()!r}")
    check(not has(link, State.FOCUSABLE), "the link takes the focus")
    press(link)
    opened = wait_for(lambda: os.path.exists(opened_log) and open(opened_log).read().split())
    check(opened == [LINK], f"following the link opened {opened}")


def main(program, opened_log):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([program], env=env)
    try:
        app = wait_for(lambda: named(fresh_children(Atspi.get_desktop(0)), "molvera"), 30)
        if not check(app, "molvera is not on the AT-SPI desktop"):
            return
        window = wait_for(lambda: named(fresh_children(app), "molvera"), 30)
        if not check(window, "molvera's window is not on the AT-SPI desktop"):
            return
        # The page stack speaks no role of its own on the way into a page.
        check(not find(window, "", Role.LAYERED_PANE), "the page stack is an unnamed layered pane")
        tabs = find(window, "Molar Solution", Role.PAGE_TAB_LIST)
        stack = next(n for n in children(tabs.get_parent()) if n != tabs)
        header = controls_of(window, [stack, tabs])
        check([n.get_name() for n in header] == HEADER, f"the header offers {header}")
        check_read_only(window)
        for page in EXPECTED:
            check_page(window, stack, header, page)
        # Every page is built now: a box that is never shown would be a nameless text.
        check(not [n for n in walk(window, False) if n.get_role() == Role.TEXT and not n.get_name()],
              "nameless text boxes in the tree")
        check_about(window, app)
        calculate(window)
        example(window)
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
