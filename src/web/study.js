"use strict";
// Under the window: the plot of X, Y and Z, the steps of the last click
// (Procedimiento), the check of a hand result and the history. All of it is
// drawn from the core's own results, in the frame after a change, so the
// window never waits on it.
(function () {
  const SVG = "http://www.w3.org/2000/svg";
  const page = window.trelvaniWindow;
  const { controls, cString, withCString, textOf, HISTORY_BOXES } = page;
  const plot = document.getElementById("funciones");

  function markdownEscape(text) { return text.replace(/[\\`*_{}\[\]<>()#+\-.!|]/g, "\\$&"); }

  function latexEscape(text) {
    return text.replace(/[\\{}#$%&_~^|<>]/g, (c) => ({ "\\": "\\textbackslash{}", "~": "\\textasciitilde{}",
      "^": "\\textasciicircum{}", "|": "\\textbar{}", "<": "\\textless{}", ">": "\\textgreater{}" })[c] || "\\" + c);
  }

  // --- The plot ---------------------------------------------------------
  const series = [
    { name: "X", colour: "#1f5fbf" },
    { name: "Y", colour: "#2e8b2e" },
    { name: "Z", colour: "#c0392b" },
  ];
  let framePending = false;

  function redraw() {
    if (framePending) return;
    framePending = true;
    requestAnimationFrame(() => {
      framePending = false;
      if (page.core === null) return;
      takeClicks();
      if (lastClick !== null) {
        drawProcedure();
        judge();
      }
      drawPlot();
      drawHistory();
    });
  }

  function readOperands() {
    const pointer = page.core._malloc(12 * 8);
    try {
      const readable = page.core._trelvani_read_operands(pointer);
      const values = Array.from(page.core.HEAPF64.subarray(pointer / 8, pointer / 8 + 12));
      return series.map((s, r) => ((readable >> r) & 1 ? values.slice(4 * r, 4 * r + 4) : null));
    } finally {
      page.core._free(pointer);
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
    const steps = JSON.parse(cString(page.core._trelvani_steps()));
    const known = {};
    const lines = steps.map((step) => {
      if (step.error !== undefined) {
        const description = cString(page.core._trelvani_error_description(step.error));
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
      const verdict = JSON.parse(withCString(handBoxes[result].value, (pointer) => cString(page.core._trelvani_check(result, pointer))));
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
  for (const box of handBoxes) box.addEventListener("input", () => { if (page.core !== null) judge(); });

  // --- Historial: every click, kept while the page is open ----------------
  const historyRows = document.getElementById("historial-filas");
  const historyNotice = document.getElementById("historial-aviso");
  const historyFallback = document.getElementById("historial-respaldo");
  const history = [];
  let historyDrawn = 0;

  // The clicks the window has told of, into the history; the last one is the
  // one the Procedimiento shows next.
  function takeClicks() {
    const taken = page.clicks.splice(0);
    for (const click of taken) history.push(historyEntry(click));
    if (taken.length > 0) lastClick = taken[taken.length - 1];
  }

  // Four box texts from `from` on, as an operand is written: "(a; b; c; d)".
  const four = (list, from) => "(" + list.slice(from, from + 4).join("; ") + ")";

  function historyEntry(click) {
    const name = click.button;
    let result;
    if (click.error > 0) {
      result = "error " + click.error + ": " + cString(page.core._trelvani_error_description(click.error));
    } else if (name === "DEFUZY") {
      result = "Def = \"" + click.def + "\"";
    } else if (name === "Borrar") {
      result = "X e Y vaciados";
    } else if (name === "XZ" || name === "YZ") {
      result = name[0] + " = " + four(click.after, name === "XZ" ? 0 : 4);
    } else if ((name === "Maximo" || name === "Minimo") && four(click.after, 8) === four(click.before, 8) &&
               click.mensajes === "Ambos numeros son iguales") {
      result = "Mensajes: " + click.mensajes;
    } else {
      result = "Z = " + four(click.after, 8);
    }
    return { operation: name + " (" + click.caption + ")", boxes: click.before.slice(0, 8), result };
  }

  // The table's five columns; a spreadsheet gets each box in a column of its own.
  function columns(entry, i) {
    return [String(i + 1), entry.operation, four(entry.boxes, 0), four(entry.boxes, 4), entry.result];
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
    takeClicks();
    link.href = URL.createObjectURL(new Blob([historyCsv()], { type: "text/csv;charset=utf-8" }));
    link.download = "trelvani-historial.csv";
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
    historyNotice.textContent = "Historial exportado.";
  });
  document.getElementById("copiar-historial-markdown").addEventListener("click",
    () => { takeClicks(); copy(historyMarkdown(), historyNotice, historyFallback); });
  document.getElementById("copiar-historial-latex").addEventListener("click",
    () => { takeClicks(); copy(historyLatex(), historyNotice, historyFallback); });
  document.getElementById("borrar-historial").addEventListener("click", () => {
    takeClicks();
    history.length = 0;
    historyDrawn = 0;
    historyRows.replaceChildren();
    historyNotice.textContent = "Historial borrado.";
  });

  page.changed = redraw;
  redraw();
})();
