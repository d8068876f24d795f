// The decision methods compiled to WebAssembly against the native
// trelvani-decision: the same random problems, one JSON Lines run natively and
// one call per line in the module, must get byte-identical replies. A table of
// problems built for pow and sqrt follows the random ones: the K-th root of a
// product of up to 50 factors (near the ends of the range and below the
// smallest normal), the n-th root of a row of up to 15 comparisons, and vertex
// distances of tiny and huge differences.
// Usage: node decision_differential.mjs DECISION_MODULE.js NATIVE_TRELVANI_DECISION [COUNT] [SEED]
import { compareReplies } from "./replies_compared.mjs";

import { seeded } from "./random_requests.mjs";

const [modulePath, nativePath, countText = "3000", seedText = "20261208"] = process.argv.slice(2);
const count = Number(countText);
const { below, pick } = seeded(Number(seedText));

const saaty = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "1/2", "1/3", "1/4", "1/5", "1/6", "1/7", "1/8", "1/9"];
const chen = {
  weights: ["MB", "B", "MDB", "M", "MDA", "A", "MA", "muy baja", " Medianamente Alta ", "ALTA"],
  ratings: ["MP", "P", "MDP", "R", "MDB", "B", "MB", "muy pobre", "REGULAR", "buena\t"],
};
const stems = ["A", "Ñandú ", "x\"y", "a\\b", "<b>&", "😀", "tab\t", "$\\frac{1}{2}$"];

// A decimal text in [0, top], now and then with 17 fraction digits.
function decimal(top) {
  const whole = below(top + 1);
  if (whole === top) return String(top);
  let fraction = "";
  for (let i = pick([0, 1, 1, 2, 3, 6, 17]); i > 0; --i) fraction += below(10);
  return fraction ? `${whole}.${fraction}` : String(whole);
}

// The decimal as a user may write it: a JSON number, or a string with a
// point or a comma, an exponent, a sign, blanks.
function written(plain) {
  const [whole, fraction = ""] = plain.split(".");
  switch (below(7)) {
    case 0: case 1: return Number(plain);
    case 2: return plain.replace(".", ",");
    case 3: return `${(whole + fraction).replace(/^0+(?=\d)/, "")}e-${fraction.length}`;
    case 4: return ` ${plain}E+0 `;
    case 5: return `+${plain}`;
    default: return plain;
  }
}

// 3 or 4 corners in order, as a triangle or a trapezoid is written.
function corners(top, positive) {
  const texts = Array.from({ length: 3 + below(2) }, () => decimal(top));
  return texts.map((text) => (positive && Number(text) === 0 ? "1" : text))
    .sort((a, b) => Number(a) - Number(b)).map(written);
}

// One decision maker's entry: a term, a crisp number, a triangle or a trapezoid.
function entry(scale) {
  const kind = below(6);
  if (kind < 3 && scale.terms.length > 0) return pick(scale.terms);
  if (kind < 4) return corners(scale.top, scale.positive)[0];
  return corners(scale.top, scale.positive);
}
const cell = (scale, k) => (k === 1 ? entry(scale) : Array.from({ length: k }, () => entry(scale)));

// A built-in scale, or now and then one of the problem's own under `key`.
function scale(p, key, builtIn, top, positive) {
  if (below(5) !== 0) return { terms: builtIn, top, positive };
  const terms = ["bajo", "Alto", "ñu", "q\"t", "7", "x y"].filter(() => below(2) === 0);
  if (terms.length > 0) p[key] = Object.fromEntries(terms.map((term) => [term, corners(top, positive)]));
  return { terms: terms.map((term) => (below(2) === 0 ? term.toUpperCase() : term)), top, positive };
}

const names = (count) => Array.from({ length: count }, (_, i) => `${pick(stems)}${i + 1}`);
const maybe = (object, key, values) => { if (below(2) === 0) object[key] = pick(values); };

function problem() {
  const method = pick(["topsis", "saw", "ahp"]);
  const k = below(5) === 0 ? 1 + below(50) : 1 + below(4);
  const p = { metodo: method };
  if (k > 1 || below(2) === 0) p.decisores = k;
  const conventions = {};
  if (method === "ahp") {
    const n = 2 + below(below(5) === 0 ? 14 : 4);
    p.criterios = names(n);
    const comparisons = scale(p, "escala_comparaciones", saaty, 9, true);
    p.comparaciones = Array.from({ length: n - 1 }, (_, i) =>
      Array.from({ length: n - 1 - i }, () => cell(comparisons, k)));
    maybe(conventions, "agregacion", ["geometrica", "media"]);
    maybe(conventions, "desborrosificacion", ["centroide", "media", "media-graduada"]);
  } else {
    const alternatives = 1 + below(6), criteria = 1 + below(5);
    p.alternativas = names(alternatives);
    p.criterios = names(criteria);
    if (below(3) !== 0) p.tipos = Array.from({ length: criteria }, () => pick(["beneficio", "costo"]));
    const weights = scale(p, "escala_pesos", chen.weights, 1, false);
    const ratings = scale(p, "escala_valoraciones", chen.ratings, 10, false);
    p.pesos = Array.from({ length: criteria }, () => cell(weights, k));
    p.valoraciones = Array.from({ length: alternatives }, () =>
      Array.from({ length: criteria }, () => cell(ratings, k)));
    maybe(conventions, "agregacion", ["media", "extremos"]);
    maybe(conventions, "normalizacion", ["lineal", "ninguna"]);
    if (method === "topsis") {
      maybe(conventions, "ideales", ["unos-ceros", "extremos", "componentes"]);
      maybe(conventions, "distancia", ["vertices-3", "vertices-4"]);
    } else {
      maybe(conventions, "desborrosificacion", ["centroide", "media", "media-graduada"]);
    }
  }
  maybe(conventions, "redondeo", [0, 1, 2, 3, 4, 5, 6, null]);
  if (Object.keys(conventions).length > 0 || below(4) === 0) p.convenios = conventions;
  return JSON.stringify(p);
}

// A problem broken in one of the ways users break them.
const breakers = [
  (t) => t.slice(0, below(t.length)),
  (t) => `{"metodo":"saw",${t.slice(1)}`,
  (t) => t.replace(/}$/, ',"otra":1}'),
  (t) => t.replace(/"(MDB|R|M|3|1\/3)"/, '"MBX"'),
  (t) => t.replace(/"decisores":(\d+)/, (_, k) => `"decisores":${Number(k) + 1}`),
  (t) => t.replace(/\[(\d)/, "[-$1"),
  (t) => t.replace(/\[\d+(\.\d+)?/, "[1e400"),
  (t) => t.replace(/\[\[(\d+(?:\.\d+)?),(\d+(?:\.\d+)?)/, "[[$2,$1"),
  (t) => t.replace(/"(ideales|agregacion|redondeo)":[^,}]+/, '"$1":"mixtos"'),
  (t) => t.replace(/"metodo":"\w+"/, '"metodo":"electre"'),
];

const randomLines = Array.from({ length: count }, () => {
  const text = problem();
  if (below(12) !== 0) return Buffer.from(text);
  if (below(10) === 0) return Buffer.from([0x7b, 0x22, pick([0x00, 0xff, 0xc3, 0x80]), 0x22, 0x7d]);
  return Buffer.from(pick(breakers)(text));
});

// The table built for pow and sqrt.
const awkward = ["7", "1/7", "9", "1/9", 3, 1 / 3, "1.0000000000000002", 0.9999999999999999, "6.3e-7", 1e6,
  Math.E, 0.1, "1234.5678", "1e-6", 0.7071067811865476];
const focusLines = [];
for (const k of [2, 3, 5, 7, 10, 16, 17, 25, 31, 49, 50]) {
  awkward.forEach((_, shift) => {
    const factor = (i) => awkward[(i * 7 + shift) % awkward.length];
    const comparisons = [[Array.from({ length: k }, (_, i) => factor(i)), Array.from({ length: k }, () => factor(shift))],
      [Array.from({ length: k }, (_, i) => factor(i * i + 1))]];
    focusLines.push({ metodo: "ahp", decisores: k, criterios: ["a", "b", "c"], comparaciones: comparisons });
  });
}
for (let n = 2; n <= 15; ++n) {
  const comparisons = Array.from({ length: n - 1 }, (_, i) =>
    Array.from({ length: n - 1 - i }, (_, j) => awkward[(i * 5 + j * 3) % awkward.length]));
  focusLines.push({ metodo: "ahp", criterios: names(n), comparaciones: comparisons,
    convenios: { desborrosificacion: pick(["centroide", "media", "media-graduada"]) } });
}
const extremes = ["1e-160", "3e-161", "2.2250738585072014e-308", "1e154", "1.3e154", "0.1", "2", "1e-300"];
for (const ideales of ["unos-ceros", "extremos", "componentes"]) {
  for (const distancia of ["vertices-3", "vertices-4"]) {
    extremes.forEach((_, shift) => {
      const rating = (i) => [0, 1, 2, 3].map((c) => extremes[(i + c + shift) % extremes.length])
        .sort((a, b) => Number(a) - Number(b));
      focusLines.push({ metodo: "topsis", alternativas: ["A1", "A2", "A3"], criterios: ["C1", "C2"],
        pesos: [1, [0.5, 1, 1]], valoraciones: [0, 1, 2].map((i) => [rating(i), rating(i + 3)]),
        convenios: { normalizacion: "ninguna", ideales, distancia } });
    });
  }
}

// The line limit, met and passed by a byte.
const limit = 1024 * 1024;
const atLimit = `{"metodo":"saw","alternativas":["A"],"criterios":["C"],"pesos":["A"],"valoraciones":[["B"]]}`;
const lines = [...randomLines, ...focusLines.map((p) => Buffer.from(JSON.stringify(p))),
  Buffer.from(atLimit.padEnd(limit)), Buffer.from(atLimit.padEnd(limit + 1))];

const { nativeReplies, failed, total } =
  await compareReplies({ lines, nativePath, modulePath, handle: "_trelvani_decision_handle" });
const tally = (from, to, pattern) => nativeReplies.slice(from, to).filter((r) => pattern.test(r)).length;
const focusEnd = randomLines.length + focusLines.length;
console.log(`${randomLines.length} random problems: topsis ${tally(0, count, /^\{"metodo":"topsis"/)}, ` +
  `saw ${tally(0, count, /^\{"metodo":"saw"/)}, ahp ${tally(0, count, /^\{"metodo":"ahp"/)} solved, ` +
  `${tally(0, count, /^\{"error"/)} refused; ${focusLines.length} for pow and sqrt: ` +
  `${tally(count, focusEnd, /^\{"metodo"/)} solved, ${tally(count, focusEnd, /^\{"error"/)} refused`);
console.log(`${total - failed} passed, ${failed} failed`);
process.exit(failed === 0 && nativeReplies.length === lines.length ? 0 : 1);
