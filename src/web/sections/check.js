// Comprobar mi resultado: the core judges each hand result against what the
// clicks computed.
(function () {
  "use strict";
  const sections = window.trelvaniSections;
  const { page, add, data } = sections;
  const JUDGED = data.judged;
  const handBoxes = JUDGED.map((name) => document.getElementById("Mi" + name));
  const verdicts = document.getElementById("veredicto");

  // One item per result judged, in order. A verdict is written, and so
  // spoken, only when its text changes or its box was typed in: a click that
  // leaves it as it was says nothing of it.
  const items = JUDGED.map(() => document.createElement("li"));

  // The core's verdict and its sentence; null for an empty box.
  function verdictOf(result) {
    // An exercise opened from a link is judged by its own run, and its
    // results are not shown.
    const exercise = sections.exercise;
    const hand = handBoxes[result].value;
    const verdict = JSON.parse(exercise !== null ? exercise.check(result, hand) :
      page.call(page.core, "trelvani_check", [hand], result));
    if (verdict.sentence === "") return null;
    return { text: verdict.sentence, className: verdict.compared ? (verdict.agrees ? "coincide" : "no-coincide") : "" };
  }

  function judge(typedIn) {
    JUDGED.forEach((_, result) => {
      const verdict = verdictOf(result);
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
