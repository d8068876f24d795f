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
  // markup as the page is built: the copies' formats, numbered as the study
  // module numbers them, the boxes, the results judged, the documents' files
  // and the sections' own texts.
  const data = JSON.parse(document.getElementById("datos-secciones").textContent);
  const FORMAT = data.formats;
  const decoder = new TextDecoder();
  // The study module lays out the steps and writes every copy, from what the
  // page's core hands it as bytes, and holds the exercise lists and the
  // decision methods; drawing starts once it is compiled.
  let study = null;

  // Runs the study module's `name`: see page.call.
  const write = (name, inputs, ...numbers) => page.call(study, name, inputs, ...numbers);
  const coreBytes = (name, inputs = []) => page.callForBytes(page.core, name, inputs);
  // The history's buttons work before anything is drawn: they wait for the
  // module, and where it could not be loaded `notice` says so (null).
  const historyWritten = (format, notice) => studyModule().then(
    () => write("history_copy", [coreBytes("trelvani_history_bytes")], format),
    () => { notice.textContent = data.texts.documentsUnloaded; return null; });
  // The α-cuts of the last click, at the table's levels and at `alpha` as typed.
  const cutsWritten = (name, alpha, ...numbers) => write(name, [coreBytes("trelvani_cut_bytes", [alpha])], ...numbers);

  async function copy(text, notice, fallback) {
    fallback.hidden = true;
    try {
      await navigator.clipboard.writeText(text);
      notice.textContent = data.texts.copied;
    } catch (refused) {
      // From file:// the clipboard may be refused: the text is offered to copy by hand.
      fallback.value = text;
      fallback.hidden = false;
      fallback.select();
      const copied = document.execCommand && document.execCommand("copy");
      notice.textContent = copied ? data.texts.copied : data.texts.copyByHand;
    }
  }

  // The study module, inflated and compiled once; a section that needs it
  // waits on this, and where it could not be fetched asks again.
  let loading = null;
  function studyModule() {
    if (loading === null) {
      loading = page.inflated("modulo-estudio").then((bytes) => {
        const scriptEnd = bytes.indexOf(0);
        const glue = document.createElement("script");
        glue.textContent = decoder.decode(bytes.subarray(0, scriptEnd));
        document.body.append(glue);
        return window.TrelvaniStudy({ wasmBinary: bytes.subarray(scriptEnd + 1) });
      }).then((module) => {
        study = module;
        // Clicks made before then are counted, and the core keeps them.
        page.changed = redraw;
        redraw();
        return module;
      }).catch((error) => {
        // The hosted edition fetches it: a lost connection may come back.
        loading = null;
        throw error;
      });
    }
    return loading;
  }

  const idle = window.requestIdleCallback || ((run) => setTimeout(run, 200));
  const studyModuleWhenIdle = () => new Promise((resolve) => idle(resolve)).then(studyModule);

  window.trelvaniSections = {
    page, data, FORMAT, copy, historyWritten, cutsWritten, studyModule, studyModuleWhenIdle, write,
    clickBytes: () => coreBytes("trelvani_click_bytes"),
    // draw(clicked) runs in each frame after a change; clicked says a button was pressed.
    add: (draw) => drawers.push(draw),
  };

  // Compiled once the window is idle, after the first click could have been
  // answered; a section that fails to get it says so when used.
  studyModuleWhenIdle().catch(() => {});
})();
