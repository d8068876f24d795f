#!/usr/bin/env python3
"""Puts the page, its style, its scripts, the compiled core and the font into
one file that works from disk with nothing else beside it."""
import base64
import sys

out, template, style, script, module, wasm, font = sys.argv[1:8]


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

page = read(template)
page = page.replace("@@WASM@@", wasm_base64)
page = page.replace("/*@@STYLE@@*/", read(style).replace("@@FONT@@", font_url))
page = page.replace("/*@@MODULE@@*/", safe_in_script(read(module)))
page = page.replace("/*@@SCRIPT@@*/", safe_in_script(read(script)))
with open(out, "w", encoding="utf-8") as f:
    f.write(page)
