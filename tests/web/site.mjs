// The hosted edition as a student's phone meets it: build/web/sitio served
// over http on the loopback address, in Chromium. Installable (the DevTools
// protocol finds nothing missing), then, with the network switched off
// through the protocol and the server gone, reloaded and still answering a
// click, its sections and its exercise lists' module fetched from the kept
// files, its policy never broken.
// Usage: node site.mjs SITE_FOLDER
import { readFileSync } from "node:fs";
import { createServer } from "node:http";
import path from "node:path";

import puppeteer from "puppeteer-core";

const folder = path.resolve(process.argv[2]);
const TYPES = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".png": "image/png",
  ".webmanifest": "application/manifest+json" };
const failures = [];
const check = (ok, what) => { if (!ok) failures.push(what); };

const sockets = new Set();
const server = createServer((request, reply) => {
  const name = decodeURIComponent(new URL(request.url, "http://x").pathname).replace(/^\/+/, "") || "index.html";
  try {
    const body = readFileSync(path.join(folder, path.basename(name)));
    reply.writeHead(200, { "Content-Type": TYPES[path.extname(name)] || "application/octet-stream" });
    reply.end(body);
  } catch {
    reply.writeHead(404);
    reply.end();
  }
});
server.on("connection", (socket) => { sockets.add(socket); socket.on("close", () => sockets.delete(socket)); });
await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
const address = "http://127.0.0.1:" + server.address().port + "/";

const browser = await puppeteer.launch({ headless: true, executablePath: "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-gpu", "--no-first-run"] });
try {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => {
    window.violations = [];
    document.addEventListener("securitypolicyviolation", (e) => window.violations.push(e.violatedDirective));
  });
  const ready = () => page.waitForFunction(() => document.documentElement.dataset.ready === "true", { timeout: 20000 });
  const sum = () => page.evaluate(() => {
    ["1", "2", "3", "4", "5", "6", "7", "8"].forEach((value, i) => {
      document.getElementById(["XI", "XII", "XIII", "XIV", "YI", "YII", "YIII", "YIV"][i]).value = value;
    });
    document.getElementById("Suma").click();
    return document.getElementById("ZI").value;
  });

  // What comes after the first click is in files of its own, fetched once
  // the window is ready: the sections draw the click's steps, and a document
  // of the exercise lists can be written.
  const afterFirstClick = async () => {
    await page.waitForFunction(() => document.getElementById("pasos")?.children.length > 0, { timeout: 20000 });
    return page.evaluate(() => window.trelvaniSections.studyModule()
      .then((module) => typeof module._exercises_write, (error) => String(error)));
  };

  // Where the module cannot be fetched, the section says so rather than
  // writing nothing; in a context of its own, with the worker bypassed, so
  // that nothing kept answers for the network.
  const lost = await browser.createBrowserContext();
  const lostPage = await lost.newPage();
  await lostPage.setBypassServiceWorker(true);
  await lostPage.setRequestInterception(true);
  lostPage.on("request", (request) => (request.url().endsWith("/modulo-estudio.bin") ? request.abort() : request.continue()));
  await lostPage.goto(address);
  await lostPage.waitForFunction(() => window.trelvaniSections !== undefined, { timeout: 20000 });
  await lostPage.evaluate(() => {
    document.getElementById("ListaEjercicios").value = '{"X": ["1", "2", "3", "4"], "Y": ["5", "6", "7", "8"], "botones": ["Suma"]}';
    document.getElementById("DescargarEjercicios").click();
  });
  await lostPage.waitForFunction(() => document.getElementById("ErroresEjercicios").textContent !== "", { timeout: 20000 });
  check((await lostPage.$eval("#ErroresEjercicios", (e) => e.textContent)).startsWith("No se pudo cargar"),
    "a module that could not be fetched was not reported");
  // The history's exports wait for the module too, and say so where it never came.
  await lostPage.evaluate(() => document.getElementById("copiar-historial-texto").click());
  await lostPage.waitForFunction(() => document.getElementById("historial-aviso").textContent !== "", { timeout: 20000 });
  check((await lostPage.$eval("#historial-aviso", (e) => e.textContent)).startsWith("No se pudo cargar"),
    "a history export without its module was not reported");
  await lost.close();

  await page.goto(address);
  check(await page.evaluate(() => ["estudio", "modulo-estudio"].every((id) =>
    document.getElementById(id).textContent === "" && document.getElementById(id).dataset.src)),
  "the hosted page carries what comes after the first click");
  await ready();
  check(await sum() === " 6", "the first visit did not answer a click");
  check(await afterFirstClick() === "function", "the sections or the study module did not load");
  // The worker comes after the page is ready, and then keeps it.
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
  const protocol = await page.target().createCDPSession();
  const { installabilityErrors } = await protocol.send("Page.getInstallabilityErrors");
  check(installabilityErrors.length === 0, "not installable: " + JSON.stringify(installabilityErrors));
  const { url: manifestUrl, errors } = await protocol.send("Page.getAppManifest");
  check(manifestUrl.endsWith("/manifest.webmanifest") && errors.length === 0, "manifest: " + JSON.stringify(errors));

  // No network at all: switched off through the protocol, and the server gone.
  await protocol.send("Network.enable");
  await protocol.send("Network.emulateNetworkConditions",
    { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
  server.close();
  for (const socket of sockets) socket.destroy();
  await page.reload();
  await ready();
  check(await sum() === " 6", "offline, the page did not answer a click");
  check(await afterFirstClick() === "function", "offline, the sections or the study module did not load");
  check((await page.evaluate(() => window.violations)).length === 0, "the content policy was broken");
} finally {
  await browser.close();
  server.close();
}
for (const failure of failures) console.log("FAIL site: " + failure);
console.log("site: " + (9 - failures.length) + " passed, " + failures.length + " failed");
process.exit(failures.length === 0 ? 0 : 1);
