#!/usr/bin/python3
"""Puts the page, its style, its scripts, the compiled core and the font into
one file that works from disk with nothing else beside it.

Every character is one more for the browser to read and parse before the first
click, so what goes in is made small: scripts and style minified, the core
deflated, and the font cut down to the letters the window draws in it. The
file is plain ASCII, which browsers decode fastest."""
import base64
import hashlib
import html.parser
import io
import re
import subprocess
import sys
import tempfile

from fontTools import subset

(out, template, style, script, study_markup, study_style, module, wasm, writer, exercises_module, exercises_wasm, font,
 node, window_markup, esbuild, zopfli) = sys.argv[1:17]
# The sections' scripts, in the order they run: the first is the one the others register with.
study_scripts = sys.argv[17:]


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def safe_in_script(text):
    # A script element ends at the first "</script", whatever the JavaScript.
    return text.replace("</script", "<\\/script")


def minified(text, loader):
    return subprocess.run([esbuild, "--minify", "--loader=" + loader, "--charset=ascii", "--log-level=warning"],
                          input=text, check=True, capture_output=True, text=True).stdout.strip()


def ascii_markup(text):
    return "".join(c if ord(c) < 128 else "&#x%x;" % ord(c) for c in text)


class ComicText(html.parser.HTMLParser):
    """The text of the window's elements drawn in the comic font."""

    VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source", "track", "wbr"}

    def __init__(self):
        super().__init__()
        self.open = []  # for each open element, whether it is drawn in the comic font
        self.text = set()

    def handle_starttag(self, tag, attrs):
        if tag in self.VOID:
            return
        classes = (dict(attrs).get("class") or "").split()
        self.open.append("comic" in classes or (bool(self.open) and self.open[-1]))

    def handle_endtag(self, tag):
        if self.open:
            self.open.pop()

    def handle_data(self, data):
        if self.open and self.open[-1]:
            self.text.update(data)


def font_for(text):
    options = subset.Options()
    options.flavor = "woff2"
    cutter = subset.Subsetter(options)
    with open(font, "rb") as f:
        whole = subset.load_font(io.BytesIO(f.read()), options)
    cutter.populate(text="".join(sorted(text)))
    cutter.subset(whole)
    buffer = io.BytesIO()
    subset.save_font(whole, buffer, options)
    return buffer.getvalue()


# The window's markup and where each control stands, written by the core's
# own control table.
def from_table(*args):
    return subprocess.run([node, window_markup, *args], check=True, capture_output=True, text=True).stdout


window = from_table()
window_style = from_table("style")

comic = ComicText()
comic.feed(window)
font_url = "data:font/woff2;base64," + base64.b64encode(font_for(comic.text)).decode("ascii")


def deflated_base64(path):
    """Deflated as the page's DecompressionStream("deflate-raw") reads it, by
    zopfli, which finds a smaller deflate stream than zlib does."""
    deflated = subprocess.run([zopfli, "--deflate", "-c", path], check=True, capture_output=True).stdout
    return base64.b64encode(deflated).decode("ascii")


# The sections under the window are not needed for the first click: their
# markup, their script and the writer module travel deflated too, a NUL
# after each of the first two, and the page puts them in once the window is
# ready.
study_script = minified("\n".join(read(path) for path in study_scripts), "js")
# Their style too: not a rule of it is read before the first click.
study_css = minified(read(study_style), "css")
with tempfile.NamedTemporaryFile(suffix=".txt") as packed:
    packed.write(("<style>" + study_css + "</style>" + ascii_markup(read(study_markup)) + "\0" + study_script +
                  "\0").encode("ascii"))
    with open(writer, "rb") as f:
        packed.write(f.read())
    packed.flush()
    study_base64 = deflated_base64(packed.name)

# The exercise lists' module, its glue and then its WebAssembly after a NUL,
# deflated together and read only when a teacher asks for a document.
exercises_script = safe_in_script(minified(read(exercises_module), "js"))
with tempfile.NamedTemporaryFile(suffix=".bin") as packed:
    packed.write(exercises_script.encode("ascii") + b"\0")
    with open(exercises_wasm, "rb") as f:
        packed.write(f.read())
    packed.flush()
    exercises_base64 = deflated_base64(packed.name)

page = ascii_markup(read(template))
page = page.replace("@@WINDOW@@", ascii_markup(window))
page = page.replace("@@WASM@@", deflated_base64(wasm))
page = page.replace("@@STUDY@@", study_base64)
page = page.replace("@@EXERCISES@@", exercises_base64)
page = page.replace("/*@@STYLE@@*/", minified(read(style) + window_style, "css").replace("@@FONT@@", font_url))
page = page.replace("/*@@MODULE@@*/", safe_in_script(minified(read(module), "js")))
page = page.replace("/*@@SCRIPT@@*/", safe_in_script(minified(read(script), "js")))
if not page.isascii():
    sys.exit("inline_page.py: a character outside ASCII reached the page")


# A content policy of hashes: only these scripts and this style run, so a
# box text that slipped into the markup could never execute.
def hash_of(body):
    return "'sha256-" + base64.b64encode(hashlib.sha256(body.encode("utf-8")).digest()).decode("ascii") + "'"


def hashes(tag):
    return " ".join(hash_of(body) for body in re.findall("<" + tag + ">(.*?)</" + tag + ">", page, re.S))


policy = ("default-src 'none'; script-src " + hashes("script") + " " + hash_of(study_script) + " " +
          hash_of(exercises_script) +
          " 'wasm-unsafe-eval'; style-src " + hashes("style") + " " + hash_of(study_css) +
          "; font-src data:; img-src data:; base-uri 'none'; form-action 'none'")
page = page.replace("<!--@@POLICY@@-->", '<meta http-equiv="Content-Security-Policy" content="' + policy + '">')
with open(out, "w", encoding="utf-8") as f:
    f.write(page)
