// Comprobar mi resultado: the core judges each hand result against what the
// clicks computed.
(function () {
  "use strict";
  const sections = window.trelvaniSections;
  const { page, add } = sections;
  const JUDGED = ["ZI", "ZII", "ZIII", "ZIV", "Def"];
  const handBoxes = JUDGED.map((name) => document.getElementById("Mi" + name));
  const verdicts = document.getElementById("veredicto");

  // One item per result judged, in order. A verdict is written, and so
  // spoken, only when its text changes or its box was typed in: a click that
  // leaves it as it was says nothing of it.
  const items = JUDGED.map(() => document.createElement("li"));

  function verdictOf(name, result) {
    // An exercise opened from a link is judged by its own run, and its
    // results are not shown.
    const exercise = sections.exercise;
    const verdict = JSON.parse(exercise !== null ? exercise.check(result, handBoxes[result].value) :
      page.withText(handBoxes[result].value,
        (pointer, length) => page.returned(page.core._trelvani_check(result, pointer, length))));
    if (verdict.reading === 0) return null;
    if (verdict.reading === 1) return { text: name + ": no es un número.", className: "" };
    if (exercise !== null) {
      if (verdict.value === "") return { text: name + ": el ejercicio no lo pide.", className: "" };
      return {
        text: name + ": " + (verdict.agrees ? "coincide." : "no coincide.") + (verdict.slip ? " " + verdict.slip : ""),
        className: verdict.agrees ? "coincide" : "no-coincide",
      };
    }
    if (verdict.value === "") return { text: name + ": la calculadora aún no lo ha calculado.", className: "" };
    return {
      text: name + ": " + (verdict.agrees ? "coincide" : "no coincide") + "; la calculadora da \"" + verdict.value +
        "\"." + (verdict.slip ? " " + verdict.slip : ""),
      className: verdict.agrees ? "coincide" : "no-coincide",
    };
  }

  function judge(typedIn) {
    JUDGED.forEach((name, result) => {
      const verdict = verdictOf(name, result);
      const item = items[result];
      if (verdict === null) {
        item.remove();
        return;
      }
      if (verdict.text !== item.textContent || result === typedIn) {
        item.className = verdict.className;
        item.textContent = verdict.text;
      }
      if (!item.isConnected) {
        const next = items.slice(result + 1).find((later) => later.isConnected);
        verdicts.insertBefore(item, next || null);
      }
    });
  }

  handBoxes.forEach((box, result) => box.addEventListener("input", () => { if (page.core !== null) judge(result); }));
  sections.judgeAgain = () => judge(-1);
  add((clicked) => { if (clicked) judge(-1); });
})();
