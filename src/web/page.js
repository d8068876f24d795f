"use strict";
// The window, written from the core's control table, each click run by the
// core's handler on the page's own inputs. All the first click needs is here;
// the sections under the window (sections/) are put in once it is ready.
(function () {
  const window_ = document.getElementById("Trelvani_Fuzzy");
  const frame = document.getElementById("marco");
  const dialog = document.getElementById("error");
  const controls = {};
  const clientSize = { width: 0, height: 0 };
  const boxes = [];
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  let core = null;

  // Every module of the page is called alike: each input, a text or bytes,
  // goes as its bytes and their count, ended by a NUL for C strings; then
  // any numbers. A text comes back by its length (trelvani_returned_length):
  // a box text may hold a NUL.
  function withInputs(module, inputs, use) {
    const pointers = inputs.map((input) => {
      const bytes = typeof input === "string" ? encoder.encode(input) : input;
      const pointer = module._malloc(bytes.length + 1);
      module.HEAPU8.set(bytes, pointer);
      module.HEAPU8[pointer + bytes.length] = 0;
      return [pointer, bytes.length];
    });
    try { return use(pointers.flat()); } finally { for (const [pointer] of pointers) module._free(pointer); }
  }
  function returnedBytes(module, name, inputs, numbers) {
    return withInputs(module, inputs, (pointers) => {
      const pointer = module["_" + name](...pointers, ...numbers);
      return module.HEAPU8.subarray(pointer, pointer + module._trelvani_returned_length());
    });
  }
  const call = (module, name, inputs, ...numbers) => decoder.decode(returnedBytes(module, name, inputs, numbers));
  const callForBytes = (module, name, inputs, ...numbers) => returnedBytes(module, name, inputs, numbers).slice();

  // What the sections under the window are told: that clicks came, counted
  // until they draw them (the core keeps each click itself), and a call
  // whenever what they draw may have changed; and the live region that
  // speaks results, for a section to say its own once.
  const page = window.trelvaniWindow = { core: null, controls, call, callForBytes, announce, clicks: 0, changed: () => {} };

  // The window's markup is in the page already, written from the control
  // table as the page was built; here it is only wired up.
  function build() {
    for (const element of window_.querySelectorAll("[id]")) controls[element.id] = element;
    for (const box of window_.querySelectorAll("[data-box]")) boxes[Number(box.dataset.box)] = box;
    clientSize.width = Number(window_.dataset.width);
    clientSize.height = Number(window_.dataset.height);
    window_.addEventListener("click", (event) => {
      const button = event.target.closest("button");
      if (button !== null) click(button.id, button);
    });
    window_.addEventListener("input", () => page.changed());
  }

  function click(name, button) {
    const number = withInputs(core, [name], ([pointer]) => core._trelvani_click(pointer));
    ++page.clicks;
    if (number === 0) announce(call(core, "trelvani_announcement", []));
    page.changed();
    if (number > 0) showError(number, button);
  }

  // What a click came to, said once, in the core's words, even when it is
  // what the last click said: two regions take turns, the second's text
  // ending in a no-break space, since Orca drops a live message that repeats
  // the last one to the letter.
  const announcements = [document.getElementById("anuncio-1"), document.getElementById("anuncio-2")];
  let turn = 0;
  function announce(text) {
    turn = 1 - turn;
    announcements[1 - turn].textContent = "";
    announcements[turn].textContent = turn === 0 ? text : text + "\u00a0";
  }

  // The dialog's one button keeps the focus while it is open.
  dialog.addEventListener("keydown", (event) => {
    if (event.key !== "Tab") return;
    event.preventDefault();
    document.getElementById("Aceptar").focus();
  });

  // The dialog and its button are both described by its text, said once as
  // it opens: Orca in Firefox says the button and its description, in
  // Chromium the dialog's name and description, then the button. A plain
  // dialog, not an alert dialog, which Chromium shows Orca as an alert that
  // is read out whole each time it is reported, on top of the focus.
  // Once it closes, the button takes the focus again a moment later, so that
  // a screen reader, which has just had the page back, says it; the last
  // announcement is gone by then, so that nothing old is read out again.
  function showError(number, button) {
    document.getElementById("error-texto").textContent = call(core, "trelvani_error_report", [], number);
    for (const region of announcements) region.textContent = "";
    dialog.addEventListener("close", () => {
      button.blur();
      setTimeout(() => button.focus(), 100);
    }, { once: true });
    dialog.showModal();
  }

  // --- Phones: the whole window scaled down to the width ----------------
  // Told by a ResizeObserver, after layout, so start-up never waits on one.
  const phone = window.matchMedia("(max-width: 479px)");
  function fit(entries) {
    // Narrow screens get the phone layout from the style sheet instead.
    if (phone.matches) {
      window_.style.transform = frame.style.width = frame.style.height = "";
      return;
    }
    const available = entries[0].contentRect.width;
    const scale = Math.min(1, available / clientSize.width);
    window_.style.transform = scale < 1 ? "scale(" + scale + ")" : "";
    frame.style.width = clientSize.width * scale + "px";
    frame.style.height = clientSize.height * scale + "px";
  }

  // The compiled core, and the sections under the window, travel inside the
  // page deflated and in base64: half the characters for the parser to read.
  // Inflating is a chain of promises settled in this same task, so the page
  // is ready before the parser moves on. The hosted edition keeps what comes
  // after the first click in files of its own, named by data-src, and
  // fetches them only then.
  async function inflated(id) {
    const element = document.getElementById(id);
    let packed;
    if (element.dataset.src) {
      const response = await fetch(element.dataset.src);
      if (!response.ok) throw new Error(element.dataset.src + ": " + response.status);
      packed = new Uint8Array(await response.arrayBuffer());
    } else if (Uint8Array.fromBase64) {
      packed = Uint8Array.fromBase64(element.textContent.trim());
    } else {
      const binary = atob(element.textContent.trim());
      packed = new Uint8Array(binary.length);
      for (let i = 0; i < binary.length; ++i) packed[i] = binary.charCodeAt(i);
    }
    const inflate = new DecompressionStream("deflate-raw");
    const writer = inflate.writable.getWriter();
    writer.write(packed);
    writer.close();
    const reader = inflate.readable.getReader();
    const pieces = [];
    let length = 0;
    for (let piece = await reader.read(); !piece.done; piece = await reader.read()) {
      pieces.push(piece.value);
      length += piece.value.length;
    }
    const bytes = new Uint8Array(length);
    let at = 0;
    for (const piece of pieces) {
      bytes.set(piece, at);
      at += piece.length;
    }
    return bytes;
  }

  // The sections travel last in the file, so the parser reaches them only
  // after the window is ready: the first click never waits on their bytes.
  function studyParsed() {
    if (document.readyState !== "loading") return null;
    return new Promise((resolve) => document.addEventListener("DOMContentLoaded", resolve, { once: true }));
  }

  // The sections under the window come after it is ready: their markup at
  // the end of <main>, then their script, which the page's policy lets run
  // by its hash.
  function addStudy(bytes) {
    const markupEnd = bytes.indexOf(0);
    const scriptEnd = bytes.indexOf(0, markupEnd + 1);
    const markup = decoder.decode(bytes.subarray(0, markupEnd));
    const script = decoder.decode(bytes.subarray(markupEnd + 1, scriptEnd));
    window_.closest("main").insertAdjacentHTML("beforeend", markup);
    const element = document.createElement("script");
    element.textContent = script;
    document.body.append(element);
  }

  // The core's glue (TrelvaniCore) runs the box and Mensajes functions the
  // handlers call on the page's own elements, filled in by build().
  inflated("nucleo").then((wasmBinary) => TrelvaniCore({ wasmBinary, boxes, controls, encoder, decoder })).then((module) => {
    core = page.core = module;
    build();
    new ResizeObserver(fit).observe(document.body);
    page.changed();
    document.documentElement.dataset.ready = "true";
  }).then(studyParsed).then(() => inflated("estudio")).then(addStudy);
  // The study module travels last of all, read once the sections are in.
  page.inflated = inflated;
})();
