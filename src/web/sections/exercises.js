// Ejercicios: a teacher's list into a sheet, a key or a quiz, written by the
// same code as trelvani-ejercicios in a module of its own, which the page
// inflates and compiles after the sections (the form needs it too).
(function () {
  "use strict";
  const { copy, exercisesModule, data } = window.trelvaniSections;
  const list = document.getElementById("ListaEjercicios");
  const format = document.getElementById("FormatoEjercicios");
  const key = document.getElementById("Solucionario");
  const decimals = document.getElementById("Decimales");
  const messages = document.getElementById("ErroresEjercicios");
  const notice = document.getElementById("ejercicios-aviso");
  const fallback = document.getElementById("ejercicios-respaldo");
  const FILES = {
    latex: ["tex", "application/x-tex"], markdown: ["md", "text/markdown"], html: ["html", "text/html"],
    moodle: ["xml", "application/xml"], gift: ["txt", "text/plain"], json: ["jsonl", "application/jsonl"],
  };
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  // The document for the list in `formatName`, or null after saying why not.
  async function written(formatName) {
    const places = decimals.value.trim();
    if (!/^[0-9]+$/.test(places) || places.length > String(data.mostDecimals).length ||
        Number(places) > data.mostDecimals) {
      messages.textContent = data.decimalsLimit;
      return null;
    }
    let module;
    try {
      module = await exercisesModule();
    } catch {
      messages.textContent = "No se pudo cargar lo que escribe los documentos. Compruebe la conexión y vuelva a intentarlo.";
      return null;
    }
    const listBytes = encoder.encode(list.value);
    const nameBytes = encoder.encode(formatName + "\0");
    const listAt = module._malloc(listBytes.length + 1);
    const nameAt = module._malloc(nameBytes.length);
    module.HEAPU8.set(listBytes, listAt);
    module.HEAPU8.set(nameBytes, nameAt);
    try {
      const status = module._exercises_write(listAt, listBytes.length, nameAt, key.checked ? 1 : 0, Number(places));
      const text = (pointer, length) => decoder.decode(module.HEAPU8.subarray(pointer, pointer + length));
      messages.textContent = text(module._exercises_messages(), module._exercises_messages_length());
      return status === 0 ? text(module._exercises_document(), module._exercises_document_length()) : null;
    } finally {
      module._free(listAt);
      module._free(nameAt);
    }
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
