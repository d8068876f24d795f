// The batch session compiled to WebAssembly against the native trelvani-batch:
// the same random requests must get byte-identical replies.
// Usage: node differential.mjs BATCH_MODULE.js NATIVE_TREVANI_BATCH [COUNT] [SEED]
import { compareReplies } from "./replies_compared.mjs";

import { boxes, buttons, seeded } from "./random_requests.mjs";

const [modulePath, nativePath, countText = "20000", seedText = "20261207"] = process.argv.slice(2);
const count = Number(countText);
const { below, pick } = seeded(Number(seedText));

const extremes = ["1.79769313486232E+308", "1.7976931348623157e308", "1e308", "-1e308", "4.9e-324",
  "2.4e-324", "1e-400", "1e400", "3.4028235E+38", "3.4028236e38", "-3.5e38", "1.17549435E-38", "1.4e-45",
  "0", "-0", "0.5", "2.5", "1D3", "1d-3", "+7", "- 3", " 1 2 . 5 e 1", "0,5", "9".repeat(400), ".", "-", "e5"];
const pieces = [" ", "\t", "\n", "+", "-", ".", ",", "e", "E", "d", "D", "&H", "x", "ñ", "√", "€", "😀",
  "\u0000", "\"", "\\", "\r", "--"];

function number() {
  let text = below(3) === 0 ? pick(["-", "+", " ", " -"]) : "";
  const digits = 1 + below(below(8) === 0 ? 30 : 5);
  for (let i = 0; i < digits; ++i) text += below(10);
  if (below(2) === 0) {
    text += ".";
    for (let i = below(6); i > 0; --i) text += below(10);
  }
  if (below(3) === 0) text += pick(["E", "e", "D", "d"]) + pick(["", "-", "+"]) + (below(4) === 0 ? 30 + below(300) : below(12));
  return text;
}

function text() {
  switch (below(8)) {
    case 0: return "";
    case 1: return pick(pieces);
    case 2: return pick(extremes);
    case 3: {
      let mixed = "";
      for (let i = 1 + below(5); i > 0; --i) mixed += below(2) === 0 ? number() : pick(pieces);
      return mixed;
    }
    default: return number();
  }
}

// Mostly requests; some lines a request cannot be.
function line() {
  const kind = below(40);
  if (kind === 0) return Buffer.from(pick(["", "   ", "no es json", "[1,2]", "{\"set\":{\"XI\":1}}",
    "{\"click\":\"Nada\"}", "{\"set\":{\"XI\":\"1\"},\"set\":{}}", "{\"otra\":true}", "{\"set\":{\"Mensajes\":\"x\"}}",
    "{\"set\":{\"XI\":\"1\"}", "{\"click\":\"Suma\"} x", "{\"set\":{\"XI\":\"\\ud800\"}}"]));
  if (kind === 1) return Buffer.concat([Buffer.from("{\"set\":{\"XI\":\""), Buffer.from([pick([0x00, 0xff, 0xc3, 0x80])]), Buffer.from("\"}}")]);
  const request = {};
  if (below(4) !== 0) {
    request.set = {};
    for (let i = below(9); i > 0; --i) request.set[pick(boxes)] = text();
  }
  if (below(6) !== 0) request.click = pick(buttons);
  if (below(3) === 0) request.steps = below(4) !== 0;
  // α-cuts and conventions, now and then malformed.
  if (below(5) === 0) {
    request.alpha = Array.from({ length: 1 + below(below(10) === 0 ? 70 : 5) },
      () => pick([0, 1, 0.5, below(1000) / 999, 1 / 3, -0, 1.5, -0.25, 1e-300]));
  }
  if (below(5) === 0) request.conventions = below(8) === 0 ? "sí" : below(4) !== 0;
  return Buffer.from(JSON.stringify(request));
}

const lines = Array.from({ length: count }, line);
const { nativeReplies, failed, total } =
  await compareReplies({ lines, nativePath, modulePath, handle: "_trelvani_batch_handle" });
const tally = (pattern) => nativeReplies.filter((r) => pattern.test(r)).length;
console.log(`${count} requests, ${nativeReplies.length} replies: errors 5/6/11 ${tally(/"number":5,/)}/` +
  `${tally(/"number":6,/)}/${tally(/"number":11,/)}, invalid ${tally(/^\{"invalid"/)}, exponent forms ${tally(/E[+-]\d/)}, ` +
  `with steps ${tally(/"steps":\[\{/)}`);
console.log(`${total - failed} passed, ${failed} failed`);
process.exit(failed === 0 && total > count / 2 ? 0 : 1);
