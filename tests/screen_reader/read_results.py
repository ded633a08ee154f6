"""Drives the running program through the screen-reader interface (AT-SPI), as an assistive
technology would: presses the uniform-load picture, types a calculation, presses "Berechnen" and
reads the results back; then Ctrl+E opens the window of all checks, whose rows read as
"Nachweis, Ausnutzung, Ergebnis". Exits non-zero when anything differs."""

import subprocess
import sys
import time

import pyatspi

EXPECTED = {
    "Auflagerkraft FA [KN]": "31,8030",
    "Max. Biegemoment [KNm]": "47,7045",
    "Max. Biegespannung [N/mm²]": "83,692",
    "Vorhandene Sicherheit": "3,943",
    "Zul. Durchbiegung [mm]": "20,000",
}


def find_application(name, timeout=10.0):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit(f"application {name} not found on the accessibility bus")


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(app, predicate, what, timeout=5.0):
    end = time.time() + timeout
    while time.time() < end:
        for node in walk(app):
            try:
                if predicate(node):
                    return node
            except Exception:  # a node that vanished while we looked
                continue
        time.sleep(0.2)
    sys.exit(f"not found: {what}")


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def press(node):
    node.queryAction().doAction(0)


def main():
    app = find_application("ipbtraeger")
    picture = find(app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                   and n.name.startswith("Träger auf 2 Stützen, Streckenlast (mind")
                   and showing(n), "uniform-load picture as a button")
    press(picture)

    for caption, text in [("Last +q [KN/m], max. 250", "10"),
                          ("Länge l [m], max. 40", "6"),
                          ("Mindestsicherheit, max. 10", "1,5")]:
        box = find(app, lambda n, c=caption: n.getRole() == pyatspi.ROLE_TEXT
                   and n.name == c and showing(n), caption)
        box.queryEditableText().setTextContents(text)

    button = find(app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                  and n.name.replace("&", "") == "Berechnen"
                  and n.getState().contains(pyatspi.STATE_ENABLED), "enabled Berechnen")
    press(button)

    for caption, value in EXPECTED.items():
        row = find(app, lambda n, c=caption: n.name.startswith(c + ": ") and showing(n), caption)
        read = row.name[len(caption) + 2:]
        if read != value:
            sys.exit(f"{caption}: read {read!r}, expected {value!r}")
        print(f"{caption}: {read}")

    # The keys go to the active window, the results; a reader announces the row as one line.
    subprocess.run(["xdotool", "key", "ctrl+e"], check=True)
    spoken = "Biegespannung, 38,0 %, erfüllt"
    find(app, lambda n: n.getRole() == pyatspi.ROLE_TABLE_CELL and n.name == spoken
         and showing(n), f"table row {spoken!r}")
    print(f"Alle Nachweise: {spoken}")
    print("screen reader: 2 passed, 0 failed")


main()
