// Ejercicio: an exercise opened from a link (trelvani.html#X=…&botones=…).
// Its texts go into X and Y as typed; with buttons, its statement is shown
// and Comprobar judges the hand results against its own run, without
// showing them, until a button of the window is pressed. "Compartir" writes
// the link for what the window holds.
(function () {
  "use strict";
  const sections = window.trelvaniSections;
  const { page, copy, exercisesModule, exercisesCall, clickBytes, add } = sections;
  const opened = document.getElementById("ejercicio-abierto");
  const statement = document.getElementById("ejercicio-enunciado");
  const solution = document.getElementById("ejercicio-solucion");
  const problem = document.getElementById("ejercicio-problema");
  const withButton = document.getElementById("CompartirEjercicio");
  const notice = document.getElementById("compartir-aviso");
  const fallback = document.getElementById("compartir-respaldo");
  const encoder = new TextEncoder();
  // X's boxes and then Y's, as the link reads and writes them.
  const BOXES = sections.data.operands;

  // While an exercise is open, Comprobar asks it; null otherwise.
  sections.exercise = null;

  function leave() {
    sections.exercise = null;
    opened.hidden = true;
    solution.hidden = true;
  }

  async function open() {
    const fragment = location.hash.slice(1);
    if (!fragment.includes("=")) return;
    let module;
    try {
      module = await exercisesModule();
    } catch {
      problem.hidden = false;
      problem.textContent = "No se pudo abrir el ejercicio del enlace: no se pudo cargar lo que lo resuelve. " +
        "Compruebe la conexión y vuelva a cargar la página.";
      return;
    }
    const read = JSON.parse(exercisesCall(module, "exercises_fragment", "exercises_document_length",
      [encoder.encode(fragment)]));
    leave();
    problem.hidden = read.problem === "";
    problem.textContent = read.problem === "" ? "" : "No se pudo abrir el ejercicio del enlace: " + read.problem + ".";
    if (read.problem !== "") return;
    // Typed in, as a student types: nothing is clicked and Z is not touched.
    [read.X, read.Y].forEach((texts, row) => {
      if (texts !== null) texts.forEach((text, i) => { page.controls[BOXES[4 * row + i]].value = text; });
    });
    page.changed();
    if (read.statement === undefined) return;
    statement.textContent = read.statement;
    solution.replaceChildren(...read.solution.map((line) => {
      const item = document.createElement("li");
      item.textContent = line;
      return item;
    }));
    opened.hidden = false;
    sections.exercise = {
      check: (result, hand) => exercisesCall(module, "exercises_check", "exercises_document_length",
        [encoder.encode(hand)], result),
    };
    sections.judgeAgain();
  }

  document.getElementById("VerSolucion").addEventListener("click", async () => {
    const module = await exercisesModule();
    solution.hidden = false;
    const bytes = module._exercises_last_click();
    sections.showSteps(module.HEAPU8.slice(bytes, bytes + module._exercises_document_length()));
  });

  document.getElementById("Compartir").addEventListener("click", async () => {
    const module = await exercisesModule();
    // Each box's text after its length in four bytes.
    const texts = BOXES.map((name) => encoder.encode(page.controls[name].value));
    const packed = new Uint8Array(texts.reduce((sum, text) => sum + 4 + text.length, 0));
    let at = 0;
    for (const text of texts) {
      new DataView(packed.buffer).setUint32(at, text.length, true);
      packed.set(text, at + 4);
      at += 4 + text.length;
    }
    const fragment = exercisesCall(module, "exercises_link", "exercises_document_length", [packed, clickBytes()],
      withButton.checked ? 1 : 0);
    copy(location.href.split("#")[0] + "#" + fragment, notice, fallback);
  });

  // A button of the window leaves the exercise.
  add((clicked) => { if (clicked) leave(); });
  window.addEventListener("hashchange", open);
  open();
})();
