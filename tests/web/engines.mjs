// The page in one browser engine, driven as a script drives it: Firefox
// through puppeteer-core over WebDriver BiDi, WebKit through WebKitWebDriver
// and its MiniBrowser, Chromium through puppeteer-core. Each runs checks of
// the page and a random-click differential against the native trelvani-batch.
// No browser is downloaded: each is Debian's own.
// Usage: node engines.mjs firefox|webkit|chromium PAGE NATIVE_BATCH [CLICKS]
import { spawn, spawnSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { createServer } from "node:http";
import { pathToFileURL } from "node:url";
import path from "node:path";

import { boxes, buttons, seeded } from "./random_requests.mjs";

const [engine, pagePath, nativePath, clicksText = "500"] = process.argv.slice(2);
const url = pathToFileURL(path.resolve(pagePath)).href;
const clicks = Number(clicksText);
const failures = [];
let passed = 0;
const check = (ok, what) => { if (ok) ++passed; else failures.push(what); };

// --- Drivers: goto, run (a function run in the page, awaited), resize -----
async function puppeteerDriver(options) {
  const { default: puppeteer } = await import("puppeteer-core");
  const browser = await puppeteer.launch({ headless: true, ...options });
  const page = await browser.newPage();
  return {
    goto: (to) => page.goto(to),
    run: (fn, ...args) => page.evaluate(fn, ...args),
    resize: (width, height) => page.setViewport({ width, height, isMobile: true, hasTouch: true }),
    close: () => browser.close(),
  };
}

// W3C WebDriver over HTTP, to WebKitWebDriver on a port of its own.
async function webkitDriver() {
  const cleanups = [];
  if (!process.env.DISPLAY) {
    const display = ":" + (400 + Math.floor(Math.random() * 300));
    const xvfb = spawn("Xvfb", [display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"], { stdio: "ignore" });
    cleanups.push(() => xvfb.kill());
    process.env.DISPLAY = display;
    await new Promise((r) => setTimeout(r, 1000));
  }
  const port = 4400 + Math.floor(Math.random() * 500);
  const server = spawn("WebKitWebDriver", ["--port=" + port], { stdio: "ignore" });
  cleanups.push(() => server.kill());
  const base = "http://127.0.0.1:" + port;
  const call = async (method, where, body) => {
    const reply = await fetch(base + where, { method, headers: { "Content-Type": "application/json" },
      body: body === undefined ? undefined : JSON.stringify(body) });
    const json = await reply.json();
    if (json.value && json.value.error) throw new Error(where + ": " + json.value.error + " " + json.value.message);
    return json.value;
  };
  let session;
  for (let attempt = 0; ; ++attempt) {
    try {
      session = await call("POST", "/session", { capabilities: { alwaysMatch: { browserName: "MiniBrowser",
        "webkitgtk:browserOptions": { binary: "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser",
          args: ["--automation"] } } } });
      break;
    } catch (error) {
      if (attempt === 50) throw error;
      await new Promise((r) => setTimeout(r, 200));
    }
  }
  const id = "/session/" + session.sessionId;
  return {
    goto: (to) => call("POST", id + "/url", { url: to }),
    run: (fn, ...args) => call("POST", id + "/execute/sync",
      { script: "return (" + fn.toString() + ").apply(null, arguments)", args }),
    resize: (width, height) => call("POST", id + "/window/rect", { width, height }),
    close: async () => { await call("DELETE", id).catch(() => {}); cleanups.forEach((c) => c()); },
  };
}

const chromiumFlags = ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync"];
const drivers = {
  firefox: () => puppeteerDriver({ browser: "firefox", executablePath: "/usr/bin/firefox-esr" }),
  chromium: () => puppeteerDriver({ executablePath: "/usr/bin/chromium", args: chromiumFlags }),
  webkit: webkitDriver,
};

// --- In the page --------------------------------------------------------
async function load(driver, from = url) {
  await driver.goto(from);
  for (let i = 0; i < 100; ++i) {
    // A page still between documents may not answer a script: ask again.
    const ready = await driver.run(() => {
      const frame = document.querySelector("iframe");
      const doc = frame ? frame.contentDocument : document;
      return doc !== null && doc.documentElement.dataset.ready === "true";
    }).catch(() => false);
    if (ready) return;
    await new Promise((r) => setTimeout(r, 100));
  }
  throw new Error("the page never became ready");
}

// Sets boxes, clicks, and gives back every box's text and the error shown.
function clickAll(requests) {
  const frame = document.querySelector("iframe");
  const doc = frame ? frame.contentDocument : document;
  const names = ["XI", "XII", "XIII", "XIV", "YI", "YII", "YIII", "YIV", "ZI", "ZII", "ZIII", "ZIV", "Def"];
  const dialog = doc.getElementById("error");
  return requests.map(({ set, click }) => {
    for (const [name, text] of Object.entries(set)) doc.getElementById(name).value = text;
    doc.getElementById(click).click();
    let error = null;
    if (dialog.open) {
      error = Number(/'(\d+)'/.exec(doc.getElementById("error-texto").textContent)[1]);
      dialog.close();
    }
    const texts = Object.fromEntries(names.map((name) => [name, doc.getElementById(name).value]));
    texts.Mensajes = doc.getElementById("Mensajes").textContent;
    return { texts, error };
  });
}

function pageChecks() {
  const set = (values) => { for (const [id, v] of Object.entries(values)) document.getElementById(id).value = v; };
  // A megabyte in a box makes the core's memory grow; the sum below must
  // still read and write every box right after it.
  set({ XI: "7".repeat(1 << 20) });
  document.getElementById("Suma").click();
  document.getElementById("error").close();
  set({ XI: "-0.3", XII: "-0.2", XIII: "-0.1", XIV: "0", YI: "0", YII: "0.5", YIII: "0.7", YIV: "1" });
  document.getElementById("Suma").click();
  document.getElementById("DEFUZY").click();
  const results = { sum: ["ZI", "ZII", "ZIII", "ZIV", "Def"].map((id) => document.getElementById(id).value) };
  // Inline script is refused by the page's content policy.
  const probe = document.createElement("div");
  probe.innerHTML = '<img src="data:," onerror="window.injected = true">';
  document.body.appendChild(probe);
  // The clicks may come before the sections' writer is compiled (on the
  // hosted edition, before it is even fetched): Procedimiento draws them once
  // it is, and enables its copy buttons as it shows a click's steps.
  const stepsShown = () => document.getElementById("copiar-texto")?.disabled === false;
  const deadline = performance.now() + 20000;
  return new Promise((resolve) => requestAnimationFrame(() => setTimeout(function read() {
    if (!stepsShown() && performance.now() < deadline) return setTimeout(read, 50);
    const steps = [...document.querySelectorAll("#pasos li")].map((li) => li.textContent);
    resolve({ ...results, steps: steps.length, injected: window.injected === true,
      focused: document.activeElement && document.activeElement.id });
  }, 50)));
}

// The section "Ejercicios" driven as a teacher drives it; `stepName` says
// which of its steps.
function exerciseSection(stepName, ...args) {
  const byId = (id) => document.getElementById(id);
  const rows = () => byId("ejercicios-filas").children;
  const type = (element, value) => {
    element.value = value;
    element.dispatchEvent(new Event("input", { bubbles: true }));
  };
  const boxes = (n, operand) => [...rows()[n].querySelectorAll(`[data-operando="${operand}"] .casilla`)];
  const steps = {};

  // A teacher's list typed into the form (added, duplicated, moved, removed):
  // what the text view holds then, and how a box is named.
  steps.form = function () {
    const fill = (n, operand, mode, values) => {
      type(rows()[n].querySelector(`[data-operando="${operand}"] .modo`), mode);
      const group = rows()[n].querySelector(`[data-operando="${operand}"]`);
      const places = mode === "boxes" ? [...group.querySelectorAll(".casilla")] :
        [".desde", ".hasta", ".decimales"].map((field) => group.querySelector(field));
      values.forEach((value, i) => type(places[i], value));
    };
    const press = (n, ...names) => names.forEach((name) => {
      rows()[n].querySelector(".boton-nuevo").value = name;
      rows()[n].querySelector(".anadir-boton").click();
    });
    const act = (n, name) => rows()[n].querySelector("." + name).click();
    return new Promise((resolve, reject) => {
      let waited = 0;
      const poll = () => {
        if (!byId("EditarComoTexto").disabled) return resolve();
        if ((waited += 50) > 20000) return reject(new Error("the form never came"));
        setTimeout(poll, 50);
      };
      poll();
    }).then(() => {
      const shown = { form: !byId("ejercicios-formulario").hidden, text: !byId("ejercicios-texto").hidden };
      type(byId("ListaEjercicios"), "");
      byId("AnadirEjercicio").click();
      fill(0, "x", "boxes", ["1", "2", "3", "4"]);
      fill(0, "y", "boxes", ["5", "6", "7", "8"]);
      press(0, "Multiplicacion", "Suma", "DEFUZY");
      rows()[0].querySelectorAll(".quitar-boton")[1].click();
      type(rows()[0].querySelector(".enunciado"), 'Calcule "X·Y" </textarea>\n y su centroide.');
      byId("AnadirEjercicio").click();
      fill(1, "x", "range", ["-3", "9", "3"]);
      fill(1, "y", "range", ["0,5", "6", "2"]);
      press(1, "Division", "XZ", "Cuadrado", "DEFUZY", "Minimo");
      type(rows()[1].querySelector(".cuantas"), "40");
      type(rows()[1].querySelector(".semilla"), "11");
      act(0, "duplicar");
      act(1, "bajar");
      const afterMove = byId("ListaEjercicios").value;
      act(2, "quitar");
      return { shown, typed: byId("ListaEjercicios").value, afterMove, label: boxes(0, "x")[0].getAttribute("aria-label") };
    });
  };

  // The text view edited: the form follows, keeping what it cannot show; then
  // one row edited in the form.
  steps.textEdited = function (typedLines) {
    type(byId("ListaEjercicios"), typedLines);
    const read = [...rows()].map((row, n) => ({
      x: boxes(n, "x").map((box) => box.value),
      reason: row.querySelector(".motivo").hidden ? "" : row.querySelector(".razon").textContent,
    }));
    type(rows()[2].querySelector(".enunciado"), "Otra vez.");
    return { read, edited: byId("ListaEjercicios").value };
  };

  // What the page brings back after a reload: the list and the form's rows.
  steps.listKept = function () {
    return new Promise((resolve) => {
      const poll = () => byId("EditarComoTexto")?.disabled === false ? resolve() : setTimeout(poll, 50);
      poll();
    }).then(() => ({ list: byId("ListaEjercicios").value, rows: byId("ejercicios-filas").children.length }));
  };

  // Lines added from elsewhere (the decision section's "Añadir al listado"),
  // "Guardar lista", and a browser that keeps nothing more: it says so, and
  // the list on screen stays.
  steps.linesAdded = function (decisionLine) {
    window.trelvaniSections.addExerciseLine(decisionLine);
    window.trelvaniSections.addExerciseLine("{no es JSON");
    const last = rows()[rows().length - 2];
    const added = { rows: rows().length, summary: last.querySelector(".resumen").textContent,
      text: byId("ListaEjercicios").value.split("\n").slice(-3) };
    let saved = null;
    URL.createObjectURL = (blob) => { saved = blob; return "blob:x"; };
    HTMLAnchorElement.prototype.click = function () { added.file = this.download; };
    byId("GuardarLista").click();
    const whenSaved = byId("ListaEjercicios").value;
    Storage.prototype.setItem = () => { throw new DOMException("full", "QuotaExceededError"); };
    const statement = last.querySelector(".enunciado");
    statement.value = "Elija.";
    statement.dispatchEvent(new Event("input", { bubbles: true }));
    added.notKept = !byId("ejercicios-sin-guardar").hidden;
    added.after = byId("ListaEjercicios").value.split("\n").slice(-3);
    return saved.text().then((text) => ({ ...added, saved: text === whenSaved }));
  };
  return steps[stepName](...args);
}

// The list in the text view (or `list`, when given), written by the page's
// own module as JSON: every answer is the engine's run of the handlers.
function exerciseDocument(list) {
  if (list !== null) document.getElementById("ListaEjercicios").value = list;
  document.getElementById("FormatoEjercicios").value = "json";
  let saved = null;
  URL.createObjectURL = (blob) => { saved = blob; return "blob:x"; };
  HTMLAnchorElement.prototype.click = function () {};
  document.getElementById("DescargarEjercicios").click();
  return new Promise((resolve, reject) => {
    let waited = 0;
    const poll = () => {
      if (saved !== null) return saved.text().then(resolve);
      if ((waited += 50) > 20000) return reject(new Error(document.getElementById("ErroresEjercicios").textContent));
      setTimeout(poll, 50);
    };
    poll();
  });
}

// After a product of long numbers, so that the sections hold their widest
// texts: the α-cuts' tables scroll inside their own box, never the page.
function phoneChecks() {
  const doc = document.querySelector("iframe").contentDocument;
  ["-0.30000000000000004", "-1.0000000000000002e-7", "123456789.12345678", "987654321.98765432"].forEach((text, i) => {
    doc.getElementById(["XI", "XII", "XIII", "XIV"][i]).value = text;
    doc.getElementById(["YI", "YII", "YIII", "YIV"][i]).value = text;
  });
  doc.getElementById("Multiplicacion").click();
  const controls = [...doc.querySelectorAll("#Trelvani_Fuzzy input, #Trelvani_Fuzzy button")];
  // The cuts are drawn once the study module is compiled, which a slow
  // engine on a busy machine may take seconds to do.
  const deadline = performance.now() + 15000;
  const drawn = () => new Promise((resolve) => (function poll() {
    if (doc.querySelectorAll("#cortes-filas tr").length > 0 || performance.now() > deadline) return resolve();
    setTimeout(poll, 50);
  })());
  return drawn().then(() => ({
    viewport: doc.defaultView.innerWidth, width: doc.documentElement.clientWidth,
    scrollWidth: doc.documentElement.scrollWidth, cutRows: doc.querySelectorAll("#cortes-filas tr").length,
    short: controls.filter((c) => c.getBoundingClientRect().height < 44).map((c) => c.id),
    small: controls.filter((c) => c.tagName === "INPUT" && parseFloat(doc.defaultView.getComputedStyle(c).fontSize) < 16)
      .map((c) => c.id) }));
}

// --- Decisión multicriterio -----------------------------------------------
// Waits for the section's module, then runs one of the steps below in the
// page (each is sent whole, so they live inside); the JSON copy is caught as
// it is made.
function decisionSection(stepName, ...args) {
  const frame = document.querySelector("iframe");
  const win = frame ? frame.contentWindow : window;
  const doc = win.document;
  const $ = (id) => doc.getElementById(id);
  const deadline = performance.now() + 30000;
  const until = (ready) => new Promise((resolve, reject) => (function poll() {
    if (ready()) return resolve();
    if (performance.now() > deadline) return reject(new Error("decision: " + $("decision-error").textContent));
    setTimeout(poll, 50);
  })());
  let copied = null;
  Object.defineProperty(win.navigator, "clipboard", { configurable: true,
    value: { writeText: async (text) => { copied = text; } } });
  const section = {
    doc, $, until,
    typeIn: (box, text) => {
      box.value = text;
      box.dispatchEvent(new win.Event(box.tagName === "SELECT" || box.type === "number" ? "change" : "input"));
    },
    // Solves what is on screen; the program's reply as copied, or null.
    solve: async () => {
      const before = $("decision-frase").textContent;
      $("decision-frase").textContent = "";
      $("decision-resolver").click();
      if ($("decision-frase").textContent === "") {
        $("decision-frase").textContent = before;
        return null;
      }
      return section.copiedJson();
    },
    // What a copy button puts on the clipboard.
    copied: async (button) => {
      copied = null;
      button.click();
      await until(() => copied !== null);
      return copied;
    },
    copiedJson: () => section.copied($("copiar-decision-json")),
    description: () => win.trelvaniSections.studyModule().then(() =>
      JSON.parse(win.trelvaniSections.write("decision_description", []))),
  };
  const steps = {};
  // Chen's example typed cell by cell, as a person types it: three makers,
  // three alternatives, five criteria. Then one cell that cannot be read.
  steps.typed = async function ({ $, doc, typeIn, solve, copied, description }, hands) {
    const chen = (await description()).example;
    typeIn($("decision-decisores"), String(chen.makers));
    while (doc.querySelectorAll("#decision-alternativas input").length < chen.alternatives.length) $("decision-anadir-alternativa").click();
    while (doc.querySelectorAll("#decision-criterios input").length < chen.criteria.length) $("decision-anadir-criterio").click();
    const cell = (table, maker, row, column) =>
      doc.querySelector(`#decision-rejillas input[data-table="${table}"][data-maker="${maker}"][data-row="${row}"][data-column="${column}"]`);
    chen.weights.forEach((row, d) => row.forEach((text, j) => typeIn(cell("weights", d, j, 0), text)));
    chen.ratings.forEach((grid, d) => grid.forEach((row, i) => row.forEach((text, j) => typeIn(cell("ratings", d, i, j), text))));
    const reply = await solve();
    const documents = {};
    for (const button of doc.querySelectorAll(".decision-copia")) documents[button.dataset.formato] = await copied(button);
    // A hand value to two decimals, either side of the first final value.
    const judged = hands.map((hand) => {
      typeIn($("decision-mano"), hand);
      $("decision-comprobar").click();
      return $("decision-veredicto").textContent;
    });
    const header = cell("ratings", 1, 2, 3).closest("table").querySelectorAll("th");
    const headers = [...header].map((th) => th.scope + ":" + th.textContent);
    typeIn(cell("ratings", 1, 2, 3), "MBX");
    const unmended = await solve();
    const marked = cell("ratings", 1, 2, 3).closest("td");
    const reason = marked.querySelector(".decision-motivo");
    const cellMark = { marked: marked.classList.contains("ilegible"), reason: reason ? reason.textContent : "",
      shown: reason !== null && reason.getClientRects().length > 0,
      inSection: reason !== null && reason.closest("#decision") !== null };
    // Mended, then a name repeated: the name is marked where it stands.
    typeIn(cell("ratings", 1, 2, 3), chen.ratings[1][2][3]);
    const secondName = doc.querySelectorAll("#decision-alternativas input")[1];
    secondName.value = chen.alternatives[0];
    secondName.dispatchEvent(new Event("change"));
    const renamed = await solve();
    const nameReason = secondName.closest("li").querySelector(".decision-motivo");
    const name = { unsolved: renamed === null, invalid: secondName.getAttribute("aria-invalid") === "true",
      reason: nameReason ? nameReason.textContent : "" };
    return { chen, reply, documents, judged, unmended, headers, name, marked: cellMark.marked,
      reason: cellMark.reason, shown: cellMark.shown, inSection: cellMark.inSection,
      sentence: $("decision-frase").textContent };
  };

  // A link's problem, solved as it opens: its reply, and the grids it filled.
  steps.linked = async function ({ $, doc, until, copiedJson }) {
    await until(() => !$("decision-resultado").hidden || $("decision-error").textContent !== "");
    // "reason", not "error": WebDriver takes a value's "error" for its own.
    if ($("decision-resultado").hidden) return { reason: $("decision-error").textContent };
    const reply = await copiedJson();
    const first = doc.querySelector("#decision-rejillas input").value;
    // Solved again from the grids it filled: its own scale still reads its terms.
    const before = $("decision-frase").textContent;
    $("decision-frase").textContent = "";
    $("decision-resolver").click();
    const again = $("decision-frase").textContent === "" ? null : await copiedJson();
    $("decision-frase").textContent = again === null ? before : $("decision-frase").textContent;
    return { reply, first, again, reason: $("decision-error").textContent };
  };

  // Chen's example at a phone's width: the tables scroll in their own boxes.
  steps.narrow = async function ({ $, doc, until }) {
    $("decision-ejemplo").click();
    await until(() => !$("decision-resultado").hidden);
    const root = doc.documentElement;
    return { width: root.clientWidth, scrollWidth: root.scrollWidth,
      tables: doc.querySelectorAll("#decision-solucion .decision-tabla table").length };
  };
  return until(() => $("decision-formulario")?.dataset.ready === "true").then(() => steps[stepName](section, ...args));
}

// --- The random requests, and the native program's answers --------------
const { below, pick } = seeded(20261207);
// What a text box can hold: no line breaks, no lone surrogates.
function text() {
  if (below(6) === 0) return pick(["", " ", "0,5", "1e400", "3.5e38", "-0", "palabra", "√2", "1E+39", "  7 "]);
  let t = below(4) === 0 ? "-" : "";
  for (let i = 1 + below(4); i > 0; --i) t += below(10);
  if (below(2) === 0) t += "." + below(1000);
  if (below(5) === 0) t += "E" + pick(["", "-", "+"]) + below(40);
  return t;
}
const requests = Array.from({ length: clicks }, () => {
  const set = {};
  for (let i = below(6); i > 0; --i) set[pick(boxes)] = text();
  return { set, click: pick(buttons) };
});
const native = spawnSync(nativePath, { input: requests.map((r) => JSON.stringify(r)).join("\n") + "\n",
  maxBuffer: 1 << 28 });
const expected = native.stdout.toString("utf8").trim().split("\n").map((line) => JSON.parse(line));

// --- The run -----------------------------------------------------------
const siteTypes = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".png": "image/png",
  ".webmanifest": "application/manifest+json" };
const server = createServer((request, reply) => {
  // The hosted edition, from the folder written beside the page.
  const site = /^\/sitio\/([a-z0-9.-]*)$/.exec(request.url);
  if (site) {
    const name = site[1] || "index.html";
    try {
      const body = readFileSync(path.join(path.dirname(pagePath), "sitio", name));
      reply.writeHead(200, { "Content-Type": siteTypes[path.extname(name)] || "application/octet-stream" });
      return reply.end(body);
    } catch {
      reply.writeHead(404);
      return reply.end();
    }
  }
  const phone = /^\/telefono-(\d+)$/.exec(request.url);
  reply.writeHead(200, { "Content-Type": "text/html; charset=utf-8" });
  reply.end(phone ? `<!DOCTYPE html><meta charset="utf-8"><style>body{margin:0}iframe{border:0;width:${phone[1]}px;` +
    `height:740px}</style><iframe src="/trelvani.html"></iframe>` : readFileSync(pagePath));
});
await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
const served = "http://127.0.0.1:" + server.address().port;
const driver = await drivers[engine]();
try {
  await load(driver);
  await driver.resize(800, 900);
  const page = await driver.run(pageChecks);
  check(JSON.stringify(page.sum) === JSON.stringify(["-.3", " .3", " .6", " .9999999", " .3895833"]),
    "sum and centroid: " + page.sum);
  check(page.steps === 10, "Procedimiento lists " + page.steps + " steps of DEFUZY, not 10");
  check(!page.injected, "an injected inline handler ran");

  // The hosted edition over http works as the single file does, its
  // sections fetched from a file of their own.
  await load(driver, served + "/sitio/");
  const hosted = await driver.run(pageChecks);
  check(hosted.sum[3] === " .9999999" && hosted.steps === 10 && !hosted.injected,
    "the hosted edition: " + JSON.stringify(hosted));

  // The study module's exercise lists, compiled by this engine (on the hosted
  // edition, fetched), write what the program writes, from a list typed
  // into the form as a teacher types it.
  const form = await driver.run(exerciseSection, "form");
  const list = '{"X": ["1", "2", "3", "4"], "Y": ["5", "6", "7", "8"], "botones": ["Multiplicacion", "DEFUZY"], ' +
    '"enunciado": "Calcule \\"X·Y\\" </textarea>\\n y su centroide."}\n' +
    '{"X": {"desde": -3, "hasta": 9, "decimales": 3}, "Y": {"desde": 0.5, "hasta": 6, "decimales": 2}, ' +
    '"botones": ["Division", "XZ", "Cuadrado", "DEFUZY", "Minimo"], "variantes": 40, "semilla": 11}\n';
  check(form.shown.form && !form.shown.text, "the list was not shown as a form: " + JSON.stringify(form.shown));
  check(form.typed === list, "the form wrote " + JSON.stringify(form.typed));
  check(form.afterMove === list + list.split("\n")[0] + "\n", "duplicated and moved down: " + JSON.stringify(form.afterMove));
  check(form.label === "Ejercicio 1, X, componente 1", "a box is named " + JSON.stringify(form.label));
  const exercisesProgram = path.join(path.dirname(nativePath), "..", "exercises", "trelvani-ejercicios");
  const nativeDocument = spawnSync(exercisesProgram, ["--formato", "json"], { input: list }).stdout.toString("utf8");
  const pageDocument = await driver.run(exerciseDocument, null);
  check(nativeDocument.length > 1000 && pageDocument === nativeDocument,
    "the exercise document differs from trelvani-ejercicios' (" + pageDocument.length + " against " + nativeDocument.length + " bytes)");
  // The text view edited, then one row in the form: the lines typed as text
  // stay byte for byte, here and after a reload.
  const typedLine = '{"Y":[5,6,7,8.50] ,"X": ["1", "2", "3", "4"],"botones":["Suma"]}';
  const text = await driver.run(exerciseSection, "textEdited", typedLine + '\n\n{"botones": ["Sumar"]}\n{"botones": ["Maximo"]}');
  check(JSON.stringify(text.read) === JSON.stringify([{ x: ["1", "2", "3", "4"], reason: "" },
    { x: ["", "", "", ""], reason: "botón desconocido: Sumar" }, { x: ["", "", "", ""], reason: "" }]),
  "the text view's lines in the form: " + JSON.stringify(text.read));
  const edited = typedLine + '\n{"botones": ["Sumar"]}\n{"botones": ["Maximo"], "enunciado": "Otra vez."}\n';
  check(text.edited === edited, "after the form's edit the text is " + JSON.stringify(text.edited));
  await load(driver, served + "/sitio/");
  const kept = await driver.run(exerciseSection, "listKept");
  check(kept.list === edited && kept.rows === 3, "after a reload: " + JSON.stringify(kept));
  const decisionLine = '{"decision": {"metodo": "saw", "alternativas": ["<b>A1</b>", "A2"], "criterios": ["C1"], ' +
    '"pesos": ["A"], "valoraciones": [["B"], [[5, 7.50, 9]]]}}';
  const added = await driver.run(exerciseSection, "linesAdded", decisionLine);
  // WebKit's driver hands objects back with their keys in an order of its own.
  const sorted = (object) => JSON.stringify(object, Object.keys(object).sort());
  check(sorted(added) === sorted({ rows: 5,
    summary: "SAW difuso con 2 alternativas (<b>A1</b>, A2), 1 criterio (C1) y 1 decisor.",
    text: [decisionLine, "{no es JSON", ""], file: "ejercicios.jsonl", notKept: true,
    after: ['{"decision": {"metodo":"saw","alternativas":["<b>A1</b>","A2"],"criterios":["C1"],"pesos":["A"],' +
      '"valoraciones":[["B"],[[5,7.50,9]]]}, "enunciado": "Elija."}', "{no es JSON", ""], saved: true }),
  "lines added, saved and over the quota: " + JSON.stringify(added));

  // Served over http, as a teacher would host it, the policy holds as well.
  await load(driver, served + "/trelvani.html");
  const overHttp = await driver.run(pageChecks);
  check(overHttp.sum[3] === " .9999999" && !overHttp.injected, "over http: " + JSON.stringify(overHttp));

  // Decisión multicriterio: Chen's example typed through the grids gives
  // trelvani-decision's reply byte for byte; a bad cell is marked with the
  // program's reason; a link opens and solves; one too long is refused.
  const decisionProgram = path.join(path.dirname(nativePath), "..", "decision", "trelvani-decision");
  const decide = (line) => spawnSync(decisionProgram, { input: line + "\n" }).stdout.toString("utf8").replace(/\n$/, "");
  await load(driver);
  const typed = await driver.run(decisionSection, "typed", ["0.64", "0.63", "0,638", "x"]);
  const chen = typed.chen;
  const entries = (cells) => (chen.makers === 1 ? cells[0] : cells);
  const chenLine = JSON.stringify({ metodo: chen.method, decisores: chen.makers, alternativas: chen.alternatives,
    criterios: chen.criteria, tipos: chen.types,
    pesos: chen.criteria.map((_, j) => entries(chen.weights.map((row) => row[j]))),
    valoraciones: chen.alternatives.map((_, i) => chen.criteria.map((_, j) => entries(chen.ratings.map((grid) => grid[i][j])))) });
  const chenReply = decide(chenLine);
  check(chenReply.includes('"orden"') && typed.reply === chenReply,
    "Chen typed through the grids: the page's JSON differs from trelvani-decision's\n  page:   " + typed.reply + "\n  native: " + chenReply);
  for (const format of ["texto", "markdown", "latex"]) {
    const native = spawnSync(decisionProgram, ["--formato", format], { input: chenLine + "\n" }).stdout.toString("utf8");
    check(native.length > 1000 && typed.documents[format] === native, "Chen's " + format + " differs from trelvani-decision's");
  }
  // CC of A1 is 0.638…: to the hundredth 0.64, not 0.63.
  check(JSON.stringify(typed.judged) === JSON.stringify(["CC de A1: coincide.", "CC de A1: no coincide.",
    "CC de A1: coincide.", "CC de A1: no es un número."]), "hand values judged: " + typed.judged);
  check(typed.headers.includes("row:A3") && typed.headers.includes("col:C4"), "grid headers: " + typed.headers);
  const badLine = JSON.parse(chenLine);
  badLine.valoraciones[2][3][1] = "MBX";
  const badReason = JSON.parse(decide(JSON.stringify(badLine))).error;
  check(typed.unmended === null && typed.marked && typed.shown && typed.inSection && typed.reason === badReason,
    "a bad cell: " + JSON.stringify({ ...typed, chen: undefined, reply: undefined, documents: undefined }) + " against «" + badReason + "»");
  const repeated = JSON.parse(chenLine);
  repeated.alternativas[1] = repeated.alternativas[0];
  const repeatedReason = JSON.parse(decide(JSON.stringify(repeated))).error;
  check(typed.name.unsolved && typed.name.invalid && typed.name.reason === repeatedReason,
    "a repeated name: " + JSON.stringify(typed.name) + " against «" + repeatedReason + "»");
  // A link: a scale of its own, crisp numbers and terms side by side.
  const linkLine = '{"metodo": "saw", "alternativas": ["Norte", "Sur <b>"], "criterios": ["coste", "calidad"], ' +
    '"tipos": ["costo", "beneficio"], "escala_valoraciones": {"bajo": [1, 2, 3, 4], "alto": [6, 7, 8, 9]}, ' +
    '"pesos": ["A", [0.2, 0.3, 0.5]], "valoraciones": [["bajo", 7.5], ["alto", "0,5"]]}';
  const opened = async (line) => {
    await driver.goto("about:blank");
    await load(driver, url + "#decision=" + encodeURIComponent(line));
    return driver.run(decisionSection, "linked");
  };
  const linked = await opened(linkLine);
  check(linked.reply === decide(linkLine) && linked.again === linked.reply && linked.first === "A",
    "a link's problem: " + JSON.stringify(linked) + "\n  native: " + decide(linkLine));
  const broken = '{"metodo": "saw", "alternativas": ["A1"]';
  const refused = await opened(broken);
  check(refused.reply === undefined && refused.reason === JSON.parse(decide(broken)).error,
    "a malformed link: " + JSON.stringify(refused));
  const tooLong = await opened(linkLine.replace("Norte", "N".repeat(70000)));
  check(tooLong.reply === undefined && /64 KiB/.test(tooLong.reason), "a link over 64 KiB: " + JSON.stringify(tooLong));

  // A phone's width, in a frame of that width: the browser window itself may
  // not get so narrow. The clicks are made there, where the controls reflow.
  for (const width of [360, 320]) {
    await load(driver, served + "/telefono-" + width);
    const phone = await driver.run(phoneChecks);
    check(phone.viewport === width, width + " px: the page is " + phone.viewport + " px wide");
    check(phone.scrollWidth <= phone.width, width + " px: scrolls sideways (" + phone.scrollWidth + ")");
    check(phone.cutRows === 5, width + " px: " + phone.cutRows + " rows of α-cuts, not 5");
    check(phone.short.length === 0, width + " px: shorter than 44 px: " + phone.short);
    check(phone.small.length === 0, width + " px: box text under 16 px: " + phone.small);
    const narrow = await driver.run(decisionSection, "narrow");
    check(narrow.tables > 5 && narrow.scrollWidth <= narrow.width,
      width + " px: the decision section scrolls sideways: " + JSON.stringify(narrow));
  }
  // The random clicks start from a fresh window, at the last width.
  await load(driver, served + "/telefono-320");
  const answered = await driver.run(clickAll, requests);
  let differing = 0;
  answered.forEach((got, i) => {
    const want = expected[i];
    const same = Object.keys(want.texts).every((name) => got.texts[name] === want.texts[name]) &&
      got.error === (want.error ? want.error.number : null);
    if (!same && ++differing <= 3) {
      console.log("click " + i + " differs: " + JSON.stringify(requests[i]) + "\n  page:   " + JSON.stringify(got) +
        "\n  native: " + JSON.stringify(want));
    }
  });
  check(differing === 0 && answered.length === clicks, differing + " of " + clicks + " clicks differ from native");
} finally {
  await driver.close();
  server.close();
}
for (const failure of failures) console.log("FAIL " + engine + ": " + failure);
console.log(engine + ": " + passed + " passed, " + failures.length + " failed");
process.exit(failures.length === 0 ? 0 : 1);
