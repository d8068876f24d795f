#!/usr/bin/python3
"""The copies and exports opened by the tools they are for: pdflatex compiles
every LaTeX fragment, with and without Spanish babel, and the PDF shows the
texts as typed; pandoc renders the Markdown, in its own flavour and in
GitHub's, as typed and with the table's shape; gnumeric reads the CSV with no
formula in it and its numbers as numbers."""
import glob
import html
import html.parser
import os
import re
import subprocess
import sys
import tempfile
import unittest

SAMPLES = sys.argv[1]
scratch = tempfile.TemporaryDirectory(prefix="trelvani-documentos-")
folder = scratch.name
entries = int(subprocess.run([SAMPLES, folder], check=True, capture_output=True, text=True).stdout)

# Texts from the history's operands, each to be found as it was typed.
TYPED = ["\\input{x}", "\\write18{ls}", "^^5c", "{}#$%&_~^<>|\"", "-- --- `` '' !` ?` ,, <<>>", "~~x~~", "H~2~O",
         "x^2^", "$x$", "&lt;", "&a", "@cite", "http://x.y", "a@b.c", "www.x.y", ":smile:", "*a*", "_b_", "[l](u)",
         "=1+1", "=HYPERLINK(\"http://x.y\")", "+1|2", "| a | b |"]


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


class Text(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.text, self.tags = [], []

    def handle_starttag(self, tag, attrs):
        self.tags.append((tag, dict(attrs)))

    def handle_data(self, data):
        self.text.append(data)


class Documents(unittest.TestCase):
    def compile(self, preamble):
        fragments = (sorted(glob.glob(os.path.join(folder, "pasos-*.tex"))) + sorted(glob.glob(os.path.join(folder, "cortes-*.tex")))
                     + [os.path.join(folder, "historial.tex")])
        body = "\n".join("\\input{%s}\n" % os.path.basename(path) for path in fragments)
        name = "documento-" + ("babel" if "babel" in preamble else "base")
        with open(os.path.join(folder, name + ".tex"), "w", encoding="utf-8") as f:
            f.write("\\documentclass[a4paper]{article}\n\\usepackage[T1]{fontenc}\n\\usepackage{lmodern}\n"
                    "\\usepackage{amsmath}\n" + preamble + "\\begin{document}\n" + body + "\\end{document}\n")
        run = subprocess.run(["pdflatex", "-interaction=nonstopmode", "-halt-on-error", "-no-shell-escape", name],
                             cwd=folder, capture_output=True, text=True, errors="replace", timeout=300)
        log = read(os.path.join(folder, name + ".log")) if os.path.exists(os.path.join(folder, name + ".log")) else ""
        self.assertEqual(run.returncode, 0, "\n".join(line for line in run.stdout.splitlines() if line.startswith("!")))
        # Nothing runs off the page: no line is wider than its measure.
        self.assertEqual(re.findall(r"Overfull \\hbox.*", log), [])
        self.assertFalse(os.path.exists(os.path.join(folder, "ls")))
        return subprocess.run(["pdftotext", "-layout", name + ".pdf", "-"], cwd=folder, check=True,
                              capture_output=True, text=True).stdout

    def test_latex_compiles_and_shows_what_was_typed(self):
        for preamble in ("", "\\usepackage[spanish]{babel}\n"):
            with self.subTest(preamble=preamble):
                text = self.compile(preamble)
                flat = re.sub(r"\s+", "", text)
                for typed in ["\\input{x}", "\\write18{ls}", "^^5c", "~~x~~", "H~2~O", "x^2^", "$x$", "&lt;",
                              "@cite", "http://x.y", ":smile:", "=1+1", "+1|2", "<<>>", ",,"]:
                    self.assertTrue(typed in flat, typed)
                self.assertTrue("-- ---" in text, "dashes made of hyphens")
                for mark in ("U+2212", "U+1F600", "U+221E", "U+03A9", "U+4E2D", "U+200B", "U+0007", "U+0000"):
                    self.assertTrue(mark in flat, mark)
                self.assertTrue("(7777777" in text, "the start of the 100 KB text")
                for sentence in ("Estebotónnocalculaningúnvalor", "z4=x4/y1=7/1=7", "Desbordamiento",
                                 "Cortesαyconvenios:Multiplicacion(X)", "[2.8125,24.375]", "Mediaponderada(z1+"):
                    self.assertTrue(sentence in flat, sentence)

    def markdown(self, flavour, path):
        run = subprocess.run(["pandoc", "-f", flavour, "-t", "html", path], check=True, capture_output=True,
                             text=True, timeout=120)
        parsed = Text()
        parsed.feed(run.stdout)
        return "".join(parsed.text), parsed.tags

    def test_markdown_renders_as_typed_with_the_table_shape(self):
        for flavour in ("markdown", "gfm"):
            with self.subTest(flavour=flavour):
                text, tags = self.markdown(flavour, os.path.join(folder, "historial.md"))
                for typed in TYPED:
                    self.assertTrue(typed in text, typed)
                names = [tag for tag, _ in tags]
                for made in ("a", "del", "sub", "sup", "em", "strong", "img", "code", "span", "cite"):
                    self.assertNotIn(made, names, made)
                self.assertEqual(names.count("tr"), entries + 1)
                self.assertEqual(names.count("td"), 5 * entries)
                steps, tags = self.markdown(flavour, os.path.join(folder, "pasos-8-Raiz.md"))
                for line in ("z4 = √x4 = √7 = 2.6457513110645907", 'ZI: " 1.4142135623731"'):
                    self.assertTrue(line in steps, line)
                cuts, tags = self.markdown(flavour, os.path.join(folder, "cortes-3-Multiplicacion.md"))
                self.assertEqual([tag for tag, _ in tags].count("tr"), 1 + 6 + 1 + 5)
                cuts = " ".join(cuts.split())
                for line in ("Cortes α y convenios: Multiplicacion (X)", "[2.8125, 24.375]", "(z1 + 2·z2 + 2·z3 + z4) / 6"):
                    self.assertTrue(line in cuts, line)

    def test_a_spreadsheet_reads_no_formula_and_keeps_numbers(self):
        sheet = os.path.join(folder, "historial.gnumeric")
        subprocess.run(["ssconvert", "-T", "Gnumeric_XmlIO:sax:0", os.path.join(folder, "historial.csv"), sheet],
                       check=True, capture_output=True, timeout=120)
        cells = {}
        for row, column, kind, content in re.findall(
                r'<gnm:Cell Row="(\d+)" Col="(\d+)"(?: ValueType="(\d+)")?[^>]*>([^<]*)</gnm:Cell>', read(sheet)):
            cells[(int(row), int(column))] = (kind, html.unescape(content))
        formulas = [cell for cell in cells.values() if cell[0] == ""]
        self.assertEqual(formulas, [])
        values = {content: kind for kind, content in cells.values()}
        # 40 is a number, 60 a string.
        for number in ("-1", "-.5", "2.25"):
            self.assertEqual(values.get(str(float(number)).rstrip("0").rstrip(".") if number != "-.5" else "-0.5"), "40")
        self.assertTrue(any(content == "'=1+1" or content == "=1+1" for content in values), "=1+1 as text")


if __name__ == "__main__":
    run = unittest.main(argv=sys.argv[:1], verbosity=2, exit=False)
    scratch.cleanup()
    sys.exit(0 if run.result.wasSuccessful() else 1)
