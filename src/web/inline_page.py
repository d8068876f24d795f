#!/usr/bin/env python3
"""Puts the page, its style, its scripts, the compiled core and the font into
one file that works from disk with nothing else beside it."""
import base64
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

# The window's markup, written by the core's own control table.
window = subprocess.run([node, window_markup], check=True, capture_output=True, text=True).stdout

page = read(template)
page = page.replace("@@WINDOW@@", window)
page = page.replace("@@WASM@@", wasm_base64)
page = page.replace("/*@@STYLE@@*/", read(style).replace("@@FONT@@", font_url))
page = page.replace("/*@@MODULE@@*/", safe_in_script(read(module)))
page = page.replace("/*@@SCRIPT@@*/", safe_in_script(read(script)))
with open(out, "w", encoding="utf-8") as f:
    f.write(page)
