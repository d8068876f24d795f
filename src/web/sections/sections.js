// Under the window: the plot, the steps of the last click (Procedimiento),
// the check of a hand result and the history, each in a file of its own that
// registers here. All of it is drawn from the core's own results, in the
// frame after a change, so the window never waits on it.
(function () {
  "use strict";
  const page = window.trelvaniWindow;
  const drawers = [];
  let framePending = false;
  let clicksDrawn = 0;

  function redraw() {
    if (framePending) return;
    framePending = true;
    requestAnimationFrame(() => {
      framePending = false;
      if (page.core === null) return;
      const clicked = page.clicks !== clicksDrawn;
      clicksDrawn = page.clicks;
      for (const draw of drawers) draw(clicked);
    });
  }

  // What the sections take from the core's tables, written into their
  // markup as the page is built: the copies' formats, numbered as the writer
  // module numbers them, the boxes, the results judged and the limits.
  const data = JSON.parse(document.getElementById("datos-secciones").textContent);
  // The writer module lays out the steps and writes every copy, from what
  // the page's core hands it as bytes.
  const FORMAT = data.formats;
  const decoder = new TextDecoder();
  let writer = null;

  function coreBytes(pointer) {
    return page.core.HEAPU8.slice(pointer, pointer + page.core._trelvani_returned_length());
  }

  // Runs the writer's `name` on `bytes`, after any numbers it takes first.
  function write(name, numbers, bytes) {
    const at = writer.malloc(bytes.length + 1);
    new Uint8Array(writer.memory.buffer).set(bytes, at);
    try {
      const result = writer[name](...numbers, at, bytes.length);
      return decoder.decode(new Uint8Array(writer.memory.buffer, result, writer.writer_returned_length()));
    } finally {
      writer.free(at);
    }
  }
  const historyWritten = (format) => write("writer_history_copy", [format], coreBytes(page.core._trelvani_history_bytes()));
  // The α-cuts of the last click, at the table's levels and at `alpha` as typed.
  const cutsWritten = (name, alpha, ...numbers) => write(name, numbers,
    page.withText(alpha, (pointer, length) => coreBytes(page.core._trelvani_cut_bytes(pointer, length))));

  async function copy(text, notice, fallback) {
    fallback.hidden = true;
    try {
      await navigator.clipboard.writeText(text);
      notice.textContent = "Copiado.";
    } catch (refused) {
      // From file:// the clipboard may be refused: the text is offered to copy by hand.
      fallback.value = text;
      fallback.hidden = false;
      fallback.select();
      const copied = document.execCommand && document.execCommand("copy");
      notice.textContent = copied ? "Copiado." : "Seleccione el texto de abajo y cópielo con Ctrl+C.";
    }
  }

  // The exercise lists' module (reader, runs, documents and links), inflated
  // and compiled the first time a section needs it.
  let exercisesLoading = null;
  function exercisesModule() {
    if (exercisesLoading === null) {
      exercisesLoading = page.inflated("ejercicios-modulo").then((bytes) => {
        const scriptEnd = bytes.indexOf(0);
        const glue = document.createElement("script");
        glue.textContent = decoder.decode(bytes.subarray(0, scriptEnd));
        document.body.append(glue);
        return window.TrelvaniExercises({ wasmBinary: bytes.subarray(scriptEnd + 1) });
      }).catch((error) => {
        // The hosted edition fetches it: a lost connection may come back.
        exercisesLoading = null;
        throw error;
      });
    }
    return exercisesLoading;
  }
  // Calls the module's `name` with each of `inputs` (bytes) as its pointer
  // and length, after any numbers; its answer is read as `length` says.
  function exercisesCall(module, name, length, inputs, ...numbers) {
    const pointers = inputs.map((bytes) => {
      const at = module._malloc(bytes.length + 1);
      module.HEAPU8.set(bytes, at);
      return at;
    });
    try {
      const args = inputs.flatMap((bytes, i) => [pointers[i], bytes.length]);
      const result = module["_" + name](...args, ...numbers);
      return decoder.decode(module.HEAPU8.subarray(result, result + module["_" + length]()));
    } finally {
      pointers.forEach((at) => module._free(at));
    }
  }

  // The module is compiled once the window is idle, after the first click
  // could have been answered; the sections that need it start there.
  const idle = window.requestIdleCallback || ((run) => setTimeout(run, 200));
  const exercisesModuleWhenIdle = () => new Promise((resolve) => idle(resolve)).then(exercisesModule);

  window.trelvaniSections = {
    page, FORMAT, copy, historyWritten, cutsWritten, exercisesModule, exercisesModuleWhenIdle, exercisesCall, write,
    clickBytes: () => coreBytes(page.core._trelvani_click_bytes()),
    // draw(clicked) runs in each frame after a change; clicked says a button was pressed.
    add: (draw) => drawers.push(draw),
  };

  window.trelvaniSections.data = data;

  // Drawing starts once the writer is compiled; clicks made before then are
  // counted, and the core keeps them.
  const imports = {
    env: { emscripten_notify_memory_growth: () => {} },
    wasi_snapshot_preview1: { proc_exit: (code) => { throw new Error("writer exited: " + code); } },
  };
  WebAssembly.instantiate(page.writerBinary, imports).then(({ instance }) => {
    instance.exports._initialize();
    writer = instance.exports;
    page.changed = redraw;
    redraw();
  });
})();
