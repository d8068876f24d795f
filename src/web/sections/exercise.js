// Ejercicio: an exercise opened from a link (trelvani.html#X=…&botones=…).
// Its texts go into X and Y as typed; with buttons, its statement is shown
// and Comprobar judges the hand results against its own run, without
// showing them, until a button of the window is pressed. "Compartir" writes
// the link for what the window holds.
(function () {
  "use strict";
  const sections = window.trelvaniSections;
  const { page, copy, studyModule, write, add } = sections;
  const opened = document.getElementById("ejercicio-abierto");
  const statement = document.getElementById("ejercicio-enunciado");
  const solution = document.getElementById("ejercicio-solucion");
  const problem = document.getElementById("ejercicio-problema");
  const withButton = document.getElementById("CompartirEjercicio");
  const notice = document.getElementById("compartir-aviso");
  const fallback = document.getElementById("compartir-respaldo");
  // X's boxes and then Y's, as the link reads them.
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
    try {
      await studyModule();
    } catch {
      problem.hidden = false;
      problem.textContent = sections.data.texts.linkUnloaded;
      return;
    }
    const read = JSON.parse(write("exercises_fragment", [fragment]));
    leave();
    problem.hidden = read.problem === "";
    problem.textContent = read.problem;
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
      check: (result, hand) => write("exercises_check", [hand], result),
    };
    sections.judgeAgain();
  }

  document.getElementById("VerSolucion").addEventListener("click", async () => {
    const module = await studyModule();
    solution.hidden = false;
    sections.showSteps(page.callForBytes(module, "exercises_last_click", []));
  });

  document.getElementById("Compartir").addEventListener("click", async () => {
    await studyModule();
    const windowTexts = page.callForBytes(page.core, "trelvani_link_bytes", []);
    const fragment = write("exercises_link", [windowTexts], withButton.checked ? 1 : 0);
    copy(location.href.split("#")[0] + "#" + fragment, notice, fallback);
  });

  // A button of the window leaves the exercise.
  add((clicked) => { if (clicked) leave(); });
  window.addEventListener("hashchange", open);
  open();
})();
