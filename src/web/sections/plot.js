// The plot of X, Y and Z, as the handlers read them.
(function () {
  "use strict";
  const sections = window.trelvaniSections;
  const { page, add } = sections;
  const TEXTS = sections.data.texts;
  const SVG = "http://www.w3.org/2000/svg";
  const plot = document.getElementById("funciones");
  const series = [
    { name: "X", colour: "#1f5fbf" },
    { name: "Y", colour: "#2e8b2e" },
    { name: "Z", colour: "#c0392b" },
  ];

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
    const exact = sections.exact.curve;
    const shown = operands.flat().concat(exact.flat()).filter((v) => v !== undefined && v !== null && Number.isFinite(v));
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
    plot.setAttribute("aria-label", TEXTS.plotLabel + series.map((s, r) =>
      s.name + ": " + (operands[r] === null ? TEXTS.plotUnread : operands[r].join(", "))).join("; ") +
      (exact.length === 0 ? "" : sections.exact.description));
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
    if (exact.length > 0) drawExact(exact, x, y, left + 12 + series.length * 60);
  }

  // The exact result by α-cuts: up the left ends, down the right ones, in
  // dashes; a level without a cut breaks the line.
  function drawExact(curve, x, y, legendAt) {
    plot.appendChild(svg("line", { x1: legendAt, y1: 12, x2: legendAt + 18, y2: 12, stroke: "#000",
      "stroke-width": 1.5, "stroke-dasharray": "4 3" }));
    plot.appendChild(svg("text", { x: legendAt + 22, y: 16 }, sections.exact.legend));
    const last = curve.length - 1;
    const levels = curve.map((cut, k) => ({ cut, m: k / last }));
    const side = (end) => (level) => level.cut === null ? null : x(level.cut[end]) + "," + y(level.m);
    const points = levels.map(side(0)).concat(levels.slice().reverse().map(side(1)));
    let path = "";
    let pen = "M";
    for (const point of points) {
      if (point === null) { pen = "M"; continue; }
      path += pen + point + " ";
      pen = "L";
    }
    plot.appendChild(svg("path", { id: "curva-exacto", d: path.trim(), fill: "none", stroke: "#000",
      "stroke-width": 1.5, "stroke-dasharray": "4 3", "stroke-linejoin": "round" }));
  }

  add(drawPlot);
})();
