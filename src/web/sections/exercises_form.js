// Ejercicios as a form: one row per line of the list, which the study
// module reads into fields and writes back, so this script knows nothing of
// the list's format. The text view (ListaEjercicios) always holds the list
// the documents are written from, and the browser keeps it at each input.
(function () {
  "use strict";
  const sections = window.trelvaniSections;
  const byId = (id) => document.getElementById(id);
  const list = byId("ListaEjercicios");
  const textView = byId("ejercicios-texto");
  const formView = byId("ejercicios-formulario");
  const rowsList = byId("ejercicios-filas");
  const toggle = byId("EditarComoTexto");
  const notKept = byId("ejercicios-sin-guardar");
  const messages = byId("ErroresEjercicios");
  const fileInput = byId("ArchivoLista");
  const rowTemplate = byId("ejercicio-plantilla");
  const buttonTemplate = byId("boton-plantilla");
  const STORAGE_KEY = "trelvani.ejercicios";

  // Whether the study module has loaded, and the buttons a row may press.
  let loaded = false;
  let buttonTable = [];
  // The rows as the module read or wrote them: each holds its line's text,
  // which stays as typed until the row is edited in the form.
  let rows = [];
  let textTouched = false;

  function keep() {
    try {
      localStorage.setItem(STORAGE_KEY, list.value);
      notKept.hidden = true;
    } catch {
      // Over the quota, or no storage at all: the list on screen stays.
      notKept.hidden = false;
    }
  }
  try {
    const kept = localStorage.getItem(STORAGE_KEY);
    if (kept !== null) list.value = kept;
  } catch {
    // No storage here (some engines refuse it from disk): nothing to bring back.
  }

  const call = (name, ...texts) => sections.write(name, texts);
  const readRows = (text) => JSON.parse(call("exercises_form_read", text)).rows;
  const listText = () => rows.map((row) => row.text + "\n").join("");

  // The list changed in the form: the text view follows, and is kept.
  function formChanged() {
    list.value = listText();
    keep();
  }

  function rowOf(element) {
    const item = element.closest("li.fila");
    return item ? [...rowsList.children].indexOf(item) : -1;
  }

  // The row's fields as the module takes them, from the row's element.
  function fieldsOf(index) {
    const row = rows[index];
    const item = rowsList.children[index];
    const operand = (which) => {
      const group = item.querySelector(`[data-operando="${which}"]`);
      return {
        kind: group.querySelector(".modo").value,
        boxes: [...group.querySelectorAll(".casilla")].map((box) => box.value),
        from: group.querySelector(".desde").value,
        to: group.querySelector(".hasta").value,
        decimals: group.querySelector(".decimales").value,
      };
    };
    return {
      kind: row.kind, text: row.kind === "text" ? item.querySelector(".linea").value : row.text,
      x: operand("x"), y: operand("y"), buttons: row.buttons, statement: item.querySelector(".enunciado").value,
      variants: item.querySelector(".cuantas").value, seed: item.querySelector(".semilla").value, problem: row.problem,
    };
  }

  // Writes a row's line from its fields and says why the list cannot use it.
  function rewrite(index) {
    const fields = fieldsOf(index);
    const written = call("exercises_form_line", JSON.stringify(fields));
    if (written === "") return;
    const { line, reason } = JSON.parse(written);
    Object.assign(rows[index], fields, { text: line, reason });
    showReason(rowsList.children[index], reason);
  }

  function showReason(item, reason) {
    const shown = item.querySelector(".motivo");
    shown.hidden = reason === "";
    shown.querySelector(".razon").textContent = reason;
  }

  function fillOperand(group, operand, name) {
    group.querySelector(".modo").value = operand.kind;
    group.querySelectorAll(".casilla").forEach((box, i) => {
      box.value = operand.boxes[i];
      box.setAttribute("aria-label", `${name}, ${box.getAttribute("aria-label")}`);
    });
    group.querySelector(".desde").value = operand.from;
    group.querySelector(".hasta").value = operand.to;
    group.querySelector(".decimales").value = operand.decimals;
    showOperandKind(group);
  }

  function showOperandKind(group) {
    const kind = group.querySelector(".modo").value;
    group.querySelector(".casillas").hidden = kind !== "boxes";
    group.querySelector(".rango").hidden = kind !== "range";
  }

  function captionOf(name) {
    const button = buttonTable.find((entry) => entry.name === name);
    return button && button.caption !== name ? `${button.caption} (${name})` : name;
  }

  function rowElement(row, index) {
    const item = rowTemplate.content.firstElementChild.cloneNode(true);
    item.querySelector(".numero").textContent = String(index + 1);
    const title = item.querySelector("legend").textContent;
    const reasonId = `ejercicio-motivo-${index + 1}`;
    item.querySelector(".motivo").id = reasonId;
    item.querySelector("fieldset").setAttribute("aria-describedby", reasonId);
    item.querySelector(".datos").hidden = row.kind !== "exercise";
    item.querySelector(".resumen").hidden = row.kind !== "decision";
    item.querySelector(".resumen").textContent = row.summary;
    item.querySelector(".enunciado-rotulo").hidden = row.kind === "text";
    item.querySelector(".linea-rotulo").hidden = row.kind !== "text";
    item.querySelector(".enunciado").value = row.statement;
    item.querySelector(".linea").value = row.kind === "text" ? row.text : "";
    item.querySelector(".cuantas").value = row.variants;
    item.querySelector(".semilla").value = row.seed;
    for (const group of item.querySelectorAll(".operando")) {
      const which = group.dataset.operando;
      fillOperand(group, row[which], `${title}, ${group.querySelector("legend").textContent}`);
    }
    const pressed = item.querySelector(".pulsados");
    row.buttons.forEach((name, at) => {
      const entry = buttonTemplate.content.firstElementChild.cloneNode(true);
      entry.querySelector(".boton-nombre").textContent = captionOf(name);
      const remove = entry.querySelector(".quitar-boton");
      remove.setAttribute("aria-label", `${remove.textContent} ${captionOf(name)}`);
      remove.dataset.at = String(at);
      pressed.append(entry);
    });
    const choice = item.querySelector(".boton-nuevo");
    for (const button of buttonTable) choice.append(new Option(captionOf(button.name), button.name));
    for (const action of item.querySelectorAll(".acciones button")) {
      action.setAttribute("aria-label", `${action.textContent}, ${title}`);
    }
    item.querySelector(".subir").disabled = index === 0;
    item.querySelector(".bajar").disabled = index === rows.length - 1;
    showReason(item, row.reason);
    return item;
  }

  // Draws every row again, and puts the focus back on the control of the
  // same class in row `focusRow`, when given.
  function render(focusRow, focusClass) {
    rowsList.replaceChildren(...rows.map(rowElement));
    if (focusRow === undefined) return;
    const item = rowsList.children[Math.min(focusRow, rows.length - 1)];
    const target = item && (item.querySelector(`.${focusClass}:not(:disabled)`) || item.querySelector(".duplicar"));
    (target || byId("AnadirEjercicio")).focus();
  }

  // The form again from the text view's list.
  function fromText() {
    if (!loaded) return;
    rows = readRows(list.value);
    render();
  }

  function emptyRow() {
    const operand = () => ({ kind: "boxes", boxes: ["", "", "", ""], from: "", to: "", decimals: "" });
    return { kind: "exercise", text: "", reason: "", x: operand(), y: operand(), buttons: [], statement: "",
      variants: "", seed: "", problem: "", summary: "" };
  }

  // A change to the rows' order or a row's buttons; only a row whose fields
  // changed is written again, the others keep their lines as typed.
  function changed(index, focusClass, fieldsChanged) {
    render(index, focusClass);
    if (fieldsChanged) rewrite(index);
    formChanged();
  }

  rowsList.addEventListener("input", (event) => {
    const index = rowOf(event.target);
    // Choosing a button is no change until it is added.
    if (index < 0 || event.target.classList.contains("boton-nuevo")) return;
    if (event.target.classList.contains("modo")) showOperandKind(event.target.closest(".operando"));
    if (rows[index].kind === "text") {
      rows[index].text = event.target.value;
    } else {
      rewrite(index);
    }
    formChanged();
  });
  // A kept line mended by hand becomes a row of fields once it is left.
  rowsList.addEventListener("change", (event) => {
    const index = rowOf(event.target);
    if (index < 0 || !event.target.classList.contains("linea")) return;
    const read = readRows(rows[index].text);
    if (read.length === 1 && read[0].kind !== "text") {
      rows[index] = read[0];
      render(index, "duplicar");
    } else if (read.length === 1) {
      rows[index] = read[0];
      showReason(rowsList.children[index], read[0].reason);
    }
  });
  rowsList.addEventListener("click", (event) => {
    const button = event.target.closest("button");
    const index = button ? rowOf(button) : -1;
    if (index < 0) return;
    const row = rows[index];
    if (button.classList.contains("duplicar")) {
      rows.splice(index + 1, 0, JSON.parse(JSON.stringify(row)));
      changed(index + 1, "duplicar", false);
    } else if (button.classList.contains("subir") || button.classList.contains("bajar")) {
      const to = button.classList.contains("subir") ? index - 1 : index + 1;
      [rows[index], rows[to]] = [rows[to], rows[index]];
      changed(to, button.classList.contains("subir") ? "subir" : "bajar", false);
    } else if (button.classList.contains("quitar")) {
      rows.splice(index, 1);
      render(index, "quitar");
      formChanged();
    } else if (button.classList.contains("anadir-boton")) {
      row.buttons = [...row.buttons, rowsList.children[index].querySelector(".boton-nuevo").value];
      changed(index, "anadir-boton", true);
    } else if (button.classList.contains("quitar-boton")) {
      row.buttons = row.buttons.filter((_, at) => at !== Number(button.dataset.at));
      changed(index, "anadir-boton", true);
    }
  });
  byId("AnadirEjercicio").addEventListener("click", () => {
    if (!loaded) return;
    rows.push(emptyRow());
    changed(rows.length - 1, "casilla", true);
  });

  list.addEventListener("input", () => {
    textTouched = true;
    keep();
    fromText();
  });

  function showText(shown) {
    toggle.setAttribute("aria-pressed", String(shown));
    textView.hidden = !shown;
    formView.hidden = shown;
  }
  toggle.addEventListener("click", () => showText(toggle.getAttribute("aria-pressed") !== "true"));

  // A whole new list: from the history, a file, or a line added elsewhere.
  function replaced(text) {
    list.value = text;
    keep();
    fromText();
  }

  byId("UsarHistorial").addEventListener("click", async () => {
    const exercises = await sections.historyWritten(sections.FORMAT.exercises, messages);
    if (exercises === null) return;
    if (exercises === "") {
      messages.textContent = sections.data.texts.historyWithoutOperands;
      return;
    }
    messages.textContent = "";
    replaced(exercises);
  });

  byId("GuardarLista").addEventListener("click", () => {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([list.value], { type: "application/jsonl;charset=utf-8" }));
    link.download = "ejercicios.jsonl";
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  });
  byId("AbrirLista").addEventListener("click", () => fileInput.click());
  fileInput.addEventListener("change", async () => {
    const file = fileInput.files[0];
    fileInput.value = "";
    if (file) replaced(await file.text());
  });

  // One line of the list appended, as a row or as kept text.
  sections.addExerciseLine = (lineText) => {
    const text = list.value;
    replaced(text + (text === "" || text.endsWith("\n") ? "" : "\n") + lineText + "\n");
  };

  sections.studyModuleWhenIdle().then(() => {
    loaded = true;
    buttonTable = JSON.parse(call("exercises_form_buttons"));
    fromText();
    toggle.disabled = false;
    // The form is shown, unless the text was being written meanwhile.
    if (!textTouched && document.activeElement !== list) showText(false);
  }, () => {
    // Without the module the text view stays, as it always worked.
  });
})();
