// The page's start in Chromium and in Firefox: from navigation to the first
// click answered, against a trivial page with one input box loaded the same
// way, medians of alternating runs; with --against, another build of the
// page in the same alternation. Each round is a fresh browser, and the
// rounds' ratios are given one by one and as their median: on a busy machine
// one round can land far from the others. Then one click's time inside the
// page.
// Usage: node bench/web_bench.mjs TRELVANI_HTML [RUNS] [--against OTHER_HTML] [--rounds N]
// (either page may be an http address, such as the hosted edition served locally)
// (puppeteer-core from tests/web: run `npm ci` there first)
import { mkdtempSync, statSync, writeFileSync } from "node:fs";
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
    const pages = [["trelvani", page], ["trivial", trivial], ...(other ? [["against", located(other)]] : [])];
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

for (const [engine, options] of Object.entries(engines)) {
  const ours = [];
  const theirs = [];
  // Beside each ratio, the milliseconds over the trivial page: what the page
  // itself costs, less sensitive to how busy the machine is.
  const oursOver = [];
  const theirsOver = [];
  for (let r = 1; r <= rounds; ++r) {
    const medians = await round(options);
    ours.push(medians.trelvani / medians.trivial);
    oursOver.push(medians.trelvani - medians.trivial);
    let line = `${engine}, round ${r}: first click answered ${medians.trelvani.toFixed(1)} ms, trivial page ` +
      `${medians.trivial.toFixed(1)} ms, ratio ${ours.at(-1).toFixed(2)}, ${oursOver.at(-1).toFixed(1)} ms over ` +
      `(medians of ${runs} alternating runs)`;
    if (other) {
      theirs.push(medians.against / medians.trivial);
      theirsOver.push(medians.against - medians.trivial);
      line += `; ${path.basename(other)} ${medians.against.toFixed(1)} ms, ratio ${theirs.at(-1).toFixed(2)}, ` +
        `${theirsOver.at(-1).toFixed(1)} ms over`;
    }
    console.log(line);
  }
  let summary = `${engine}: ratios ${ratios(ours)}; median ${median(ours).toFixed(2)}, ` +
    `${median(oursOver).toFixed(1)} ms over`;
  if (other) {
    summary += `; ${path.basename(other)}: ratios ${ratios(theirs)}; median ${median(theirs).toFixed(2)}, ` +
      `${median(theirsOver).toFixed(1)} ms over`;
  }
  console.log(summary);
  console.log(`${engine}: one click ${(await oneClick(options)).toFixed(1)} µs (median of 50 batches of 100 clicks)`);
}
if (!/^https?:/.test(page)) console.log(`${path.basename(page)}: ${(statSync(page).size / 1024).toFixed(0)} KB`);
