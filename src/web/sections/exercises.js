// Ejercicios: a teacher's list into a sheet, a key or a quiz, written by the
// same code as trelvani-ejercicios, in the study module.
(function () {
  "use strict";
  const { copy, studyModule, write, data } = window.trelvaniSections;
  const list = document.getElementById("ListaEjercicios");
  const format = document.getElementById("FormatoEjercicios");
  const key = document.getElementById("Solucionario");
  const decimals = document.getElementById("Decimales");
  const messages = document.getElementById("ErroresEjercicios");
  const notice = document.getElementById("ejercicios-aviso");
  const fallback = document.getElementById("ejercicios-respaldo");
  // Each format's file: [extension, media type].
  const FILES = data.documents;
  // The document for the list in `formatName`, or null after saying why not.
  async function written(formatName) {
    try {
      await studyModule();
    } catch {
      messages.textContent = data.texts.documentsUnloaded;
      return null;
    }
    const answer = JSON.parse(write("exercises_write", [list.value, formatName, decimals.value.trim()],
      key.checked ? 1 : 0));
    messages.textContent = answer.messages;
    return answer.document;
  }

  function fileOf(text, formatName) {
    return URL.createObjectURL(new Blob([text], { type: FILES[formatName][1] + ";charset=utf-8" }));
  }

  document.getElementById("DescargarEjercicios").addEventListener("click", async () => {
    const text = await written(format.value);
    if (text === null) return;
    const link = document.createElement("a");
    link.href = fileOf(text, format.value);
    link.download = "trelvani-ejercicios." + FILES[format.value][0];
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  });
  document.getElementById("CopiarEjercicios").addEventListener("click", async () => {
    const text = await written(format.value);
    if (text !== null) copy(text, notice, fallback);
  });
  // The page to print, in a tab of its own, for the browser's printing.
  document.getElementById("ImprimirEjercicios").addEventListener("click", async () => {
    const text = await written("html");
    if (text !== null) window.open(fileOf(text, "html"), "_blank");
  });
})();
