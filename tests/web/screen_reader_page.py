#!/usr/bin/env python3
"""A student who cannot see the screen, doing an exercise on the page with
Orca listening, keys pressed as a person presses them: the result of "+" is
spoken, a repeated message twice, an error's text once when its dialog opens
and the button again when it closes, Tab goes on from "Borrar todo" into the
sections, the history reads as a table after the dialog, and the exercise
section's controls are named by what they show; in "Decisión multicriterio"
the ranking sentence is said once and a grid's cell is read with its
alternative and criterion. Run under Xvfb
in a D-Bus session of its own (see tests/programs/desktop/screen_reader_test.sh).
Usage: screen_reader_page.py chromium|firefox PAGE DEBUG_FILE"""
import os
import pathlib
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "programs" / "desktop"))
from orca_listening import Orca  # noqa: E402

engine, page, debug_file = sys.argv[1:4]
orca = Orca(debug_file)
profile = tempfile.mkdtemp(prefix="trelvani-lector-")
url = pathlib.Path(page).resolve().as_uri()
if engine == "chromium":
    command = ["chromium", "--no-sandbox", "--force-renderer-accessibility", "--no-first-run", "--disable-gpu",
               "--user-data-dir=" + profile, "--window-size=900,800", url]
    window_class = "chromium"
else:
    command = ["firefox-esr", "--no-remote", "--profile", profile, url]
    window_class = "firefox"
    # No first-run pages, no updates: only the page.
    with open(os.path.join(profile, "user.js"), "w") as f:
        f.write('user_pref("browser.aboutwelcome.enabled", false);\n'
                'user_pref("browser.startup.homepage_override.mstone", "ignore");\n'
                'user_pref("datareporting.policy.dataSubmissionEnabled", false);\n'
                'user_pref("app.update.enabled", false);\n'
                'user_pref("browser.newtab.preload", false);\n')
browser = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           env=dict(os.environ, GNOME_ACCESSIBILITY="1", MOZ_CRASHREPORTER_DISABLE="1"))


def key(*names, pause=0.5):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(pause)


def move_to(words, back=False):
    """Tab (or Shift+Tab) until Orca names the control, as a listener would."""
    for _ in range(40):
        before = len(orca.spoken())
        key("shift+Tab" if back else "Tab", pause=0)
        deadline = time.monotonic() + 1.5
        while time.monotonic() < deadline:
            if any(words in line for line in orca.spoken()[before:]):
                time.sleep(0.3)
                return
            time.sleep(0.1)
    sys.exit(f"FAIL: Tab never reached {words!r}")


def heard(words, action, what):
    before = len(orca.spoken())
    action()
    said = orca.hears(words, before, what=what)
    print(f"{engine}: {said[0][:120]}")
    return before


def said_times(words, since, times, what):
    """Once speech has settled, `words` were said `times` times after utterance `since`."""
    time.sleep(1.5)
    said = sum(words in line for line in orca.spoken()[since:])
    if said != times:
        sys.exit(f"FAIL: {what} was said {said} times, not {times}")


try:
    orca.hears("Trelvani Numeros Fuzzy Trapezoidales", 0, 40, "the page's title was not heard on opening")
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--class", window_class, "windowfocus",
                    "--sync"], check=True, timeout=30, stdout=subprocess.DEVNULL)
    # The page gives XI the focus, as the window does; keys go there once Orca has said so.
    orca.hears("X : componente 1", 0, 30, "XI did not have the focus on opening")
    time.sleep(1)
    # Each box is typed into once Orca has named it, and so is in focus mode:
    # XI too, reached again from XII, since a page that loads late can put
    # Orca back in browse mode, where a digit is a command.
    move_to("X : componente 2")
    for row, values in (("X", "1234"), ("Y", "5678")):
        for i, value in enumerate(values):
            move_to(f"{row} : componente {i + 1}", back=(row, i) == ("X", 0))
            subprocess.run(["xdotool", "type", "--delay", "100", value], check=True)
            time.sleep(0.5)
    move_to("+, suma")
    heard("Z: 6, 8, 10, 12", lambda: key("Return"), "the result of + was not spoken")
    # X = Z and Y = Z, then Max twice: the equal means, said each time.
    move_to("X = Z")
    heard("X: 6, 8, 10, 12", lambda: key("Return"), "X = Z was not spoken")
    move_to("Y = Z")
    heard("Y: 6, 8, 10, 12", lambda: key("Return"), "Y = Z was not spoken")
    move_to("Max, máximo", back=True)
    first = len(orca.spoken())
    for time_ in ("first", "second"):
        heard("Ambos numeros son iguales", lambda: key("Return"), f"the message was not spoken the {time_} time")
    said_times("Ambos numeros son iguales", first, 2, "the message, after two clicks,")
    # "Borrar todo" empties X and Y; "/" then divides 0 by 0.
    move_to("Borrar todo")
    heard("X e Y vaciados", lambda: key("Return"), "clearing was not spoken")
    move_to("/, división", back=True)
    opened = heard("Desbordamiento", lambda: key("Return"), "the error's text was not spoken when its dialog opened")
    # Once: not again as an alert on top of the dialog and its button.
    said_times("Desbordamiento", opened, 1, "the error's text, as its dialog opened,")
    heard("/, división", lambda: key("Return"), "the button was not spoken when the dialog closed")
    # Tab from "Borrar todo" goes on into the sections, not back to XI.
    move_to("Borrar todo")
    heard("Copiar texto", lambda: key("Tab"), "Tab from Borrar todo did not reach the sections")
    # The history after the dialog: t moves to the table and reads a cell.
    before = len(orca.spoken())
    key("Escape", "t")
    said = orca.wait_until(lambda: [l for l in orca.spoken()[before:] if "tabla con" in l], 10,
                           "t did not reach the history's table")
    orca.hears("cabecera de la columna", before, what="the history's first cell was not read")
    if any("No está en una tabla" in l for l in orca.spoken()[before:]):
        sys.exit("FAIL: Orca says the history is not a table")
    print(f"{engine}: {said[0][:120]}")
    # The teacher's section: each control named by the words it shows, a
    # box of the list's form by its row and place; then the list as text.
    for name in ("Ejercicio 1, X, componente 1", "Añadir botón", "Enunciado", "Añadir ejercicio", "Editar como texto"):
        move_to(name)
    key("Return")
    move_to("Lista de ejercicios", back=True)
    for name in ("Usar el historial", "Guardar lista", "Abrir lista", "Formato", "Solucionario", "Decimales",
                 "Descargar", "Copiar", "Imprimir"):
        move_to(name)
    print(f"{engine}: Ejercicios read by the names it shows")
    # Decisión multicriterio: Chen's example solved, its sentence said once;
    # then back into the last grid, whose cell is read with its alternative
    # and its criterion.
    move_to("Ejemplo: Chen")
    solved = heard("La mejor alternativa es A2", lambda: key("Return"), "the ranking sentence was not spoken")
    said_times("La mejor alternativa es A2", solved, 1, "the ranking sentence")
    # Back from the buttons, past the conventions, into the last grid's last
    # cell: Orca names its row and its column as it enters the table.
    before = len(orca.spoken())
    move_to("C5", back=True)
    time.sleep(1)
    cell = [line for line in orca.spoken()[before:] if "A3" in line and "C5" in line]
    if not cell:
        print(*orca.spoken()[before:][-6:], sep="\n  ")
        sys.exit("FAIL: the grid's last cell was read without its alternative and criterion")
    print(f"{engine}: {cell[-1][:120]}")
    print("11 passed, 0 failed")
finally:
    browser.kill()
    browser.wait()
