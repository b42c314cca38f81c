#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads a program's accessibility tree over AT-SPI, prints it and checks it.

Normally started by check-accessibility, inside a private X server and session bus. It can also be
run by hand against a program already on the accessibility bus:

    /usr/bin/python3 accessibility_tree.py --pid PID [--expect FILE] [--tree-only] [--timeout SECONDS]

It waits for the program to appear, prints every node of its tree (role, name, description,
states, relations), then works through EXPECTATIONS below: (role, name) pairs that must be in the
tree, nodes that must not be, and a sequence of actions and read-backs. Exit status: 0 when every
expectation holds, 1 when one or more failed, 2 when the program could not be read at all.
"""

import argparse
import json
import os
import sys
import time

import pyatspi

# What the window must show to a screen reader. This is data: change it freely, or pass
# --expect FILE with a JSON object of the same shape (its keys replace the ones here).
EXPECTATIONS = {
    # [role, name] pairs that must be somewhere in the tree. Roles as pyatspi names them.
    "present": [
        ["frame", "Zelmora (Tavrin)"],
        ["image", "座標平面"],
        ["push button", "初期画面"],
        ["radio button", "座標平面の大きさ 小"],
        ["radio button", "座標平面の大きさ 中"],
        ["radio button", "座標平面の大きさ 大"],
        ["radio button", "線１"],
        ["radio button", "線２"],
        ["radio button", "線３"],
        ["radio button", "線４"],
        ["radio button", "線５"],
        ["radio button", "線６"],
        ["radio button", "線７"],
        ["radio button", "線８"],
        ["text", "ａ"],
        ["text", "ｂ"],
        ["text", "変域の下限"],
        ["text", "変域の上限"],
        ["push button", "線を引く"],
        ["push button", "線を消す"],
        ["push button", "終了"],
        ["label", "ａ"],
        ["label", "ｂ"],
        ["label", "≦χ≦"],
        ["menu bar", ""],
    ],
    # Nodes that must not be in the tree. "parent": [role, name] narrows the match to children of
    # such a node; "showing": true counts only nodes that are on screen (state SHOWING).
    "absent": [
        {"role": "filler", "name": "", "parent": ["filler", ""],
         "why": "a decorative panel or the focus ring inside the form"},
        {"role": "label", "name": "", "showing": True,
         "why": "an empty label"},
        {"role": "notification", "name": "", "showing": True,
         "why": "the message area while it has no message"},
    ],
    # Done in order after the tree is printed:
    #   ["type", NAME, TEXT]                  set the text of the entry box NAME (EditableText)
    #   ["press", NAME]                       press the button NAME (Action "Press"/"click")
    #   ["description contains", NAME, TEXT]  the description of node NAME must contain TEXT
    #                                         (read again for a few seconds until it does)
    #   ["labelled by", NAME, LABEL]          the entry box NAME has LABEL as its label
    #   ["showing", ROLE, NAME]               a node of ROLE and NAME is on screen
    "steps": [
        ["type", "ａ", "-2/3"],
        ["type", "ｂ", "1"],
        ["type", "変域の下限", "-3"],
        ["type", "変域の上限", "3"],
        ["press", "線を引く"],
        ["description contains", "座標平面", "エックスは−13から13まで、yは−13から13まで見えています"],
        ["description contains", "座標平面", "線１：y＝−3分の2エックス＋1、エックスは−3から3まで、yは−1から3まで"],
        ["labelled by", "ａ", "ａ"],
        ["type", "ａ", "1/0"],
        ["press", "線を引く"],
        ["showing", "notification", "ａの分母が０です。"],
    ],
}

PRESS_ACTIONS = ("press", "click", "activate")
SETTLE_SECONDS = 5.0  # how long a read-back waits for the program to catch up


# --- reading nodes ---------------------------------------------------------------------------

def role_of(node):
    return node.getRoleName()


def states_of(node):
    return sorted(pyatspi.stateToString(s) for s in node.getState().getStates())


def is_showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def relations_of(node):
    out = []
    for relation in node.getRelationSet():
        kind = relation.getRelationType().value_nick
        for i in range(relation.getNTargets()):
            target = relation.getTarget(i)
            out.append("%s → %s" % (kind, label_of(target) if target else "(null)"))
    return out


def extents_of(node):
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return "(%d, %d) %d×%d" % (box.x, box.y, box.width, box.height)
    except NotImplementedError:
        return "(no position)"


def label_of(node):
    return '[%s] "%s"' % (role_of(node), node.name)


def walk(node, parent=None, depth=0):
    """Yields (node, parent, depth) for node and everything under it; a null child as node None."""
    yield node, parent, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            yield None, node, depth + 1
        else:
            yield from walk(child, node, depth + 1)


def print_tree(app):
    for node, _, depth in walk(app):
        indent = "  " * depth
        if node is None:
            print(indent + "(null child)")
            continue
        line = '%s%s desc="%s" {%s}' % (indent, label_of(node), node.description, " ".join(states_of(node)))
        relations = relations_of(node)
        if relations:
            line += "  " + "; ".join(relations)
        print(line)


def find(app, name, want=None):
    """The first node called name that passes want(node), or None."""
    for node, _, _ in walk(app):
        if node is not None and node.name == name and (want is None or want(node)):
            return node
    return None


def has_editable_text(node):
    try:
        node.queryEditableText()
        return True
    except NotImplementedError:
        return False


def press_action(node):
    """Index of the node's press/click action, or None."""
    try:
        action = node.queryAction()
    except NotImplementedError:
        return None
    for i in range(action.nActions):
        if action.getName(i).lower() in PRESS_ACTIONS:
            return i
    return None


# --- actions ---------------------------------------------------------------------------------

def type_text(app, name, text):
    box = find(app, name, has_editable_text)
    if box is None:
        return "no entry box (EditableText) named %r" % name
    if not box.queryEditableText().setTextContents(text):
        return "the entry box %r refused the text %r" % (name, text)
    return None


def press(app, name):
    button = find(app, name, lambda n: press_action(n) is not None)
    if button is None:
        return "no node named %r with a press or click action" % name
    button.queryAction().doAction(press_action(button))
    return None


def description_contains(app, name, text):
    deadline = time.monotonic() + SETTLE_SECONDS
    while True:
        node = find(app, name)
        description = node.description if node is not None else None
        if description is not None and text in description:
            return None
        if time.monotonic() > deadline:
            if node is None:
                return "no node named %r" % name
            return "the description of %s is %r, which does not contain %r" % (label_of(node), description, text)
        time.sleep(0.2)


def labelled_by(app, name, label):
    """The entry box name has the label named label as its LABELLED_BY relation."""
    box = find(app, name, has_editable_text)
    if box is None:
        return "no entry box named %r" % name
    for relation in box.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            targets = [relation.getTarget(i) for i in range(relation.getNTargets())]
            if any(t is not None and t.name == label for t in targets):
                return None
    return "the entry box %r is not labelled by %r: %s" % (name, label, "; ".join(relations_of(box)) or "no relations")


def showing(app, role, name):
    """A node of that role and name is on screen (read again for a few seconds until it is)."""
    deadline = time.monotonic() + SETTLE_SECONDS
    while True:
        node = find(app, name, lambda n: role_of(n) == role and is_showing(n))
        if node is not None:
            return None
        if time.monotonic() > deadline:
            return "no showing [%s] %r" % (role, name)
        time.sleep(0.2)


STEP_KINDS = {"type": type_text, "press": press, "description contains": description_contains,
              "labelled by": labelled_by, "showing": showing}


# --- checks ----------------------------------------------------------------------------------

def check(app, expectations):
    """Runs every expectation, prints ok/FAIL for each and returns the number of failures."""
    nodes = [(n, p) for n, p, _ in walk(app) if n is not None]
    failures = 0

    def report(ok, what, why=""):
        nonlocal failures
        failures += 0 if ok else 1
        print(("ok    " if ok else "FAIL  ") + what + ("" if ok or not why else "\n        " + why))

    for role, name in expectations.get("present", []):
        found = any(role_of(n) == role and n.name == name for n, _ in nodes)
        report(found, 'present: [%s] "%s"' % (role, name), "not in the tree")

    for rule in expectations.get("absent", []):
        def matches(node, parent):
            if role_of(node) != rule["role"] or node.name != rule["name"]:
                return False
            if rule.get("showing") and not is_showing(node):
                return False
            if "parent" in rule:
                return parent is not None and [role_of(parent), parent.name] == list(rule["parent"])
            return True
        hits = [(n, p) for n, p in nodes if matches(n, p)]
        what = 'absent: [%s] "%s"' % (rule["role"], rule["name"])
        if "parent" in rule:
            what += ' under [%s] "%s"' % tuple(rule["parent"])
        if rule.get("showing"):
            what += " (while showing)"
        if rule.get("why"):
            what += " — " + rule["why"]
        where = ", ".join("%s at %s" % (label_of(n), extents_of(n)) for n, _ in hits[:5])
        report(not hits, what, "found %d: %s" % (len(hits), where))

    for step in expectations.get("steps", []):
        kind, args = step[0], step[1:]
        if kind not in STEP_KINDS:
            report(False, "step %r" % (step,), "unknown kind %r (known: %s)" % (kind, ", ".join(STEP_KINDS)))
            continue
        try:
            problem = STEP_KINDS[kind](app, *args)
        except Exception as error:  # a D-Bus error or a timeout: report it, go on
            problem = "%s: %s" % (type(error).__name__, error)
        report(problem is None, "step: " + " ".join([kind] + ['"%s"' % a for a in args]), problem or "")
    return failures


# --- finding the program ---------------------------------------------------------------------

def find_application(pid, timeout):
    """The program's application node once its main window has children, or None after timeout."""
    deadline = time.monotonic() + timeout
    seen = []
    while time.monotonic() < deadline:
        if not os.path.exists("/proc/%d" % pid):
            print("the program (pid %d) has exited" % pid, file=sys.stderr)
            return None
        desktop = pyatspi.Registry.getDesktop(0)
        seen = []
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is None:
                continue
            try:
                seen.append("%s (pid %d)" % (app.name, app.get_process_id()))
                if app.get_process_id() == pid and any(w is not None and w.childCount for w in app):
                    return app
            except Exception:
                continue  # an application going away while we look
        time.sleep(0.2)
    print("the program (pid %d) did not appear on the accessibility bus within %g s; seen: %s"
          % (pid, timeout, ", ".join(seen) or "nothing"), file=sys.stderr)
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--pid", type=int, required=True, help="process id of the program")
    parser.add_argument("--expect", metavar="FILE", help="JSON file whose keys replace the built-in expectations")
    parser.add_argument("--tree-only", action="store_true", help="print the tree, check nothing")
    parser.add_argument("--timeout", type=float, default=30, help="seconds to wait for the program")
    options = parser.parse_args()

    expectations = dict(EXPECTATIONS)
    if options.expect:
        with open(options.expect, encoding="utf-8") as f:
            expectations.update(json.load(f))

    pyatspi.setTimeout(5000, 15000)  # a hung program makes calls fail, not hang
    app = find_application(options.pid, options.timeout)
    if app is None:
        return 2
    time.sleep(0.5)  # let the window finish laying out
    print("== accessibility tree of %s (pid %d)" % (app.name, options.pid))
    print_tree(app)
    if options.tree_only:
        return 0
    print("== expectations")
    failures = check(app, expectations)
    print("== %s" % ("all expectations hold" if not failures else "%d expectation(s) failed" % failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
