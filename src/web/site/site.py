#!/usr/bin/python3
"""Finishes the hosted edition, a folder any static web host serves as it is:
inline_page.py has written its page and the files the page fetches; here
come the manifest, the icons drawn from the program's icon, and the worker
that keeps it all offline."""
import argparse
import hashlib
import json
import os
import re
import subprocess

arguments = argparse.ArgumentParser(description=__doc__)
arguments.add_argument("--folder", required=True, help="the hosted edition, its page already in it")
arguments.add_argument("--icon", required=True, help="the program's icon, SVG")
arguments.add_argument("--worker", required=True, help="the worker's script, its version still to fill")
arguments.add_argument("--rsvg-convert", required=True)
args = arguments.parse_args()
out, rsvg = args.folder, args.rsvg_convert
WORKER = "sw.js"


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def write(name, data):
    with open(os.path.join(out, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


def png(svg_text, size):
    return subprocess.run([rsvg, "--width", str(size), "--height", str(size), "--format", "png"],
                          input=svg_text.encode("utf-8"), check=True, capture_output=True).stdout


# The icon as the program has it; for "maskable", on a full square with the
# drawing inside the middle four fifths, where no launcher's mask cuts it.
icon = read(args.icon)
inner = re.search(r"<svg[^>]*>(.*)</svg>", icon, re.S).group(1)
maskable = ('<svg xmlns="http://www.w3.org/2000/svg" width="320" height="320" viewBox="0 0 320 320">'
            '<rect width="320" height="320" fill="#ffffc0"/><g transform="translate(32 32)">' + inner + "</g></svg>")
write("icono-192.png", png(icon, 192))
write("icono-512.png", png(icon, 512))
write("icono-maskable-512.png", png(maskable, 512))
write("apple-touch-icon.png", png(maskable, 180))

manifest = {
    "name": "Trelvani · Números fuzzy trapezoidales", "short_name": "Trelvani", "lang": "es",
    "description": "Calculadora de números fuzzy trapezoidales", "start_url": "./", "scope": "./",
    "display": "standalone", "theme_color": "#000080", "background_color": "#e6e6e6",
    "icons": [{"src": "icono-192.png", "sizes": "192x192", "type": "image/png"},
              {"src": "icono-512.png", "sizes": "512x512", "type": "image/png"},
              {"src": "icono-maskable-512.png", "sizes": "512x512", "type": "image/png", "purpose": "maskable"}],
}
write("manifest.webmanifest", json.dumps(manifest, ensure_ascii=False, indent=1) + "\n")

# A new build, a new worker: the version is the digest of every file beside
# it, any of which a build may change alone.
kept = hashlib.sha256()
for name in sorted(os.listdir(out)):
    if name != WORKER:
        with open(os.path.join(out, name), "rb") as f:
            kept.update(name.encode("utf-8") + b"\0" + f.read())
write(WORKER, read(args.worker).replace("@@VERSION@@", kept.hexdigest()[:16]))
