#!/usr/bin/python3
"""Puts the page, its style, its scripts, the compiled core and the font into
one file that works from disk with nothing else beside it.

Every character is one more for the browser to read and parse before the first
click, so what goes in is made small: scripts and style minified, the core
deflated, and the font cut down to the letters the window draws in it. The
file is plain ASCII, which browsers decode fastest.

It writes the hosted edition's page too, from the same pieces: there what
comes after the first click is fetched from files of its own beside it, and
the page links the manifest and the icons and registers the worker (site.py
writes those)."""
import argparse
import base64
import hashlib
import html.parser
import io
import json
import os
import re
import subprocess
import sys
import tempfile

from fontTools import subset

arguments = argparse.ArgumentParser(description=__doc__)
arguments.add_argument("--out", required=True, help="the single file to write")
arguments.add_argument("--hosted-out", required=True, help="the hosted edition's folder: its page and fetched files")
arguments.add_argument("--hosted-registration", required=True, help="the script that registers the hosted worker")
arguments.add_argument("--template", required=True, help="the page's markup, with the markers filled here")
arguments.add_argument("--style", required=True)
arguments.add_argument("--script", required=True)
arguments.add_argument("--sections-markup", required=True)
arguments.add_argument("--sections-style", required=True)
# In the order they run: the first is the one the others register with.
arguments.add_argument("--sections", required=True, nargs="+", help="the sections' scripts")
arguments.add_argument("--core-glue", required=True, help="the core module's JavaScript")
arguments.add_argument("--core-wasm", required=True)
arguments.add_argument("--study-glue", required=True, help="the study module's JavaScript")
arguments.add_argument("--study-wasm", required=True)
arguments.add_argument("--font", required=True, help="the comic font, cut down to the window's letters")
arguments.add_argument("--node", required=True)
arguments.add_argument("--window-markup", required=True, help="the tool that writes the window from the control table")
arguments.add_argument("--esbuild", required=True)
arguments.add_argument("--zopfli", required=True)
args = arguments.parse_args()
esbuild, zopfli = args.esbuild, args.zopfli


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
    with open(args.font, "rb") as f:
        whole = subset.load_font(io.BytesIO(f.read()), options)
    cutter.populate(text="".join(sorted(text)))
    cutter.subset(whole)
    buffer = io.BytesIO()
    subset.save_font(whole, buffer, options)
    return buffer.getvalue()


# The window's markup and where each control stands, written by the core's
# own control table.
def from_table(*tool_arguments):
    return subprocess.run([args.node, args.window_markup, *tool_arguments], check=True, capture_output=True,
                          text=True).stdout


window = from_table()
window_style = from_table("style")

comic = ComicText()
comic.feed(window)
font_url = "data:font/woff2;base64," + base64.b64encode(font_for(comic.text)).decode("ascii")


def deflated(path):
    """Deflated as the page's DecompressionStream("deflate-raw") reads it, by
    zopfli, which finds a smaller deflate stream than zlib does."""
    return subprocess.run([zopfli, "--deflate", "-c", path], check=True, capture_output=True).stdout


def base64_text(data):
    return base64.b64encode(data).decode("ascii")


# The sections under the window are not needed for the first click: their
# markup and their script travel deflated too, a NUL after each, and the
# page puts them in once the window is ready. What their scripts take from
# the core's tables (formats, boxes, limits) travels in their markup, as
# JSON that sections.js reads once. A script element's text is not markup:
# kept ASCII by JSON's own escapes.
sections_data = ('<script type="application/json" id="datos-secciones">' +
                 safe_in_script(json.dumps(json.loads(from_table("data")), ensure_ascii=True)) + "</script>")
study_script = minified("\n".join(read(path) for path in args.sections), "js")
# Their style too: not a rule of it is read before the first click.
study_css = minified(read(args.sections_style), "css")
with tempfile.NamedTemporaryFile(suffix=".txt") as packed:
    packed.write(("<style>" + study_css + "</style>" + ascii_markup(read(args.sections_markup)) + sections_data + "\0" +
                  study_script + "\0").encode("ascii"))
    packed.flush()
    sections_packed = deflated(packed.name)

# The study module, its glue and then its WebAssembly after a NUL, deflated
# together and compiled once the window is idle.
module_script = safe_in_script(minified(read(args.study_glue), "js"))
with tempfile.NamedTemporaryFile(suffix=".bin") as packed:
    packed.write(module_script.encode("ascii") + b"\0")
    with open(args.study_wasm, "rb") as f:
        packed.write(f.read())
    packed.flush()
    module_packed = deflated(packed.name)

page = ascii_markup(read(args.template))
page = page.replace("@@WINDOW@@", ascii_markup(window))
page = page.replace("@@WASM@@", base64_text(deflated(args.core_wasm)))
page = page.replace("/*@@STYLE@@*/", minified(read(args.style) + window_style, "css").replace("@@FONT@@", font_url))
page = page.replace("/*@@MODULE@@*/", safe_in_script(minified(read(args.core_glue), "js")))
page = page.replace("/*@@SCRIPT@@*/", safe_in_script(minified(read(args.script), "js")))


# A content policy of hashes: only these scripts and this style run, so a
# box text that slipped into the markup could never execute.
def hash_of(body):
    return "'sha256-" + base64_text(hashlib.sha256(body.encode("utf-8")).digest()) + "'"


def hashes(tag):
    return [hash_of(body) for body in re.findall("<" + tag + ">(.*?)</" + tag + ">", page, re.S)]


def policy(first_scripts, hosted):
    scripts = first_scripts + hashes("script") + [hash_of(study_script), hash_of(module_script),
                                                  "'wasm-unsafe-eval'"]
    rules = ["default-src 'none'", "script-src " + " ".join(scripts),
             "style-src " + " ".join(hashes("style") + [hash_of(study_css)]), "font-src data:",
             # The hosted edition's icons, worker, manifest and fetched files are its own.
             "img-src data: 'self'" if hosted else "img-src data:"]
    if hosted:
        rules += ["worker-src 'self'", "manifest-src 'self'", "connect-src 'self'"]
    return "; ".join(rules + ["base-uri 'none'", "form-action 'none'"])


def edition(fills):
    text = page
    for marker, fill in fills.items():
        text = text.replace(marker, fill)
    if not text.isascii():
        sys.exit("inline_page.py: a character outside ASCII reached the page")
    return text


def policy_tag(text):
    return '<meta http-equiv="Content-Security-Policy" content="' + text + '">'


with open(args.out, "w", encoding="utf-8") as f:
    f.write(edition({"<!--@@POLICY@@-->": policy_tag(policy([], False)), "<!--@@HOSTED-HEAD@@-->": "",
                     "@@SECTIONS-SOURCE@@": "", "@@SECTIONS@@": base64_text(sections_packed), "@@MODULE-SOURCE@@": "",
                     "@@STUDY-MODULE@@": base64_text(module_packed), "<!--@@HOSTED-SCRIPT@@-->": ""}))

# The hosted edition: what comes after the first click is fetched once the
# window is ready, so the page a phone downloads first holds the window alone.
# The worker is registered only then too (register.js).
registration = minified(read(args.hosted_registration), "js")
links = ('<link rel="manifest" href="manifest.webmanifest">\n<link rel="icon" type="image/png" href="icono-192.png">\n'
         '<link rel="apple-touch-icon" href="apple-touch-icon.png">\n<meta name="theme-color" content="#000080">\n')
os.makedirs(args.hosted_out, exist_ok=True)
for name, packed in (("estudio.bin", sections_packed), ("modulo-estudio.bin", module_packed)):
    with open(os.path.join(args.hosted_out, name), "wb") as f:
        f.write(packed)
with open(os.path.join(args.hosted_out, "index.html"), "w", encoding="utf-8") as f:
    f.write(edition({"<!--@@POLICY@@-->": policy_tag(policy([hash_of(registration)], True)),
                     "<!--@@HOSTED-HEAD@@-->": links, "@@SECTIONS-SOURCE@@": ' data-src="estudio.bin"', "@@SECTIONS@@": "",
                     "@@MODULE-SOURCE@@": ' data-src="modulo-estudio.bin"', "@@STUDY-MODULE@@": "",
                     "<!--@@HOSTED-SCRIPT@@-->": "\n<script>" + registration + "</script>"}))
