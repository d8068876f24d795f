#!/usr/bin/env python3
"""Puts the page, its style, its scripts, the compiled core and the font into
one file that works from disk with nothing else beside it."""
import base64
import hashlib
import re
import subprocess
import sys

out, template, style, script, module, wasm, font, node, window_markup = sys.argv[1:10]


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def safe_in_script(text):
    # A script element ends at the first "</script", whatever the JavaScript.
    return text.replace("</script", "<\\/script")


with open(font, "rb") as f:
    font_url = "data:font/woff2;base64," + base64.b64encode(f.read()).decode("ascii")

with open(wasm, "rb") as f:
    wasm_base64 = base64.b64encode(f.read()).decode("ascii")

# The window's markup and where each control stands, written by the core's
# own control table.
def from_table(*args):
    return subprocess.run([node, window_markup, *args], check=True, capture_output=True, text=True).stdout


window = from_table()
window_style = from_table("style")

page = read(template)
page = page.replace("@@WINDOW@@", window)
page = page.replace("@@WASM@@", wasm_base64)
page = page.replace("/*@@STYLE@@*/", read(style).replace("@@FONT@@", font_url) + window_style)
page = page.replace("/*@@MODULE@@*/", safe_in_script(read(module)))
page = page.replace("/*@@SCRIPT@@*/", safe_in_script(read(script)))

# A content policy of hashes: only these scripts and this style run, so a
# box text that slipped into the markup could never execute.
def hashes(tag):
    return " ".join("'sha256-" + base64.b64encode(hashlib.sha256(body.encode("utf-8")).digest()).decode("ascii") + "'"
                    for body in re.findall("<" + tag + ">(.*?)</" + tag + ">", page, re.S))


policy = ("default-src 'none'; script-src " + hashes("script") + " 'wasm-unsafe-eval'; style-src " + hashes("style") +
          "; font-src data:; img-src data:; base-uri 'none'; form-action 'none'")
page = page.replace("<!--@@POLICY@@-->", '<meta http-equiv="Content-Security-Policy" content="' + policy + '">')
with open(out, "w", encoding="utf-8") as f:
    f.write(page)
