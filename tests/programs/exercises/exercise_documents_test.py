#!/usr/bin/python3
"""trelvani-ejercicios as a teacher uses it: a list in, each document out,
compared with its golden copy and opened by the tool it is for: pdflatex
compiles the sheet and the key, pandoc renders the Markdown, the Moodle XML
parses and each blank reads as Moodle's Cloze reader takes it, the GIFT has
one question per number asked, and every answer of the JSON is
trelvani-batch's own reply (trelvani-decision's, for the decision problem).
Usage: exercise_documents_test.py TRELVANI_EJERCICIOS TRELVANI_BATCH TRELVANI_DECISION
(TRELVANI_UPDATE_GOLDEN=1 rewrites the golden copies; TRELVANI_MOODLE_READ,
the path of moodle_read.php, also imports both quizzes with Moodle's own code)."""
import html
import html.parser
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

PROGRAM, BATCH, DECISION = sys.argv[1], sys.argv[2], sys.argv[3]
HERE = os.path.dirname(os.path.abspath(__file__))
LIST = os.path.join(HERE, "lista.jsonl")
HOSTILE = "}{#~=:\\ $&%_^ <b> ]]>"
# The numbers and choices each exercise of the list asks for.
ASKED = [4, 4, 4, 3, 9, 4, 4, 4]
# The last line's decision problem: its alternatives as typed, the best last.
ALTERNATIVES = [HOSTILE, "Señal", "A3"]
DIVISION_SLIP = ("¿dividió sin cruzar los componentes? La división los cruza: "
                 "z1 = x1 / y4, z2 = x2 / y3, z3 = x3 / y2, z4 = x4 / y1.")
MOODLE_READ = os.environ.get("TRELVANI_MOODLE_READ")
GOLDEN = {("latex", True): "solucionario.tex", ("markdown", True): "solucionario.md",
          ("html", True): "solucionario.html", ("moodle", False): "cuestionario.xml",
          ("gift", False): "cuestionario.gift.txt", ("json", False): "desarrollada.jsonl"}


def run(*args, stdin=None):
    return subprocess.run([PROGRAM, *args], input=stdin, capture_output=True, timeout=120)


def document(form, key=False):
    result = run("--formato", form, *(["--solucionario"] if key else []), LIST)
    assert result.returncode == 0, result.stderr
    return result.stdout.decode("utf-8")


class Text(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.text, self.tags = [], []

    def handle_starttag(self, tag, attrs):
        self.tags.append(tag)

    def handle_data(self, data):
        self.text.append(data)


def flat(text):
    return re.sub(r"\s+", "", text)


def shown(stored_html):
    """What a browser shows of a text Moodle stored as HTML."""
    parsed = Text()
    parsed.feed(stored_html)
    parsed.close()
    return "".join(parsed.text)


def paragraphs(page):
    """Each <p> of a page as its lines, split where a <br> breaks them."""
    return [[" ".join(shown(line).split()) for line in re.split(r"<br\s*/?>", paragraph)]
            for paragraph in re.findall(r"<p>(.*?)</p>", page, re.S)]


# Moodle's Cloze reader: one answer (its fraction, its text up to an unescaped
# ~ # or }, its feedback up to an unescaped ~ or }) and a blank of answers.
CLOZE_ANSWER = r"(?:=|%-?[0-9]+(?:[.,][0-9]*)?%)?.+?(?<!\\)(?<!&)(?<!&amp;)(?=[~#}]|$)(?:#(.*?(?<!\\)(?=[~}]|$)))?"
_GROUPLESS = CLOZE_ANSWER.replace("(.*?", "(?:.*?")
CLOZE_BLANK = re.compile(r"\{[0-9]*:(?:NUMERICAL|MULTICHOICE):(" + _GROUPLESS + "(?:~" + _GROUPLESS + ")*)\}", re.S)


def cloze_feedbacks(blank):
    """A blank's feedbacks as a student reads them: Moodle decodes their
    entities once, takes back only "\\}" and "\\#", and shows them as HTML."""
    return [shown(html.unescape(feedback).replace("\\}", "}").replace("\\#", "#"))
            for feedback in re.findall("~?" + CLOZE_ANSWER, blank, re.S) if feedback]


def decision_reply():
    """trelvani-decision's own reply to the list's decision problem."""
    with open(LIST, encoding="utf-8") as f:
        problem = json.loads(f.read().splitlines()[-1])["decision"]
    solved = subprocess.run([DECISION], input=json.dumps(problem) + "\n", capture_output=True, text=True, check=True)
    return json.loads(solved.stdout)


class Documents(unittest.TestCase):
    def test_golden_copies(self):
        for (form, key), name in GOLDEN.items():
            with self.subTest(form=form):
                path = os.path.join(HERE, "golden", name)
                written = document(form, key)
                if os.environ.get("TRELVANI_UPDATE_GOLDEN"):
                    with open(path, "w", encoding="utf-8") as f:
                        f.write(written)
                with open(path, encoding="utf-8") as f:
                    self.assertEqual(written, f.read())

    def test_latex_compiles_with_the_statement_as_typed(self):
        with tempfile.TemporaryDirectory() as folder:
            for key in (False, True):
                name = "solucionario" if key else "hoja"
                with open(os.path.join(folder, name + ".tex"), "w", encoding="utf-8") as f:
                    f.write(document("latex", key))
                compiled = subprocess.run(["pdflatex", "-interaction=nonstopmode", "-halt-on-error", "-no-shell-escape",
                                           name], cwd=folder, capture_output=True, timeout=300)
                self.assertEqual(compiled.returncode, 0, name)
                with open(os.path.join(folder, name + ".log"), encoding="latin-1") as f:
                    self.assertEqual(re.findall(r"Overfull \\hbox.*", f.read()), [], name)
                text = subprocess.run(["pdftotext", name + ".pdf", "-"], cwd=folder, capture_output=True,
                                      text=True, check=True).stdout
                self.assertIn(flat(HOSTILE), flat(text))
                self.assertEqual(text.count("Ejercicio "), len(ASKED))
                self.assertEqual("Procedimiento: Multiplicacion" in text, key)

    def test_markdown_renders_as_typed(self):
        for flavour in ("markdown", "gfm"):
            rendered = subprocess.run(["pandoc", "-f", flavour, "-t", "html"], input=document("markdown", True),
                                      capture_output=True, text=True, check=True, timeout=120).stdout
            parsed = Text()
            parsed.feed(rendered)
            self.assertIn(HOSTILE, " ".join("".join(parsed.text).split()))
            self.assertNotIn("b", parsed.tags)
            self.assertEqual(parsed.tags.count("h2"), len(ASKED))

    def test_html_prints_with_no_script(self):
        page = document("html", True)
        parsed = Text()
        parsed.feed(page)
        self.assertNotIn("script", parsed.tags)
        self.assertNotIn("b", parsed.tags)
        self.assertEqual(parsed.tags.count("h2"), len(ASKED))
        self.assertIn(HOSTILE, "".join(parsed.text))
        self.assertIn("@page { size: A4", page)

    def test_moodle_xml_parses_and_every_blank_is_cloze(self):
        quiz = ElementTree.fromstring(document("moodle").encode("utf-8"))
        questions = quiz.findall("question[@type='cloze']")
        self.assertEqual(len(questions), len(ASKED))
        feedbacks = []
        for question, asked in zip(questions, ASKED):
            text = question.find("questiontext/text").text
            blanks = CLOZE_BLANK.findall(text)
            self.assertEqual(len(blanks), asked, text)
            # Outside its blanks, no brace is left for Moodle to read as one.
            self.assertNotIn("{", CLOZE_BLANK.sub("", text))
            feedbacks += [feedback for blank in blanks for feedback in cloze_feedbacks(blank)]
        self.assertIn(DIVISION_SLIP, feedbacks)
        self.assertEqual([feedback for feedback in feedbacks if "\\" in feedback], [])
        first = questions[0].find("questiontext/text").text
        self.assertIn("&#125;&#123;#~=:\\ $&amp;%_^ &lt;b&gt; ]]&gt;", first)
        categories = [c.text for c in quiz.findall("question[@type='category']/category/text")]
        self.assertEqual(categories, ["$course$/top/Trelvani", "$course$/top/Trelvani/Línea 6", "$course$/top/Trelvani"])

    @unittest.skipUnless(MOODLE_READ and shutil.which("php"), "no TRELVANI_MOODLE_READ or no php")
    def test_moodle_imports_the_cloze_as_the_gift(self):
        def imported(form):
            with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix="." + form) as f:
                f.write(document("moodle" if form == "xml" else form))
                f.flush()
                result = subprocess.run(["php", MOODLE_READ, "--format", form, f.name], capture_output=True, text=True,
                                        timeout=300)
            self.assertEqual(result.returncode, 0, result.stdout[-2000:])
            return json.loads(result.stdout)["questions"]

        # Each blank a GIFT question: the same answers, grades and feedback, as a student sees them.
        blanks = [[(shown(a["answer"]), a["fraction"], shown(a["feedback"])) for a in blank["answers"]]
                  for question in imported("xml") for blank in question["subquestions"]]
        gift = imported("gift")
        self.assertEqual(blanks, [[(shown(a["answer"]), a["fraction"], a["feedback"]) for a in question["answers"]]
                                  for question in gift])
        self.assertIn(DIVISION_SLIP, [answer[2] for blank in blanks for answer in blank])
        # The decision problem: each CC within the tolerance, then the names as typed, the best one right.
        closeness = [float(cc) for cc in decision_reply()["cc"]]
        asked = gift[-len(ALTERNATIVES) - 1:]
        self.assertEqual([(q["qtype"], float(q["answers"][0]["answer"]), q["answers"][0]["tolerance"])
                          for q in asked[:-1]], [("numerical", cc, "0.005") for cc in closeness])
        self.assertEqual(blanks[-1], [(name, 1 if name == "A3" else 0, "") for name in ALTERNATIVES])

    def test_gift_asks_one_question_per_number(self):
        gift = document("gift")
        questions = [block for block in gift.split("\n\n") if block.startswith("::")]
        self.assertEqual(len(questions), sum(ASKED))
        for question in questions:
            self.assertEqual(question.count("\n"), 0, question)
            unescaped = re.sub(r"\\.", "", question)
            self.assertEqual((unescaped.count("{"), unescaped.count("}")), (1, 1), question)
        statement = re.match(r"::[^:]*::\[plain\](.*?)\\n", questions[0]).group(1)
        self.assertEqual(re.sub(r"\\(.)", r"\1", statement).split(" Sean")[0], HOSTILE)

    def test_a_statement_keeps_its_paragraphs_and_line_breaks(self):
        # A line of blanks, a tab, a Windows line end, and a line LaTeX could take as the break's argument.
        given = "Primer párrafo,\tlínea uno\r\n[2] línea dos\n \nSegundo párrafo"
        lines = [["Primer párrafo, línea uno", "[2] línea dos"], ["Segundo párrafo Sea X = (1; 2; 3; 4)."]]
        listing = json.dumps({"X": ["1", "2", "3", "4"], "botones": ["Cuadrado"], "enunciado": given}).encode()
        written = {form: run("--formato", form, stdin=listing).stdout.decode()
                   for form in ("latex", "markdown", "html", "moodle")}
        pages = [written["html"], ElementTree.fromstring(written["moodle"]).find("question/questiontext/text").text]
        pages += [subprocess.run(["pandoc", "-f", flavour, "-t", "html"], input=written["markdown"], capture_output=True,
                                 text=True, check=True).stdout for flavour in ("markdown", "gfm")]
        self.assertEqual([paragraphs(page)[:2] for page in pages], [lines] * 4)
        # The JSON keeps the statement as typed, its breaks and tab escaped as trelvani-batch escapes a text.
        as_batch = subprocess.run([BATCH], input=json.dumps({"set": {"XI": given}}) + "\n", capture_output=True,
                                  text=True, check=True).stdout
        self.assertIn('"enunciado":' + re.search(r'"XI":("(?:[^"\\]|\\.)*)"', as_batch).group(1),
                      run("--formato", "json", stdin=listing).stdout.decode())
        with tempfile.TemporaryDirectory() as folder:
            with open(os.path.join(folder, "hoja.tex"), "w", encoding="utf-8") as f:
                f.write(written["latex"])
            subprocess.run(["pdflatex", "-interaction=nonstopmode", "-halt-on-error", "-no-shell-escape", "hoja"],
                           cwd=folder, capture_output=True, check=True, timeout=300)
            text = subprocess.run(["pdftotext", "hoja.pdf", "-"], cwd=folder, capture_output=True, text=True).stdout
        self.assertIn("\n".join(line for paragraph in lines for line in paragraph), text)
        self.assertNotIn("U+", text)

    def test_a_decision_problem_is_given_on_the_sheet_and_worked_in_the_key(self):
        for form in ("latex", "markdown", "html"):
            with self.subTest(form=form):
                # Markdown's escapes taken back, to read the words.
                sheet, key = (re.sub(r"\\([^\\])", r"\1", text) if form == "markdown" else text
                              for text in (document(form), document(form, True)))
                self.assertIn("Datos del problema", sheet)
                self.assertNotIn("Solución desarrollada", sheet)
                # The worked solution sits inside the list's own document.
                self.assertIn("Solución desarrollada: TOPSIS difuso", key)
                for opening in ("\\documentclass", "\\begin{document}", "<html", "<body"):
                    self.assertLessEqual(key.count(opening), 1)
        rendered = subprocess.run(["pandoc", "-f", "gfm", "-t", "html"], input=document("markdown"), capture_output=True,
                                  text=True, check=True).stdout
        for name in ALTERNATIVES:
            self.assertIn("<td>" + html.escape(name, quote=False) + "</td>", rendered)

    def test_json_answers_are_the_batch_replies(self):
        lines = [json.loads(line) for line in document("json").splitlines()]
        self.assertEqual([line["ejercicio"] for line in lines], list(range(1, len(ASKED) + 1)))
        chain = lines[4]
        requests = [json.dumps({"set": dict(zip(["XI", "XII", "XIII", "XIV", "YI", "YII", "YIII", "YIV"],
                                                 chain["X"] + chain["Y"]))})]
        requests += [json.dumps({"click": button, "steps": True}) for button in chain["botones"]]
        replies = subprocess.run([BATCH], input="\n".join(requests) + "\n", capture_output=True, text=True,
                                 check=True).stdout.splitlines()[1:]
        self.assertEqual(replies, [json.dumps({k: v for k, v in answer.items() if k != "boton"},
                                              ensure_ascii=False, separators=(",", ":")) for answer in chain["respuestas"]])
        self.assertEqual(lines[-1]["respuestas"], [decision_reply()])

    def test_links_open_each_exercise(self):
        base = "https://ejemplo.es/trelvani.html"
        lines = [json.loads(line) for line in run("--formato", "json", "--enlace", base, LIST).stdout.decode().splitlines()]
        self.assertEqual(lines[1]["enlace"], base + "#X=-2;-1;1;2&Y=1;2;3;4&botones=Resta")
        self.assertTrue(lines[0]["enlace"].endswith("&enunciado=%7D%7B%23~%3D%3A%5C%20%24%26%25_%5E%20%3Cb%3E%20%5D%5D%3E"))
        page = run("--formato", "html", "--enlace", base, LIST).stdout.decode()
        self.assertIn('<a href="' + base + '#X=-2;-1;1;2&amp;Y=1;2;3;4&amp;botones=Resta">', page)

    def test_bad_lists_write_nothing(self):
        cases = [
            (["--formato", "latex"], b'{"botones": ["Suma"]}\n{"botones": ["Nada"]}\n', 1, "línea 2: botón desconocido: Nada"),
            (["--formato", "gift"], b'{"X": ["1", "1", "1", "1"], "Y": ["0", "0", "0", "0"], "botones": ["Division"]}\n', 1,
             "ejercicio 1: División por cero en z1 = x1 / y4"),
            ([], b"", 2, "Uso: trelvani-ejercicios"),
            (["--formato", "pdf"], b"", 2, "formato desconocido: pdf"),
            (["--formato", "json", "--decimales", "16"], b"", 2, "--decimales"),
            (["--formato", "json", "/no/existe"], b"", 2, "no se pudo leer la lista"),
            (["--formato", "html", "--enlace", "javascript:alert(1)"], b"", 2, "--enlace necesita"),
        ]
        for args, stdin, status, message in cases:
            with self.subTest(args=args):
                result = run(*args, stdin=stdin)
                self.assertEqual((result.returncode, result.stdout), (status, b""))
                self.assertIn(message, result.stderr.decode("utf-8"))
        with open("/dev/full", "wb") as full:
            written = subprocess.run([PROGRAM, "--formato", "json", LIST], stdout=full, stderr=subprocess.PIPE)
        self.assertEqual(written.returncode, 2)
        warned = run("--formato", "json", stdin='{"X": ["0,5", "1/2", " ", "2"], "botones": ["Cuadrado"]}\n'.encode())
        self.assertEqual(warned.returncode, 0)
        self.assertEqual(warned.stderr.decode("utf-8").splitlines(), [
            'trelvani-ejercicios: aviso: ejercicio 1: XI "0,5" se lee como 0',
            'trelvani-ejercicios: aviso: ejercicio 1: XII "1/2" se lee como 1'])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
