#!/usr/bin/python3
"""The hosted edition's worker takes a new build whichever of its files
changed: a build that changes only the fetched exercise module must still
give the worker a new version, or users would keep the old module for good;
an unchanged build gives the same version, and nobody downloads it again.
Usage: site_version.py SITE_PY TRELVANI_HTML ICON_SVG SW_JS REGISTER_JS ESBUILD RSVG_CONVERT"""
import base64
import re
import subprocess
import sys
import tempfile

site_py, page_path, *tools = sys.argv[1:]
with open(page_path, encoding="utf-8") as f:
    page = f.read()

opening = '<script id="ejercicios-modulo" type="application/octet-stream">'
start = page.index(opening) + len(opening)
end = page.index("</script>", start)
module = bytearray(base64.b64decode(page[start:end]))
module[-1] ^= 1
other_module = page[:start] + base64.b64encode(bytes(module)).decode("ascii") + page[end:]


def built(text):
    with tempfile.TemporaryDirectory() as work:
        source = work + "/trelvani.html"
        with open(source, "w", encoding="utf-8") as f:
            f.write(text)
        subprocess.run([sys.executable, site_py, source, *tools, work + "/sitio"], check=True)
        with open(work + "/sitio/sw.js", encoding="utf-8") as f:
            version = re.search(r'const CACHE = "([^"]+)"', f.read()).group(1)
        with open(work + "/sitio/index.html", encoding="utf-8") as f:
            return version, f.read()


first, index = built(page)
again, _ = built(page)
changed, other_index = built(other_module)
failures = []
if first != again:
    failures.append("the same build gave the worker two versions: %s, %s" % (first, again))
if other_index != index:
    failures.append("changing the exercise module changed index.html: the check proves nothing")
if changed == first:
    failures.append("a new exercise module kept the worker's version " + first)
for failure in failures:
    print("FAIL site_version: " + failure)
print("site_version: %d passed, %d failed" % (3 - len(failures), len(failures)))
sys.exit(1 if failures else 0)
