#!/usr/bin/python3
"""Writes the hosted edition, a folder any static web host serves as it is:
the same page as index.html with the manifest, the icons and the worker's
registration added (the single file has none of them) and with the sections
and the exercise lists' module in files of their own, the manifest, the
icons drawn from the program's icon, and the worker that keeps it offline.
Usage: site.py TRELVANI_HTML ICON_SVG SW_JS REGISTER_JS ESBUILD RSVG_CONVERT OUT_DIR"""
import base64
import hashlib
import json
import os
import re
import subprocess
import sys

page_path, icon_svg, sw_js, register_js, esbuild, rsvg, out = sys.argv[1:8]
os.makedirs(out, exist_ok=True)


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
icon = read(icon_svg)
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

registration = subprocess.run([esbuild, "--minify", "--loader=js", "--charset=ascii", "--log-level=warning"],
                              input=read(register_js), check=True, capture_output=True, text=True).stdout.strip()
page = read(page_path)
# The policy stays one of hashes; 'self' only for the worker, the manifest and the icons.
digest = base64.b64encode(hashlib.sha256(registration.encode("utf-8")).digest()).decode("ascii")
policy_start = page.index('<meta http-equiv="Content-Security-Policy" content="')
page = page.replace("script-src ", "script-src 'sha256-" + digest + "' ", 1)
page = page.replace("img-src data:", "img-src data: 'self'", 1)
page = page.replace("; base-uri 'none'", "; worker-src 'self'; manifest-src 'self'; connect-src 'self'; base-uri 'none'", 1)
assert page.index("worker-src") > policy_start
links = ('<link rel="manifest" href="manifest.webmanifest">\n<link rel="icon" type="image/png" href="icono-192.png">\n'
         '<link rel="apple-touch-icon" href="apple-touch-icon.png">\n<meta name="theme-color" content="#000080">\n')
page = page.replace("</head>", links + "</head>", 1)
page = page.replace("</body>", "<script>" + registration + "</script>\n</body>", 1)
# What only comes after the first click, the sections and the exercise lists'
# module, goes into files of their own, deflated as the page carries them:
# the page a phone downloads before its first click holds the window alone.
fetched = hashlib.sha256()
for block, name in (("estudio", "estudio.bin"), ("ejercicios-modulo", "ejercicios.bin")):
    opening = '<script id="' + block + '" type="application/octet-stream">'
    start = page.index(opening)
    end = page.index("</script>", start)
    packed = base64.b64decode(page[start + len(opening):end])
    fetched.update(packed)
    write(name, packed)
    page = (page[:start] + '<script id="' + block + '" type="application/octet-stream" data-src="' + name + '">' +
            page[end:])
write("index.html", page)

# A new build, a new worker: the version is the digest of the page and of
# the files it fetches, any of which a build may change alone.
fetched.update(page.encode("utf-8"))
version = fetched.hexdigest()[:16]
write("sw.js", read(sw_js).replace("@@VERSION@@", version))
