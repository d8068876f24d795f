"use strict";
// The window, written from the core's control table, each click run by the
// core's handler on the page's own inputs, and a plot of X, Y and Z.
(function () {
  const SVG = "http://www.w3.org/2000/svg";
  const window_ = document.getElementById("Trelvani_Fuzzy");
  const frame = document.getElementById("marco");
  const plot = document.getElementById("funciones");
  const dialog = document.getElementById("error");
  const controls = {};
  const clientSize = { width: 0, height: 0 };
  let core = null;

  function cString(pointer) { return core.UTF8ToString(pointer); }

  function withCString(text, use) {
    const bytes = core.encoder.encode(text + "\0");
    const pointer = core._malloc(bytes.length);
    core.HEAPU8.set(bytes, pointer);
    try { return use(pointer); } finally { core._free(pointer); }
  }

  function markdownEscape(text) { return text.replace(/[\\`*_{}\[\]<>()#+\-.!|]/g, "\\$&"); }

  function latexEscape(text) {
    return text.replace(/[\\{}#$%&_~^|<>]/g, (c) => ({ "\\": "\\textbackslash{}", "~": "\\textasciitilde{}",
      "^": "\\textasciicircum{}", "|": "\\textbar{}", "<": "\\textless{}", ">": "\\textgreater{}" })[c] || "\\" + c);
  }

  // The window's markup is in the page already, written from the control
  // table as the page was built; here it is only wired up.
  function build() {
    for (const element of window_.querySelectorAll("[id]")) controls[element.id] = element;
    core.controls = controls;
    core.boxes = [];
    for (const box of window_.querySelectorAll("[data-box]")) core.boxes[Number(box.dataset.box)] = box;
    // For scripts and tests that check the page against the table.
    Object.defineProperty(window_, "controlTable", { get: () => cString(core._trelvani_control_table()) });
    clientSize.width = Number(window_.dataset.width);
    clientSize.height = Number(window_.dataset.height);
    window_.addEventListener("click", (event) => {
      const button = event.target.closest("button");
      if (button !== null) click(button.id, button);
    });
    window_.addEventListener("input", schedulePlot);
    // Tab and Shift+Tab wrap around inside the window.
    const focusable = [...window_.querySelectorAll("input, button")];
    window_.addEventListener("keydown", (event) => {
      if (event.key !== "Tab") return;
      const first = focusable[0];
      const last = focusable[focusable.length - 1];
      if (!event.shiftKey && document.activeElement === last) {
        event.preventDefault();
        first.focus();
      } else if (event.shiftKey && document.activeElement === first) {
        event.preventDefault();
        last.focus();
      }
    });
  }

  function click(name, button) {
    const before = texts(HISTORY_BOXES);
    const number = withCString(name, (pointer) => core._trelvani_click(pointer));
    lastClick = { button: name, error: number };
    noteInHistory(name, before, number);
    schedulePlot();
    if (number > 0) showError(number, button);
  }

  // The dialog's one button keeps the focus while it is open.
  dialog.addEventListener("keydown", (event) => {
    if (event.key !== "Tab") return;
    event.preventDefault();
    document.getElementById("Aceptar").focus();
  });

  function showError(number, button) {
    document.getElementById("error-texto").textContent = cString(core._trelvani_error_report(number));
    dialog.addEventListener("close", () => button.focus(), { once: true });
    dialog.showModal();
  }

  // --- The plot ---------------------------------------------------------
  const series = [
    { name: "X", colour: "#1f5fbf" },
    { name: "Y", colour: "#2e8b2e" },
    { name: "Z", colour: "#c0392b" },
  ];
  let plotPending = false;

  function schedulePlot() {
    if (plotPending || core === null) return;
    plotPending = true;
    requestAnimationFrame(() => {
      plotPending = false;
      drawPlot();
      if (lastClick !== null) {
        drawProcedure();
        judge();
      }
      drawHistory();
    });
  }

  function readOperands() {
    const pointer = core._malloc(12 * 8);
    try {
      const readable = core._trelvani_read_operands(pointer);
      const values = Array.from(core.HEAPF64.subarray(pointer / 8, pointer / 8 + 12));
      return series.map((s, r) => ((readable >> r) & 1 ? values.slice(4 * r, 4 * r + 4) : null));
    } finally {
      core._free(pointer);
    }
  }

  function svg(name, attributes, text) {
    const element = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    if (text !== undefined) element.textContent = text;
    return element;
  }

  // Round steps of 1, 2 or 5 times a power of ten, about six across.
  function ticks(low, high) {
    const span = high / 2 - low / 2;
    const raw = span / 5;
    const power = Math.pow(10, Math.floor(Math.log10(raw)));
    const step = [1, 2, 5, 10].map((m) => m * power).find((s) => s >= raw) || raw;
    const result = [];
    for (let t = Math.ceil(low / step) * step; t <= high && result.length < 12; t += step) result.push(t);
    return result;
  }

  function tickLabel(value) {
    return Math.abs(value) < 1e-12 ? "0" : String(Number(value.toPrecision(6)));
  }

  function drawPlot() {
    const operands = readOperands();
    const shown = operands.flat().filter((v) => v !== undefined && v !== null && Number.isFinite(v));
    let low = Math.min(...shown, 0);
    let high = Math.max(...shown, 1);
    if (!(high > low)) { low -= 1; high += 1; }
    const margin = (high / 2 - low / 2) * 0.1;
    low -= margin;
    high += margin;
    const left = 34, right = 434, top = 28, bottom = 200;
    // Halved first, so that the widest doubles do not overflow.
    const x = (v) => left + ((v / 2 - low / 2) / (high / 2 - low / 2)) * (right - left);
    const y = (m) => bottom - m * (bottom - top);

    plot.replaceChildren();
    plot.appendChild(svg("line", { x1: left, y1: bottom, x2: right, y2: bottom, stroke: "#000" }));
    plot.appendChild(svg("line", { x1: left, y1: bottom, x2: left, y2: top - 6, stroke: "#000" }));
    for (const t of ticks(low, high)) {
      plot.appendChild(svg("line", { x1: x(t), y1: bottom, x2: x(t), y2: bottom + 4, stroke: "#000" }));
      plot.appendChild(svg("text", { x: x(t), y: bottom + 15, "text-anchor": "middle" }, tickLabel(t)));
    }
    for (const m of [0, 0.5, 1]) {
      plot.appendChild(svg("line", { x1: left - 4, y1: y(m), x2: left, y2: y(m), stroke: "#000" }));
      plot.appendChild(svg("text", { x: left - 7, y: y(m) + 3, "text-anchor": "end" }, String(m)));
    }
    plot.appendChild(svg("text", { x: left - 28, y: top - 12 }, "μ"));
    // What is drawn, for those who cannot see it; the caption is part of it.
    plot.setAttribute("aria-label", "Funciones de pertenencia de X, Y y Z. " + series.map((s, r) =>
      s.name + ": " + (operands[r] === null ? "sin dibujar, no se puede leer" : operands[r].join(", "))).join("; "));
    series.forEach((s, r) => {
      const lx = left + 12 + r * 60;
      plot.appendChild(svg("line", { x1: lx, y1: 12, x2: lx + 18, y2: 12, stroke: s.colour, "stroke-width": 2.5 }));
      plot.appendChild(svg("text", { x: lx + 22, y: 16 }, s.name));
      const c = operands[r];
      if (c === null) return;
      // Drawn as given, even with components out of order.
      const points = [[c[0], 0], [c[1], 1], [c[2], 1], [c[3], 0]].map(([v, m]) => x(v) + "," + y(m)).join(" ");
      plot.appendChild(svg("polyline", {
        id: "curva-" + s.name, points, fill: "none", stroke: s.colour, "stroke-width": 2,
        "stroke-linejoin": "round", "data-components": c.join(" "),
      }));
    });
  }

  // --- Procedimiento: the steps of the last click, from the handler's run --
  // The core lists each value as the handler computed it; here they are only
  // laid out: names in a formula are replaced by the values listed for them.
  const stepsList = document.getElementById("pasos");
  const boxTexts = document.getElementById("casillas");
  const copyNotice = document.getElementById("copiar-aviso");
  const copyFallback = document.getElementById("copiar-respaldo");
  const copyButtons = ["copiar-texto", "copiar-markdown", "copiar-latex"].map((id) => document.getElementById(id));
  const NOTES = {
    x4: "El cuarto componente se lee en precisión simple.",
    y4: "El cuarto componente se lee en precisión simple.",
    z4: "El cuarto componente se guarda en precisión simple.",
    wXY: "El ancho sumado se redondea a precisión simple antes de añadir z1: ZIV puede diferir de x4 + y4 en la última cifra.",
    p: "El producto de los anchos se redondea a precisión simple.",
    c: "El candidato se redondea a precisión simple.",
    q: "El producto y4 · x4 se redondea a precisión simple; z4 es el mayor de c y q.",
    mX: "Las medias se comparan en precisión simple.",
    mY: "Las medias se comparan en precisión simple.",
    D: "El centroide se muestra en precisión simple (7 cifras).",
  };
  let lastClick = null;
  let procedure = null;

  // One line per step: {math: [...parts joined by " = "], rounded, note, error}.
  function procedureOf(click) {
    const steps = JSON.parse(cString(core._trelvani_steps()));
    const known = {};
    const lines = steps.map((step) => {
      if (step.error !== undefined) {
        const description = cString(core._trelvani_error_description(step.error));
        return { math: withValues(step, known), error: "error " + step.error + ": " + description };
      }
      if (step.value === undefined) {
        const math = step.name === "Mensajes" ? [step.formula] : [step.name, step.formula];
        return { math, note: outcomeNote(step, click.button) };
      }
      known[step.name] = step.value;
      const math = withValues(step, known);
      const rounded = step.unrounded !== undefined && step.unrounded !== step.value;
      math.push(rounded ? step.unrounded : step.value);
      return { math, rounded: rounded ? step.value : null, note: rounded ? NOTES[step.name] : undefined };
    });
    const written = click.error > 0 ? [] : boxesWritten(click.button, steps);
    return { button: click.button, lines, boxes: written.map((name) => [name, textOf(name)]) };
  }

  function withValues(step, known) {
    const substituted = step.formula.replace(/[A-Za-z]\w*/g, (name) =>
      known[name] === undefined || name === step.name ? name : known[name][0] === "-" ? "(" + known[name] + ")" : known[name]);
    return substituted === step.formula ? [step.name, step.formula] : [step.name, step.formula, substituted];
  }

  function outcomeNote(step, button) {
    if (step.name === "Mensajes") return "Las medias son iguales: Mensajes lo dice y Z no cambia.";
    const greater = (button === "Maximo") === (step.formula === "X");
    return "Z copia " + step.formula + " entero: " + (greater ? "mX > mY" : "mX < mY") + ".";
  }

  function boxesWritten(button, steps) {
    if (button === "DEFUZY") return ["Def"];
    if (["Borrar", "XZ", "YZ"].includes(button)) return [];
    const z = ["ZI", "ZII", "ZIII", "ZIV"];
    if (button === "Division") return [...z, "Mensajes"];
    if (button === "Maximo" || button === "Minimo") return steps.some((s) => s.name === "Z") ? z : ["Mensajes"];
    return z;
  }

  function textOf(name) {
    const control = controls[name];
    return name === "Mensajes" ? control.textContent : control.value;
  }

  function lineText(line) {
    let text = line.math.join(" = ");
    if (line.rounded) text += " → en precisión simple: " + line.rounded;
    if (line.error) text += " → " + line.error;
    return text;
  }

  function drawProcedure() {
    procedure = procedureOf(lastClick);
    lastClick = null;
    stepsList.replaceChildren(...procedure.lines.map((line) => {
      const item = document.createElement("li");
      item.textContent = lineText(line);
      if (line.error) item.className = "fallo";
      if (line.note) {
        const note = document.createElement("span");
        note.className = "nota";
        note.textContent = line.note;
        item.appendChild(note);
      }
      return item;
    }));
    if (procedure.lines.length === 0) {
      const item = document.createElement("li");
      item.textContent = "Este botón no calcula ningún valor: solo copia o borra textos.";
      stepsList.appendChild(item);
    }
    boxTexts.textContent = procedure.boxes.length === 0 ? "" :
      "Texto de cada casilla: " + procedure.boxes.map(([name, text]) => name + " \"" + text + "\"").join(", ");
    for (const button of copyButtons) button.disabled = false;
  }

  // --- The listing as text to paste --------------------------------------
  function asText(p) {
    return ["Procedimiento: " + p.button, ...p.lines.map((line, i) => (i + 1) + ". " + lineText(line) +
      (line.note ? " (" + line.note + ")" : "")), ...p.boxes.map(([name, text]) => name + ": \"" + text + "\"")].join("\n");
  }

  function asMarkdown(p) {
    const code = (text) => "`" + text.replace(/`/g, "'") + "`";
    return ["**Procedimiento: " + p.button + "**", "", ...p.lines.map((line, i) => (i + 1) + ". " +
      code(line.math.join(" = ")) + (line.rounded ? " → en precisión simple: " + code(line.rounded) : "") +
      (line.error ? " → " + markdownEscape(line.error) : "") + (line.note ? " — *" + markdownEscape(line.note) + "*" : "")),
    "", ...p.boxes.map(([name, text]) => "- " + name + ": " + code("\"" + text + "\""))].join("\n");
  }

  function asLatex(p) {
    const math = (text) => text.replace(/\u221a([A-Za-z]\w*)/g, "\\sqrt{$1}").replace(/\*/g, "\\cdot ")
      .replace(/\b([XYZ]I*V?I*|Def)\b/g, "\\mathrm{$1}").replace(/\b([a-z])([A-Z0-9]+)\b/g, "$1_{$2}");
    return ["\\paragraph{Procedimiento: " + latexEscape(p.button) + "}", "\\begin{enumerate}",
      ...p.lines.map((line) => "\\item $" + line.math.map(math).join(" = ") +
        (line.rounded ? " \\to " + line.rounded + "$ (en precisión simple)" : "$") +
        (line.error ? " " + latexEscape(line.error) : "") + (line.note ? " \\emph{" + latexEscape(line.note) + "}" : "")),
      "\\end{enumerate}",
      ...p.boxes.map(([name, text]) => latexEscape(name) + ": \\texttt{\"" + latexEscape(text) + "\"}\\\\")].join("\n");
  }

  async function copy(text, notice, fallback) {
    fallback.hidden = true;
    try {
      await navigator.clipboard.writeText(text);
      notice.textContent = "Copiado.";
    } catch (refused) {
      // From file:// the clipboard may be refused: the text is offered to copy by hand.
      fallback.value = text;
      fallback.hidden = false;
      fallback.select();
      const copied = document.execCommand && document.execCommand("copy");
      notice.textContent = copied ? "Copiado." : "Seleccione el texto de abajo y cópielo con Ctrl+C.";
    }
  }
  [asText, asMarkdown, asLatex].forEach((format, i) => copyButtons[i].addEventListener("click", () => {
    if (procedure !== null) copy(format(procedure), copyNotice, copyFallback);
  }));

  // --- Comprobar mi resultado: the core judges each hand result -----------
  const JUDGED = ["ZI", "ZII", "ZIII", "ZIV", "Def"];
  const handBoxes = JUDGED.map((name) => document.getElementById("Mi" + name));
  const verdicts = document.getElementById("veredicto");

  function judge() {
    const items = [];
    JUDGED.forEach((name, result) => {
      const verdict = JSON.parse(withCString(handBoxes[result].value, (pointer) => cString(core._trelvani_check(result, pointer))));
      if (verdict.reading === 0) return;
      const item = document.createElement("li");
      if (verdict.reading === 1) {
        item.textContent = name + ": no es un número.";
      } else if (verdict.value === "") {
        item.textContent = name + ": la calculadora aún no lo ha calculado.";
      } else {
        item.className = verdict.agrees ? "coincide" : "no-coincide";
        item.textContent = name + ": " + (verdict.agrees ? "coincide" : "no coincide") +
          "; la calculadora da \"" + verdict.value + "\"." + (verdict.slip ? " " + verdict.slip : "");
      }
      items.push(item);
    });
    verdicts.replaceChildren(...items);
  }
  for (const box of handBoxes) box.addEventListener("input", () => { if (core !== null) judge(); });

  // --- Historial: every click, kept while the page is open ----------------
  const HISTORY_BOXES = ["XI", "XII", "XIII", "XIV", "YI", "YII", "YIII", "YIV", "ZI", "ZII", "ZIII", "ZIV"];
  const historyRows = document.getElementById("historial-filas");
  const historyNotice = document.getElementById("historial-aviso");
  const historyFallback = document.getElementById("historial-respaldo");
  const history = [];
  let historyDrawn = 0;

  function texts(names) { return names.map(textOf); }

  function noteInHistory(name, before, error) {
    const after = texts(HISTORY_BOXES);
    const four = (list, from) => "(" + list.slice(from, from + 4).join("; ") + ")";
    let result;
    if (error > 0) {
      result = "error " + error + ": " + cString(core._trelvani_error_description(error));
    } else if (name === "DEFUZY") {
      result = "Def = \"" + textOf("Def") + "\"";
    } else if (name === "Borrar") {
      result = "X e Y vaciados";
    } else if (name === "XZ" || name === "YZ") {
      result = name[0] + " = " + four(after, name === "XZ" ? 0 : 4);
    } else if ((name === "Maximo" || name === "Minimo") && four(after, 8) === four(before, 8) &&
               textOf("Mensajes") === "Ambos numeros son iguales") {
      result = "Mensajes: " + textOf("Mensajes");
    } else {
      result = "Z = " + four(after, 8);
    }
    history.push({ operation: name + " (" + controls[name].textContent + ")", boxes: before.slice(0, 8), result });
  }

  // The table's five columns; a spreadsheet gets each box in a column of its own.
  function columns(entry, i) {
    const four = (from) => "(" + entry.boxes.slice(from, from + 4).join("; ") + ")";
    return [String(i + 1), entry.operation, four(0), four(4), entry.result];
  }

  // New entries only: a long history costs nothing more per click.
  function drawHistory() {
    if (historyDrawn === history.length) return;
    const rows = document.createDocumentFragment();
    for (; historyDrawn < history.length; ++historyDrawn) {
      const row = document.createElement("tr");
      for (const field of columns(history[historyDrawn], historyDrawn)) {
        row.appendChild(document.createElement("td")).textContent = field;
      }
      rows.appendChild(row);
    }
    historyRows.appendChild(rows);
  }

  const HEADER = ["#", "Operación", "X", "Y", "Resultado"];

  // Quoted, and guarded so that no spreadsheet takes a field for a formula.
  function csvField(text) {
    return '"' + (/^[=+\-@\t\r]/.test(text) ? "'" : "") + text.replace(/"/g, '""') + '"';
  }
  function historyCsv() {
    const rows = [["#", "Operación", ...HISTORY_BOXES.slice(0, 8), "Resultado"],
      ...history.map((entry, i) => [String(i + 1), entry.operation, ...entry.boxes, entry.result])];
    return "\ufeff" + rows.map((row) => row.map(csvField).join(",")).join("\r\n") + "\r\n";
  }
  function markdownCell(text) { return text.replace(/[\\|`*_<>\[\]]/g, "\\$&").replace(/[\r\n]+/g, " "); }
  function historyMarkdown() {
    return [HEADER, HEADER.map(() => "---"), ...history.map(columns)]
      .map((row) => "| " + row.map(markdownCell).join(" | ") + " |").join("\n");
  }
  function historyLatex() {
    const cell = (text) => latexEscape(text.replace(/[\r\n]+/g, " "));
    return ["\\begin{tabular}{rllll}", HEADER.map(cell).join(" & ") + " \\\\ \\hline",
      ...history.map((entry, i) => columns(entry, i).map(cell).join(" & ") + " \\\\"), "\\end{tabular}"].join("\n");
  }

  document.getElementById("exportar-csv").addEventListener("click", () => {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([historyCsv()], { type: "text/csv;charset=utf-8" }));
    link.download = "trelvani-historial.csv";
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
    historyNotice.textContent = "Historial exportado.";
  });
  document.getElementById("copiar-historial-markdown").addEventListener("click",
    () => copy(historyMarkdown(), historyNotice, historyFallback));
  document.getElementById("copiar-historial-latex").addEventListener("click",
    () => copy(historyLatex(), historyNotice, historyFallback));
  document.getElementById("borrar-historial").addEventListener("click", () => {
    history.length = 0;
    historyDrawn = 0;
    historyRows.replaceChildren();
    historyNotice.textContent = "Historial borrado.";
  });

  // --- Phones: the whole window scaled down to the width ----------------
  // Told by a ResizeObserver, after layout, so start-up never waits on one.
  const phone = window.matchMedia("(max-width: 479px)");
  function fit(entries) {
    // Narrow screens get the phone layout from the style sheet instead.
    if (phone.matches) {
      window_.style.transform = frame.style.width = frame.style.height = "";
      return;
    }
    const available = entries[0].contentRect.width;
    const scale = Math.min(1, available / clientSize.width);
    window_.style.transform = scale < 1 ? "scale(" + scale + ")" : "";
    frame.style.width = clientSize.width * scale + "px";
    frame.style.height = clientSize.height * scale + "px";
  }

  // The compiled core travels inside the page deflated and in base64: half
  // the characters for the parser to read. Inflating it is a chain of
  // promises settled in this same task, so the page is ready before the
  // parser moves on.
  async function coreBytes() {
    const text = document.getElementById("nucleo").textContent.trim();
    let packed;
    if (Uint8Array.fromBase64) {
      packed = Uint8Array.fromBase64(text);
    } else {
      const binary = atob(text);
      packed = new Uint8Array(binary.length);
      for (let i = 0; i < binary.length; ++i) packed[i] = binary.charCodeAt(i);
    }
    const inflate = new DecompressionStream("deflate-raw");
    const writer = inflate.writable.getWriter();
    writer.write(packed);
    writer.close();
    const reader = inflate.readable.getReader();
    const pieces = [];
    let length = 0;
    for (let piece = await reader.read(); !piece.done; piece = await reader.read()) {
      pieces.push(piece.value);
      length += piece.value.length;
    }
    const bytes = new Uint8Array(length);
    let at = 0;
    for (const piece of pieces) {
      bytes.set(piece, at);
      at += piece.length;
    }
    return bytes;
  }

  coreBytes().then((wasmBinary) => TrelvaniCore({ encoder: new TextEncoder(), decoder: new TextDecoder(), wasmBinary }))
    .then((module) => {
      core = module;
      build();
      new ResizeObserver(fit).observe(document.body);
      schedulePlot();
      document.documentElement.dataset.ready = "true";
    });
})();
