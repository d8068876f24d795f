// The page's start in Chromium and in Firefox: from navigation to the first
// click answered, against a trivial page with one input box loaded the same
// way, medians of alternating runs; with --against, another build of the
// page in the same alternation. Each round is a fresh browser, and the
// rounds' ratios are given one by one and as their median: on a busy machine
// one round can land far from the others. Then one click's time inside the
// page.
// With --emptied, a copy of the page with what it reads only after the first
// click (the sections and the study module) left out joins the
// alternation: what the page's own start costs, apart from carrying them.
// Usage: node bench/web_bench.mjs TRELVANI_HTML [RUNS] [--against OTHER_HTML] [--emptied] [--rounds N]
//          [--engine chromium|firefox]
// (either page may be an http address, such as the hosted edition served locally)
// (puppeteer-core from tests/web: run `npm ci` there first)
import { mkdtempSync, readFileSync, statSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import os from "node:os";
import path from "node:path";
import { pathToFileURL } from "node:url";

const require = createRequire(new URL("../tests/web/package.json", import.meta.url));
const puppeteer = require("puppeteer-core");

const args = process.argv.slice(2);
function option(name, fallback) {
  const at = args.indexOf(name);
  return at >= 0 ? args.splice(at, 2)[1] : fallback;
}
const other = option("--against", null);
const rounds = Number(option("--rounds", 3));
const onlyEngine = option("--engine", null);
const emptied = args.includes("--emptied");
if (emptied) args.splice(args.indexOf("--emptied"), 1);
// A page is a file, or an address (the hosted edition, served over http).
const located = (where) => (/^https?:/.test(where) ? where : path.resolve(where));
const addressOf = (where) => (/^https?:/.test(where) ? where : pathToFileURL(where).href);
const page = located(args[0]);
const runs = Number(args[1] || 21);

const trivial = path.join(mkdtempSync(path.join(os.tmpdir(), "trelvani-bench-")), "trivial.html");
writeFileSync(trivial, `<!DOCTYPE html><html lang="es"><head><meta charset="utf-8"><title>t</title></head>
<body><input id="XI" value=" "><button id="Suma" type="button">+</button>
<script>document.getElementById("Suma").addEventListener("click", () => {
  document.getElementById("XI").value = " 1"; });
document.documentElement.dataset.ready = "true";</script></body></html>`);

// The pages timed beside this one: [name, where, label].
const others = other ? [["against", located(other), path.basename(other)]] : [];
if (emptied) {
  if (/^https?:/.test(page)) throw new Error("--emptied takes the page as a file");
  const copy = path.join(path.dirname(trivial), "vaciada.html");
  writeFileSync(copy, readFileSync(page, "utf8").replace(
    /(<script id="(?:estudio|modulo-estudio)" type="application\/octet-stream">)[^<]*/g, "$1"));
  others.push(["emptied", copy, "without what comes after the first click"]);
}

// Before any script of the page: as soon as it says it is ready, click "+"
// once and note the time since navigation began.
const PROBE = () => {
  new MutationObserver((changes, observer) => {
    if (document.documentElement.dataset.ready !== "true") return;
    observer.disconnect();
    document.getElementById("Suma").click();
    window.answeredAt = performance.now();
  }).observe(document, { attributes: true, attributeFilter: ["data-ready"], subtree: true });
};

const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];
const engines = {
  chromium: { executablePath: "/usr/bin/chromium", args: ["--no-sandbox", "--disable-gpu", "--disable-quic",
    "--no-first-run", "--disable-background-networking", "--disable-component-update", "--disable-sync"] },
  // Firefox rounds performance.now() to the millisecond unless told not to.
  firefox: { browser: "firefox", executablePath: "/usr/bin/firefox-esr",
    extraPrefsFirefox: { "privacy.reduceTimerPrecision": false } },
};
const ratios = (list) => list.map((r) => r.toFixed(2)).join(", ");

// A fresh browser for `use`, closed whatever happens.
async function withBrowser(options, use) {
  const browser = await puppeteer.launch({ headless: true, ...options });
  try {
    return await use(await browser.newPage());
  } finally {
    await browser.close();
  }
}

// One round: a fresh browser, the pages in turn, RUNS times over.
function round(options) {
  return withBrowser(options, async (tab) => {
    await tab.evaluateOnNewDocument(PROBE);
    const pages = [["trelvani", page], ["trivial", trivial], ...others.map(([name, where]) => [name, where])];
    const times = Object.fromEntries(pages.map(([name]) => [name, []]));
    for (let run = 0; run < runs; ++run) {
      for (const [name, file] of pages) {
        // Each from the same blank page, so none pays for closing a heavier one.
        await tab.goto("about:blank");
        await tab.goto(addressOf(file));
        await tab.waitForFunction(() => window.answeredAt !== undefined, { timeout: 10000 });
        times[name].push(await tab.evaluate(() => window.answeredAt));
      }
    }
    return Object.fromEntries(Object.entries(times).map(([name, list]) => [name, median(list)]));
  });
}

function oneClick(options) {
  return withBrowser(options, async (tab) => {
    await tab.goto(addressOf(page));
    await tab.waitForFunction(() => document.documentElement.dataset.ready === "true");
    return await tab.evaluate(() => {
      for (const [id, value] of [["XI", "1"], ["XII", "2"], ["XIII", "3"], ["XIV", "4"], ["YI", "5"], ["YII", "6"],
        ["YIII", "7"], ["YIV", "8"]]) document.getElementById(id).value = value;
      const suma = document.getElementById("Suma");
      const batches = [];
      for (let b = 0; b < 50; ++b) {
        const start = performance.now();
        for (let i = 0; i < 100; ++i) suma.click();
        batches.push((performance.now() - start) / 100);
      }
      batches.sort((a, b) => a - b);
      return batches[25] * 1000;
    });
  });
}

for (const [engine, options] of Object.entries(engines).filter(([name]) => !onlyEngine || name === onlyEngine)) {
  // For each page, the ratio to the trivial page and, beside it, the
  // milliseconds over it: what the page itself costs, less sensitive to how
  // busy the machine is.
  const timed = [["trelvani", path.basename(page)], ...others.map(([name, , label]) => [name, label])];
  const ratiosOf = Object.fromEntries(timed.map(([name]) => [name, []]));
  const overOf = Object.fromEntries(timed.map(([name]) => [name, []]));
  for (let r = 1; r <= rounds; ++r) {
    const medians = await round(options);
    const parts = timed.map(([name, label]) => {
      ratiosOf[name].push(medians[name] / medians.trivial);
      overOf[name].push(medians[name] - medians.trivial);
      return `${label} ${medians[name].toFixed(1)} ms, ratio ${ratiosOf[name].at(-1).toFixed(2)}, ` +
        `${overOf[name].at(-1).toFixed(1)} ms over`;
    });
    console.log(`${engine}, round ${r} (medians of ${runs} alternating runs; trivial page ` +
      `${medians.trivial.toFixed(1)} ms): first click answered: ${parts.join("; ")}`);
  }
  console.log(`${engine}: ` + timed.map(([name, label]) => `${label}: ratios ${ratios(ratiosOf[name])}; median ` +
    `${median(ratiosOf[name]).toFixed(2)}, ${median(overOf[name]).toFixed(1)} ms over`).join("; "));
  console.log(`${engine}: one click ${(await oneClick(options)).toFixed(1)} µs (median of 50 batches of 100 clicks)`);
}
if (!/^https?:/.test(page)) console.log(`${path.basename(page)}: ${(statSync(page).size / 1024).toFixed(0)} KB`);
