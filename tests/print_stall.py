# The print command against a print system that takes the connection and
# never answers (a stuck cupsd, a print server gone quiet): the program
# goes on answering a screen reader all the while, and within 15 seconds
# says in Thai that the print system did not answer, without calling the
# printer missing; the reading stays on the screen.
#
#   dbus-run-session -- /usr/bin/python3 print_stall.py MORVANE WORK_DIR
#
# Needs an X display (DISPLAY), xdotool and pyatspi. Exits 77 (skipped)
# where the accessibility bus does not come up.
import os
import socket
import subprocess
import sys
import time

import pyatspi

program, work = sys.argv[1], sys.argv[2]
SHEET = "ตรวจสอบก่อนพิมพ์"


def fail(why):
    print("FAIL: " + why, file=sys.stderr)
    sys.exit(1)


def within(seconds, test):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = test()
        if found:
            return found
        time.sleep(0.1)
    return None


def window(name):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], capture_output=True, text=True)
    return found.stdout.split()[-1] if found.stdout.split() else None


# Listening, never accepting: the kernel takes each connection and the
# request, and no answer ever comes.
silent = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
silent.bind(os.path.join(work, "cups.sock"))
silent.listen(64)

env = dict(os.environ, CUPS_SERVER=os.path.join(work, "cups.sock"), QT_QPA_PLATFORM="xcb",
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", PRINTER="", LPDEST="")
log = open(os.path.join(work, "app.log"), "w")
app = subprocess.Popen([program], env=env, stdout=log, stderr=log)
try:
    form1 = within(10, lambda: window("^Morvane$"))
    if not form1:
        fail("no input window")
    subprocess.run(["xdotool", "windowfocus", "--sync", form1])
    subprocess.run(["xdotool", "key", "--delay", "50", "Tab", "Tab", "Tab", "space"])
    if not within(10, lambda: window(SHEET)):
        fail("no sheet")

    def morvane():
        desktop = pyatspi.Registry.getDesktop(0)
        return next((a for a in desktop if a is not None and a.name == "Morvane"), None)

    accessible = within(10, morvane)
    if not accessible:
        if pyatspi.Registry.getDesktop(0).childCount == 0:
            print("the accessibility bus lists no program; skipped")
            sys.exit(77)
        fail("Morvane is not on the accessibility bus")

    def names(node, depth=0):
        out = [node.name or ""]
        if depth < 6:
            for child in node:
                if child is not None:
                    out += names(child, depth + 1)
        return out

    # The sheet has the keyboard without a window manager: Ctrl+P prints.
    subprocess.run(["xdotool", "key", "ctrl+p"])
    start = time.monotonic()
    slowest, said = 0.0, None
    while time.monotonic() - start < 15:
        asked = time.monotonic()
        texts = names(accessible)
        slowest = max(slowest, time.monotonic() - asked)
        said = next((t for t in texts if "ไม่ตอบสนอง" in t), None)
        if said:
            break
        time.sleep(0.1)
    took = time.monotonic() - start
    print(f"the program answered every question within {slowest:.2f} s; after {took:.1f} s it said: {said}")
    if slowest >= 1.0:
        fail(f"the program took {slowest:.2f} s to answer")
    if not said:
        fail("no word of the silent print system within 15 s")
    if any("ไม่พบเครื่องพิมพ์" in t for t in texts):
        fail("the printer was called missing")
    if not window(SHEET) or app.poll() is not None:
        fail("the reading did not stay")
finally:
    app.kill()
    app.wait()
