// Procedimiento: the steps of the last click, as the core lays out the
// values its handler listed, and its copies as text, Markdown and LaTeX. An
// exercise's solution can show its own click here instead, until the next
// click of the window.
(function () {
  "use strict";
  const sections = window.trelvaniSections;
  const { FORMAT, copy, write, clickBytes, add } = sections;
  const stepsList = document.getElementById("pasos");
  const boxTexts = document.getElementById("casillas");
  const notice = document.getElementById("copiar-aviso");
  const fallback = document.getElementById("copiar-respaldo");
  const copyButtons = { "copiar-texto": FORMAT.text, "copiar-markdown": FORMAT.markdown, "copiar-latex": FORMAT.latex };
  // The bytes of the click shown, when it is not the window's last.
  let shown = null;
  const shownBytes = () => shown || clickBytes();

  function drawBytes(bytes) {
    const procedure = JSON.parse(write("steps_procedure", [bytes]));
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
    boxTexts.textContent = procedure.boxTexts;
    for (const id of Object.keys(copyButtons)) document.getElementById(id).disabled = false;
  }

  sections.showSteps = (bytes) => {
    shown = bytes;
    drawBytes(bytes);
  };

  for (const [id, format] of Object.entries(copyButtons)) {
    document.getElementById(id).addEventListener("click", () =>
      copy(write("steps_copy", [shownBytes()], format), notice, fallback));
  }
  add((clicked) => {
    if (!clicked) return;
    shown = null;
    drawBytes(clickBytes());
  });
})();
