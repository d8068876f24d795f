// Comprobar mi resultado: the core judges each hand result against what the
// clicks computed.
(function () {
  "use strict";
  const { page, add } = window.trelvaniSections;
  const JUDGED = ["ZI", "ZII", "ZIII", "ZIV", "Def"];
  const handBoxes = JUDGED.map((name) => document.getElementById("Mi" + name));
  const verdicts = document.getElementById("veredicto");

  function judge() {
    const items = [];
    JUDGED.forEach((name, result) => {
      const verdict = JSON.parse(page.withText(handBoxes[result].value,
        (pointer, length) => page.returned(page.core._trelvani_check(result, pointer, length))));
      if (verdict.reading === 0) return;
      const item = document.createElement("li");
      if (verdict.reading === 1) {
        item.textContent = name + ": no es un número.";
      } else if (verdict.value === "") {
        item.textContent = name + ": la calculadora aún no lo ha calculado.";
      } else {
        item.className = verdict.agrees ? "coincide" : "no-coincide";
        item.textContent = name + ": " + (verdict.agrees ? "coincide" : "no coincide") +
          "; la calculadora da \"" + verdict.value + "\"." + (verdict.slip ? " " + verdict.slip : "");
      }
      items.push(item);
    });
    verdicts.replaceChildren(...items);
  }

  for (const box of handBoxes) box.addEventListener("input", () => { if (page.core !== null) judge(); });
  add((clicked) => { if (clicked) judge(); });
})();
