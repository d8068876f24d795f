// Historial: every click, kept by the core while the page is open, and its
// exports, which the core writes.
(function () {
  "use strict";
  const { page, FORMAT, copy, historyWritten, add, data } = window.trelvaniSections;
  const TEXTS = data.texts;
  const rows = document.getElementById("historial-filas");
  const notice = document.getElementById("historial-aviso");
  const fallback = document.getElementById("historial-respaldo");
  let drawn = 0;

  // New entries only: a long history costs nothing more per click.
  function draw() {
    const entries = JSON.parse(page.call(page.core, "trelvani_history_rows", [], drawn));
    if (entries.length === 0) return;
    const added = document.createDocumentFragment();
    for (const columns of entries) {
      const row = document.createElement("tr");
      for (const column of columns) row.appendChild(document.createElement("td")).textContent = column;
      added.appendChild(row);
    }
    drawn += entries.length;
    rows.appendChild(added);
  }

  document.getElementById("exportar-csv").addEventListener("click", async () => {
    const csv = await historyWritten(FORMAT.csv, notice);
    if (csv === null) return;
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([csv], { type: "text/csv;charset=utf-8" }));
    link.download = "trelvani-historial.csv";
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
    notice.textContent = TEXTS.historyExported;
  });
  for (const [id, format] of [["copiar-historial-texto", FORMAT.text], ["copiar-historial-markdown", FORMAT.markdown],
    ["copiar-historial-latex", FORMAT.latex]]) {
    document.getElementById(id).addEventListener("click", async () => {
      const text = await historyWritten(format, notice);
      if (text !== null) copy(text, notice, fallback);
    });
  }
  document.getElementById("borrar-historial").addEventListener("click", () => {
    page.core._trelvani_history_clear();
    drawn = 0;
    rows.replaceChildren();
    notice.textContent = TEXTS.historyCleared;
  });
  add(draw);
})();
