#!/usr/bin/python3
# What a screen reader learns of the program through AT-SPI: every control
# of the input window and of the sheet by its role and Thai name, the
# sheet's two commands pressed as buttons, and the About window opened from
# the keyboard with F10. Run by accessibility.sh with the program started
# on a virtual X server and a session bus of its own.
import re
import subprocess
import sys
import time

import pyatspi

THAI = re.compile("[\u0e00-\u0e7f]")


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Morvane":
            return app
    return None


def until(what, find, seconds=10):
    """Polls find() until it returns something, or fails saying what."""
    for _ in range(seconds * 10):
        try:
            found = find()
        except Exception:  # the tree changes under the walk
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail("no " + what)


def window(name):
    """The shown top-level window of the program with that name."""
    app = program()
    return next((w for w in app if w is not None and w.name == name and showing(w)), None) if app else None


def label_of(node):
    """What a screen reader reads a control by: the label that names it
    (Qt on Linux names a list by its text and points at its label), or else
    the control's own name."""
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return node.name


def controls(top):
    """Every control of a window that a user acts on or reads, as (role,
    name, actions, focusable) — list entries and scroll bars left out."""
    found = []
    for node in walk(top):
        role = node.getRoleName()
        if role not in ("text", "combo box", "push button", "menu item", "label"):
            continue
        actions = []
        try:
            action = node.queryAction()
            actions = [action.getName(i) for i in range(action.nActions)]
        except NotImplementedError:
            pass
        focusable = node.getState().contains(pyatspi.STATE_FOCUSABLE)
        found.append((role, label_of(node), actions, focusable, node))
    return found


def show(title, found):
    print(title)
    for role, name, actions, focusable, node in found:
        extra = " = " + node.name if role == "combo box" else ""
        print(f"  {role}: {name}{extra}  actions {actions}{'  focusable' if focusable else ''}")


def expect(found, role, name):
    for entry in found:
        if entry[0] == role and entry[1] == name:
            return entry
    fail(f"no {role} named {name}")


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            action.doAction(i)
            return
    fail(node.name + " cannot be pressed")


# --- The input window ---------------------------------------------------------
form1 = until("input window", lambda: window("Morvane"))
found = controls(form1)
show("input window", found)
for role, name, _, _, _ in found:
    if not THAI.search(name) and role != "label":
        fail(f"the {role} {name!r} has no Thai name")
expect(found, "text", "กรุณาระบุชื่อ - สกุล")
for label, value in (("วันเกิด", "9"), ("เดือนเกิด", "ตุลาคม"), ("ปีเกิด", "2522")):
    if expect(found, "combo box", label)[4].name != value:
        fail(f"the list {label} does not show {value}")
expect(found, "push button", "ออกจากโปรแกรม")
for item in ("เกี่ยวกับโปรแกรม", "เกี่ยวกับ..", "จบโปรแกรม"):
    expect(found, "menu item", item)
press(expect(found, "push button", "ทำนาย")[4])

# --- The sheet ------------------------------------------------------------------
sheet = until("sheet", lambda: window("ตรวจสอบก่อนพิมพ์"))
found = controls(sheet)
show("sheet", found)
expect(found, "label", "ไม่ระบุชื่อ")
expect(found, "text", "คำทำนาย")
for command in ("พิมพ์", "ปิด"):
    _, _, actions, focusable, _ = expect(found, "push button", command)
    if "Press" not in actions or focusable:
        fail(f"{command} is not a button pressed without taking the focus")

# "พิมพ์" with no printer: the question over the sheet, cancelled by its
# button; the sheet stays.
press(expect(found, "push button", "พิมพ์")[4])


def question():
    app = program()
    for top in app:
        if top is not None and showing(top) and top.name == "Morvane" and top.getRoleName() != "frame":
            return next((n for n in walk(top) if n.getRoleName() == "push button" and n.name == "ยกเลิก"), None)
    return None


cancel = until("question after pressing พิมพ์", question)
print("pressed พิมพ์: the no-printer question offers", cancel.name)
press(cancel)
until("sheet after the question", lambda: window("ตรวจสอบก่อนพิมพ์") and not question())

press(expect(controls(window("ตรวจสอบก่อนพิมพ์")), "push button", "ปิด")[4])
until("input window after ปิด", lambda: window("Morvane") and not window("ตรวจสอบก่อนพิมพ์"))
print("pressed ปิด: the input window is back")

# --- F10, then Enter: the About window ------------------------------------------
subprocess.run(["xdotool", "key", "--delay", "100", "F10", "Return"], check=True)
about = until("About window after F10 and Enter", lambda: window("เกี่ยวกับโปรแกรม"))
print("F10 and Enter opened", about.name)
# With no window manager to give it the keyboard, the About window is
# given it here; whether Esc closed it, the accessibility tree says.
subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "เกี่ยวกับ", "windowfocus"])
subprocess.run(["xdotool", "key", "Escape"])
until("input window after the About window", lambda: window("Morvane") and not window("เกี่ยวกับโปรแกรม"))
print("every control has its Thai name; the commands press; F10 opens the menu")
