// Procedimiento: the steps of the last click, as the core lays out the
// values its handler listed, and its copies as text, Markdown and LaTeX.
(function () {
  "use strict";
  const { FORMAT, copy, clickWritten, add } = window.trelvaniSections;
  const stepsList = document.getElementById("pasos");
  const boxTexts = document.getElementById("casillas");
  const notice = document.getElementById("copiar-aviso");
  const fallback = document.getElementById("copiar-respaldo");
  const copyButtons = { "copiar-texto": FORMAT.text, "copiar-markdown": FORMAT.markdown, "copiar-latex": FORMAT.latex };

  function draw(clicked) {
    if (!clicked) return;
    const procedure = JSON.parse(clickWritten("writer_procedure"));
    stepsList.replaceChildren(...procedure.lines.map((line) => {
      const item = document.createElement("li");
      item.textContent = line.text;
      if (line.error) item.className = "fallo";
      if (line.note) {
        const note = document.createElement("span");
        note.className = "nota";
        note.textContent = line.note;
        item.appendChild(note);
      }
      return item;
    }));
    boxTexts.textContent = procedure.boxes.length === 0 ? "" :
      "Texto de cada casilla: " + procedure.boxes.map(([name, text]) => name + " \"" + text + "\"").join(", ");
    for (const id of Object.keys(copyButtons)) document.getElementById(id).disabled = false;
  }

  for (const [id, format] of Object.entries(copyButtons)) {
    document.getElementById(id).addEventListener("click", () =>
      copy(clickWritten("writer_procedure_copy", format), notice, fallback));
  }
  add(draw);
})();
