#!/usr/bin/python3
"""The hosted edition's worker takes a new build whichever of its files
changed: a build that changes only the fetched study module must still
give the worker a new version, or users would keep the old module for good;
an unchanged build gives the same version, and nobody downloads it again.
Usage: site_version.py SITE_PY SITE_FOLDER SITE_PY_OPTIONS..."""
import re
import shutil
import subprocess
import sys
import tempfile

site_py, folder, *options = sys.argv[1:]


def new_study_module(copy):
    with open(copy + "/modulo-estudio.bin", "r+b") as f:
        module = bytearray(f.read())
        module[-1] ^= 1
        f.seek(0)
        f.write(module)


def version(change=None, runs=1):
    """The worker's version for a copy of the built folder, changed first."""
    with tempfile.TemporaryDirectory() as work:
        copy = work + "/sitio"
        shutil.copytree(folder, copy)
        if change:
            change(copy)
        for _ in range(runs):
            subprocess.run([sys.executable, site_py, "--folder", copy, *options], check=True)
        with open(copy + "/sw.js", encoding="utf-8") as f:
            return re.search(r'const CACHE = "([^"]+)"', f.read()).group(1)


first = version()
failures = []
# Built again over its own output: the worker it wrote last time is no input.
again = version(runs=2)
if first != again:
    failures.append("the same build gave the worker two versions: %s, %s" % (first, again))
if version(new_study_module) == first:
    failures.append("a new study module kept the worker's version " + first)
for failure in failures:
    print("FAIL site_version: " + failure)
print("site_version: %d passed, %d failed" % (2 - len(failures), len(failures)))
sys.exit(1 if failures else 0)
