#!/usr/bin/python3
"""The worked solutions opened by the tools they are for: pdflatex compiles
each one with no line running off the page, pandoc renders the Markdown
without a warning in its own flavour and in GitHub's, and the HTML holds no
script; in every format the names read as typed, every number of the reply
is there, each worked formula ends in the reply's own value, and the
document ends with the reply's ranking."""
import glob
import html.parser
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

SAMPLES = sys.argv[1]
scratch = tempfile.TemporaryDirectory(prefix="trelvani-decision-")
folder = scratch.name
stems = subprocess.run([SAMPLES, folder], check=True, capture_output=True, text=True).stdout.split()

# Only the program's own markup: nothing typed becomes a tag.
MARKUP = {"html", "head", "meta", "title", "style", "body", "section", "h1", "h2", "p", "strong", "table", "caption",
          "thead", "tbody", "tr", "th", "td", "ol", "li", "colgroup", "col", "br"}
CONTROL = re.compile("[\x00-\x08\x0b-\x1f\x7f]")


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def flat(text):
    return re.sub(r"\s+", "", text)


def reply(stem):
    return json.loads(read(os.path.join(folder, stem + ".json")))


def names(stem):
    """The ranking: the alternatives (criteria, in AHP) by name, best first,
    as shown: a control character as U+FFFD."""
    return [CONTROL.sub("\ufffd", name) for name in reply(stem)["orden"]]


def typed(stem):
    """Every name the problem gave: alternatives, criteria and its own scale's
    terms; those with control characters are shown otherwise."""
    problem = json.loads(read(os.path.join(folder, stem + ".problem.json")))
    scale = problem.get("escala_valoraciones")
    names = problem.get("alternativas", []) + problem["criterios"] + (list(scale) if isinstance(scale, dict) else [])
    return [name for name in names if not CONTROL.search(name)]


def numbers(value):
    """Every number of the reply, as its shortest text."""
    if isinstance(value, str):
        yield value
    elif isinstance(value, list):
        for item in value:
            yield from numbers(item)


def tables(stem):
    answer = reply(stem)
    return [text for key, value in answer.items() if key not in ("metodo", "convenios", "orden")
            for text in numbers(value)]


class Parsed(html.parser.HTMLParser):
    def __init__(self, page):
        super().__init__()
        self.text, self.tags, self.items = [], [], []
        self.feed(page)
        self.text = "".join(self.text)

    def handle_starttag(self, tag, attrs):
        self.tags.append((tag, dict(attrs)))
        if tag == "li":
            self.items.append("")

    def handle_data(self, data):
        self.text.append(data)
        if self.items and self.tags[-1][0] == "li":
            self.items[-1] += data


class WorkedDocuments(unittest.TestCase):
    def shows(self, text, stem):
        for name in typed(stem):
            self.assertIn(name, text, name)
        for number in tables(stem):
            self.assertIn(number, text, number)

    def test_latex_compiles_fits_the_page_and_shows_the_names(self):
        widest = 0.0
        for stem in stems:
            with self.subTest(stem=stem):
                run = subprocess.run(["pdflatex", "-interaction=nonstopmode", "-halt-on-error", "-no-shell-escape",
                                      stem + ".tex"], cwd=folder, capture_output=True, text=True, errors="replace",
                                     timeout=300)
                self.assertEqual(run.returncode, 0, "\n".join(l for l in run.stdout.splitlines() if l.startswith("!")))
                with open(os.path.join(folder, stem + ".log"), encoding="latin-1") as f:
                    overfull = [float(width) for width in re.findall(r"Overfull \\hbox \(([\d.]+)pt too wide", f.read())]
                widest = max([widest] + overfull)
                self.assertTrue(all(width < 30 for width in overfull), overfull)
                text = flat(subprocess.run(["pdftotext", stem + ".pdf", "-"], cwd=folder, check=True,
                                           capture_output=True, text=True).stdout)
                # pdftotext takes a hyphen that ends a line for a word's break, and drops it.
                # What the fonts cannot set shows as a framed code point, which
                # pdftotext reads out of order: the escaper's own test sees to it.
                for name in typed(stem):
                    if all(ord(c) < 0x100 for c in name):
                        self.assertIn(flat(name).replace("-", ""), text.replace("-", ""), name)
                # Numbers as mathematics: a minus sign, and no exponent to read back.
                for number in tables(stem):
                    if "e" not in number:
                        self.assertIn(number.replace("-", "\u2212"), text, number)
        self.assertFalse(os.path.exists(os.path.join(folder, "x.tex")))
        print("widest overfull box: %.2fpt" % widest, file=sys.stderr)

    def test_markdown_renders_without_warnings_as_typed(self):
        for stem in stems:
            for flavour in ("markdown", "gfm"):
                with self.subTest(stem=stem, flavour=flavour):
                    run = subprocess.run(["pandoc", "-f", flavour, "-t", "html", os.path.join(folder, stem + ".md")],
                                         capture_output=True, text=True, timeout=120)
                    self.assertEqual((run.returncode, run.stderr), (0, ""))
                    page = Parsed(run.stdout)
                    self.shows(page.text, stem)
                    self.assertEqual({tag for tag, _ in page.tags} - MARKUP, set())
                    self.assertEqual([re.split(r":\s", item)[0] for item in page.items], names(stem))

    def test_html_has_no_script_and_shows_what_was_typed(self):
        for stem in stems:
            with self.subTest(stem=stem):
                page = Parsed(read(os.path.join(folder, stem + ".html")))
                self.assertEqual({tag for tag, _ in page.tags} - MARKUP, set())
                self.assertFalse(any(name.startswith("on") or "javascript:" in (value or "")
                                     for _, attrs in page.tags for name, value in attrs.items()))
                self.shows(page.text, stem)
                # It ends with the ranking, best first.
                self.assertEqual([re.split(r":\s", item)[0] for item in page.items], names(stem))

    def test_text_shows_what_was_typed_and_ends_with_the_ranking(self):
        for stem in stems:
            with self.subTest(stem=stem):
                text = read(os.path.join(folder, stem + ".txt"))
                self.shows(text, stem)
                ranking = text.rstrip("\n").split("\n")[-len(names(stem)):]
                self.assertEqual([re.sub(r"^\d+\. ", "", line).rsplit(": ", 1)[0] for line in ranking], names(stem))

    def test_no_typed_control_character_reaches_a_document(self):
        # A terminal's escape in a name must not reach the terminal, nor a
        # stray control character a document's reader.
        for path in sorted(glob.glob(os.path.join(folder, "*"))):
            if path.endswith((".txt", ".md", ".tex", ".html")):
                with self.subTest(path=os.path.basename(path)):
                    self.assertIsNone(CONTROL.search(read(path)))

    def test_no_locale_changes_a_byte(self):
        with tempfile.TemporaryDirectory(prefix="trelvani-decision-es-") as spanish:
            subprocess.run([SAMPLES, spanish], check=True, capture_output=True,
                           env=dict(os.environ, TRELVANI_TEST_LOCALE="es_ES.UTF-8"))
            for stem in stems:
                for extension in (".txt", ".md", ".tex", ".html"):
                    with self.subTest(stem=stem, extension=extension):
                        self.assertEqual(read(os.path.join(spanish, stem + extension)),
                                         read(os.path.join(folder, stem + extension)))

    def test_each_worked_formula_puts_in_the_replys_values(self):
        """The numbers of each worked formula, in order: the values it puts
        in, then its result, all of them the reply's own."""
        tilde = lambda letter: letter + "\u0303"
        for stem in stems:
            answer = reply(stem)
            rounded = answer["convenios"]["redondeo"] is not None
            if answer["metodo"] == "ahp":
                a12, geometric, total, crisp = (answer["comparaciones"][0][1], answer["media_geometrica"],
                                                answer["suma"], answer["pesos_nitidos"])
                n = str(len(geometric))
                # The aggregation puts in the decision makers' entries: its result is checked.
                aggregated = {tilde("a") + "₁₂": a12}
                expected = {
                    tilde("a") + "₂₁": [x for k in range(4) for x in ("1", a12[3 - k])] + answer["comparaciones"][1][0],
                    tilde("r") + "₁": [x for k in range(4) for x in [row[k] for row in answer["comparaciones"][0]] + ["1", n]]
                    + geometric[0],
                    "T": [row[k] for k in range(4) for row in geometric] + total,
                    tilde("w") + "₁": [x for k in range(4) for x in (geometric[0][k], total[3 - k])] + answer["pesos_difusos"][0],
                    "w₁": [crisp[0]] + crisp + [answer["pesos"][0]],
                    "λmax": answer["pesos"] + [answer["lambda_max"]],
                    "IC": [answer["lambda_max"], n, n, "1", answer["ic"]]}
                if answer["rc"] is not None:
                    expected["RC"] = [answer["ic"], {"3": "0.58", "4": "0.9"}.get(n), answer["rc"]]
            else:
                weighted, normalised = answer["ponderada"], answer["normalizada"]
                aggregated = {tilde("w") + "₁": answer["pesos"][0], tilde("x") + "₁₁": answer["agregada"][0][0]}
                expected = {
                    tilde("v") + "₁₁": [x for k in range(4) for x in (normalised[0][0][k], answer["pesos"][0][k])]
                    + weighted[0][0]}
                if answer["convenios"]["normalizacion"] == "lineal":
                    # The first criterion is a benefit one: c* is the column's greatest a4.
                    top = max((row[0][3] for row in answer["agregada"]), key=float)
                    expected[tilde("r") + "₁₁"] = [x for k in range(4) for x in (answer["agregada"][0][0][k], top)] + normalised[0][0]
                if answer["metodo"] == "topsis":
                    vertices = [0, 1, 2, 3] if answer["convenios"]["distancia"] == "vertices-4" else [0, 1, 3]
                    for sign, ideal, distances, total in (("*", "ideal_positivo", "distancias_positivas", "d_positiva"),
                                                          ("⁻", "ideal_negativo", "distancias_negativas", "d_negativa")):
                        expected["d(%s₁₁, A%s₁)" % (tilde("v"), sign)] = (
                            [x for k in vertices for x in (weighted[0][0][k], answer[ideal][0][k])] + [str(len(vertices))]
                            + [answer[distances][0][0]])
                        expected["d%s₁" % sign] = answer[distances][0] + [answer[total][0]]
                    column = [row[0] for row in weighted]
                    for sign, ideal, extreme in (("*", "ideal_positivo", 3), ("⁻", "ideal_negativo", 0)):
                        expected["A%s₁" % sign] = {
                            "unos-ceros": [],
                            "extremos": [cell[extreme] for cell in column] + answer[ideal][0][:1],
                            "componentes": [cell[k] for k in range(4) for cell in column]}[
                                answer["convenios"]["ideales"]] + ([] if answer["convenios"]["ideales"] == "extremos"
                                                                   else answer[ideal][0])
                    expected["CC₁"] = [answer["d_negativa"][0], answer["d_positiva"][0], answer["d_negativa"][0],
                                       answer["cc"][0]]
                else:
                    expected[tilde("S") + "₁"] = [row[k] for k in range(4) for row in weighted[0]] + answer["suma"][0]
            formulas = {}
            for line in read(os.path.join(folder, stem + ".txt")).split("\n"):
                if line.startswith("  ") and " = " in line:
                    symbol, worked = line.strip().split(" = ", 1)
                    formulas.setdefault(symbol, worked)
            for symbol, values in list(expected.items()) + list(aggregated.items()):
                with self.subTest(stem=stem, symbol=symbol):
                    worked = formulas[symbol]
                    # Entries as typed stand between « and ».
                    numbers = re.findall(r"-?\d+(?:\.\d+)?(?:e[-+]\d+)?", re.sub(r"«.*»", "", worked))
                    self.assertEqual(numbers[-len(values):] if symbol in aggregated else numbers, values, worked)
                    # A rounded result is not claimed to be exact; an ideal picks a value as it is.
                    self.assertEqual(" ≈ " in worked, rounded and not symbol.startswith("A"), worked)

if __name__ == "__main__":
    run = unittest.main(argv=sys.argv[:1], verbosity=2, exit=False)
    scratch.cleanup()
    sys.exit(0 if run.result.wasSuccessful() else 1)
