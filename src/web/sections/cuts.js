// Cortes α y convenios: how the last click's Z stands against the exact
// result by α-cuts, and Z read by the common conventions, as the core
// computes them; the plot draws the exact curve from the same numbers.
(function () {
  "use strict";
  const sections = window.trelvaniSections;
  const { FORMAT, copy, cutsWritten, add } = sections;
  const alphaBox = document.getElementById("alfa");
  const alphaNotice = document.getElementById("alfa-aviso");
  const header = document.getElementById("cortes-cabecera");
  const rows = document.getElementById("cortes-filas");
  const sentences = document.getElementById("cortes-frases");
  const conventions = document.getElementById("convenios-filas");
  const notice = document.getElementById("cortes-aviso");
  const fallback = document.getElementById("cortes-respaldo");
  const copyButtons = {
    "copiar-cortes-texto": FORMAT.text, "copiar-cortes-markdown": FORMAT.markdown, "copiar-cortes-latex": FORMAT.latex,
  };

  function cell(tag, text, attributes) {
    const element = document.createElement(tag);
    element.textContent = text;
    for (const [key, value] of Object.entries(attributes || {})) element.setAttribute(key, value);
    return element;
  }

  function row(cells, headed) {
    const line = document.createElement("tr");
    cells.forEach((text, i) => line.appendChild(i === 0 && headed ? cell("th", text, { scope: "row" }) : cell("td", text)));
    return line;
  }

  // The exact curve for the plot, kept from the last drawing, with its
  // legend and what the plot's description says of it.
  sections.exact = { curve: [], legend: "", description: "" };
  let drawn = false;

  function draw(clicked) {
    if (!clicked) return;
    drawn = true;
    const cuts = JSON.parse(cutsWritten("cuts_table", alphaBox.value));
    header.replaceChildren(...cuts.header.map((name) => cell("th", name, { scope: "col" })));
    rows.replaceChildren(...cuts.rows.map((cells) => row(cells, true)));
    sentences.replaceChildren(...cuts.sentences.map((text) => cell("p", text)));
    conventions.replaceChildren(...cuts.conventions.map((cells) => row(cells, true)));
    alphaNotice.textContent = cuts.alphaUnread ? sections.data.texts.alphaUnread : "";
    alphaBox.setAttribute("aria-invalid", cuts.alphaUnread ? "true" : "false");
    sections.exact = { curve: cuts.curve, legend: cuts.curveLegend, description: cuts.curveDescription };
    for (const id of Object.keys(copyButtons)) document.getElementById(id).disabled = false;
  }

  // A typed α redraws the table only; nothing else changes.
  alphaBox.addEventListener("input", () => { if (drawn) draw(true); });
  for (const [id, format] of Object.entries(copyButtons)) {
    document.getElementById(id).addEventListener("click", () =>
      copy(cutsWritten("cuts_copy", alphaBox.value, format), notice, fallback));
  }
  add(draw);
})();
