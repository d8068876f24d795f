#!/usr/bin/env python3
"""The page's costs in headless Chromium: from navigation to the first click
answered, against a trivial page with one input box loaded the same way;
one click's time inside the page; the file's size. With --against, another
build of the page is loaded in the same alternation, for a side-by-side
comparison on a noisy machine.
Usage: web_bench.py TRELVANI_HTML [RUNS] [--against OTHER_HTML]"""
import os
import pathlib
import statistics
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from browser import start_browser  # noqa: E402

args = sys.argv[1:]
other = None
if "--against" in args:
    at = args.index("--against")
    other = pathlib.Path(args[at + 1]).resolve()
    del args[at:at + 2]
page = pathlib.Path(args[0]).resolve()
runs = int(args[1]) if len(args) > 1 else 31

trivial = pathlib.Path(tempfile.mkdtemp()) / "trivial.html"
trivial.write_text("""<!DOCTYPE html><html lang="es"><head><meta charset="utf-8"><title>t</title></head>
<body><input id="XI" value=" "><button id="Suma" type="button">+</button>
<script>document.getElementById("Suma").addEventListener("click", () => {
  document.getElementById("XI").value = " 1"; });
document.documentElement.dataset.ready = "true";</script></body></html>""", encoding="utf-8")

# Injected before any script of the page: as soon as the page says it is
# ready, click "+" once and note the time since navigation began.
PROBE = """
new MutationObserver((changes, observer) => {
  if (document.documentElement.dataset.ready !== "true") return;
  observer.disconnect();
  document.getElementById("Suma").click();
  window.answeredAt = performance.now();
}).observe(document, {attributes: true, attributeFilter: ["data-ready"], subtree: true});
"""

browser = start_browser()
try:
    browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": PROBE})
    pages = [("trelvani", page), ("trivial", trivial)] + ([("against", other)] if other else [])
    times = {name: [] for name, _ in pages}
    for _ in range(runs):
        for name, path in pages:
            browser.get(path.as_uri())
            answered = None
            for _ in range(500):
                answered = browser.execute_script("return window.answeredAt")
                if answered is not None:
                    break
            else:
                sys.exit(f"{path}: the first click was never answered")
            times[name].append(answered)
    ours, bare = statistics.median(times["trelvani"]), statistics.median(times["trivial"])
    print(f"first click answered: {ours:.1f} ms, trivial page {bare:.1f} ms, ratio {ours / bare:.2f} "
          f"(medians of {runs} alternating runs)")
    if other:
        theirs = statistics.median(times["against"])
        print(f"against {other.name}: {theirs:.1f} ms, ratio {theirs / bare:.2f}; this page / that one "
              f"{ours / theirs:.2f}")

    browser.get(page.as_uri())
    per_click = browser.execute_script("""
        for (const [id, value] of [["XI","1"],["XII","2"],["XIII","3"],["XIV","4"],
                                   ["YI","5"],["YII","6"],["YIII","7"],["YIV","8"]])
          document.getElementById(id).value = value;
        const suma = document.getElementById("Suma");
        const batches = [];
        for (let b = 0; b < 100; ++b) {
          const start = performance.now();
          for (let i = 0; i < 100; ++i) suma.click();
          batches.push((performance.now() - start) / 100);
        }
        batches.sort((a, b) => a - b);
        return batches[50] * 1000;""")
    print(f"one click: {per_click:.1f} µs (median of 100 batches of 100 clicks)")
    print(f"trelvani.html: {os.path.getsize(page) / 1024:.0f} KB")
finally:
    browser.quit()
