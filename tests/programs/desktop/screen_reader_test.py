#!/usr/bin/env python3
"""What Orca, Debian's screen reader, says of the real window: the result
after "+", the message after Max with equal means, and the error after a
division by zero. Run
under Xvfb in a D-Bus session of its own (see screen_reader_test.sh).
Usage: screen_reader_test.py TRELVANI DEBUG_FILE"""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from orca_listening import Orca  # noqa: E402

program, debug_file = sys.argv[1:3]
orca = Orca(debug_file)
spoken = orca.spoken
wait_until = orca.wait_until


def find(node, role, name):
    """Depth first, names read afresh: libatspi caches them."""
    node.clear_cache()
    if node.get_role_name() == role and node.get_name() == name:
        return node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            found = find(child, role, name)
            if found is not None:
                return found
    return None


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() in ("trelvani", "Trelvani"):
            return app
    return None


window = subprocess.Popen([program], env=dict(os.environ, QT_QPA_PLATFORM="xcb",
                                              QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    app = wait_until(application, 20, "the window never reached the accessibility bus")
    wait_until(lambda: find(app, "push button", "Max, máximo"), 10, "no button named 'Max, máximo'")
    subprocess.run(["xdotool", "search", "--sync", "--name", "Trelvani Numeros Fuzzy Trapezoidales",
                    "windowfocus", "--sync"], check=True, timeout=20)

    def set_operands(x, y):
        for row, values in (("X", x), ("Y", y)):
            for i, value in enumerate(values):
                box = find(app, "text", f"{row}, componente {i + 1}")
                Atspi.EditableText.set_text_contents(box, value)

    def press(name):
        Atspi.Action.do_action(find(app, "push button", name), 0)

    def heard(x, y, button, words, what):
        before = len(spoken())
        set_operands(x, y)
        press(button)
        said = orca.hears(words, before, what=what)
        print("Orca:", said[0].strip())
        return before

    heard(["1", "2", "3", "4"], ["5", "6", "7", "8"], "+, suma", "Z: 6, 8, 10, 12",
          "Orca did not speak the result after +")
    before = heard(["1", "2", "3", "4"], ["4", "3", "2", "1"], "Max, máximo", "Ambos numeros son iguales",
                   "Orca did not speak the message after Max with equal means")
    time.sleep(1)
    said = [l for l in spoken()[before:] if "Ambos numeros son iguales" in l]
    if len(said) != 1:
        sys.exit(f"FAIL: the message was spoken {len(said)} times, not once")
    heard(["1", "1", "1", "1"], ["0", "0", "0", "0"], "/, división", "División por cero",
          "Orca did not speak the error of a division by zero")
    print("3 passed, 0 failed")
finally:
    window.kill()
    window.wait()
