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

  // The core's writer gives every copy; the formats are numbered as it numbers them.
  const FORMAT = { text: 0, markdown: 1, latex: 2, csv: 3 };

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

  window.trelvaniSections = {
    page, FORMAT, copy,
    // draw(clicked) runs in each frame after a change; clicked says a button was pressed.
    add: (draw) => drawers.push(draw),
    redraw,
  };
  page.changed = redraw;
  redraw();
})();
