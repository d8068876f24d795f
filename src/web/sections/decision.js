// Decisión multicriterio: a problem typed in grids, one per decision maker,
// solved by the study module as trelvani-decision solves it. Everything
// the section shows (methods, conventions, terms, limits, tables, sentences)
// comes from that module; here it is only laid out and wired up.
(function () {
  "use strict";
  const sections = window.trelvaniSections;
  const { page, copy, write } = sections;
  const TEXTS = sections.data.texts;
  // A label and what it names: "Alternativa 2", "Quitar Coste".
  const labelled = (key, what) => TEXTS[key] + " " + what;
  const $ = (id) => document.getElementById(id);
  const form = $("decision-formulario");
  const methodSelect = $("decision-metodo");
  const makersBox = $("decision-decisores");
  const alternativesList = $("decision-alternativas");
  const criteriaList = $("decision-criterios");
  const grids = $("decision-rejillas");
  const conventionsBox = $("decision-convenios");
  const errorText = $("decision-error");
  const result = $("decision-resultado");
  const notice = $("decision-aviso");
  const fallback = $("decision-respaldo");
  const verdict = $("decision-veredicto");
  const valueSelect = $("decision-valor");
  const values = $("decision-valores");
  const LINK = "#decision=";

  let description = null;
  // The problem as typed: names and every cell, one grid per maker.
  let problem = null;
  let solved = null;  // the last answer: reply, sentence, chart, worked
  let lastLine = "";  // the problem line last solved, for sharing and the list
  let announcing = 0;

  const call = (name, text, ...numbers) => write(name, text === null ? [] : [text], ...numbers);
  const convention = (key) => description.conventions.find((c) => c.key === key && c.methods.includes(problem.method));
  const isAhp = () => problem.method === "ahp";

  function element(tag, properties, ...children) {
    const made = Object.assign(document.createElement(tag), properties);
    made.append(...children);
    return made;
  }

  // --- The problem as typed ------------------------------------------------
  function blankGrid(rows, columns) {
    return Array.from({ length: rows }, () => Array.from({ length: columns }, () => ""));
  }
  // Keeps what was typed where the shape still has it.
  function reshape() {
    const m = problem.alternatives.length;
    const n = problem.criteria.length;
    const fit = (old, rows, columns) => blankGrid(rows, columns).map((row, i) =>
      row.map((cell, j) => (old && old[i] && old[i][j] !== undefined ? old[i][j] : cell)));
    problem.weights = Array.from({ length: problem.makers }, (_, d) => fit([problem.weights[d]], 1, n)[0]);
    problem.ratings = Array.from({ length: problem.makers }, (_, d) => fit(problem.ratings[d], m, n));
    problem.comparisons = Array.from({ length: problem.makers }, (_, d) =>
      fit(problem.comparisons[d], Math.max(n - 1, 0), n).map((row, i) => row.slice(0, n - 1 - i)));
    while (problem.types.length < n) problem.types.push(description.types[0]);
    problem.types.length = n;
  }

  function gridsJson() {
    const chosen = {};
    for (const select of conventionsBox.querySelectorAll("select")) {
      if (select.value !== convention(select.dataset.key).default) chosen[select.dataset.key] = select.value;
    }
    return JSON.stringify({
      method: problem.method, makers: problem.makers, alternatives: problem.alternatives,
      criteria: problem.criteria, types: problem.types, weights: problem.weights, ratings: problem.ratings,
      comparisons: problem.comparisons, conventions: chosen, scales: problem.scales,
    });
  }

  // --- Drawing the form ----------------------------------------------------
  function nameRow(list, names, i, extra) {
    const box = element("input", { type: "text", value: names[i], autocomplete: "off", spellcheck: false });
    box.setAttribute("aria-label", labelled(list === alternativesList ? "alternative" : "criterion", i + 1));
    // Where the core's list of unread places finds a name that cannot be used.
    Object.assign(box.dataset, { table: list === alternativesList ? "alternatives" : "criteria", maker: 0, row: i, column: 0 });
    box.addEventListener("change", () => {
      names[i] = box.value;
      drawGrids();
    });
    const remove = element("button", { type: "button", textContent: TEXTS.remove });
    remove.setAttribute("aria-label", labelled("remove", names[i]));
    remove.disabled = names.length <= (list === criteriaList && isAhp() ? 2 : 1);
    remove.addEventListener("click", () => {
      names.splice(i, 1);
      if (list === criteriaList) {
        problem.types.splice(i, 1);
        for (const row of problem.weights) row.splice(i, 1);
        for (const grid of problem.ratings) for (const row of grid) row.splice(i, 1);
        // Row i of a triangle holds criterion i against i+1 …: the removed
        // criterion's row goes, and its cell in each row above it.
        problem.comparisons = problem.comparisons.map((grid) => grid.filter((_, row) => row !== i)
          .map((cells, row) => (row < i ? cells.filter((_, k) => row + 1 + k !== i) : cells)));
      } else {
        for (const grid of problem.ratings) grid.splice(i, 1);
      }
      drawAll();
    });
    list.append(element("li", {}, box, " ", ...extra, " ", remove));
  }

  function drawNames() {
    alternativesList.replaceChildren();
    criteriaList.replaceChildren();
    $("decision-alternativas-bloque").hidden = isAhp();
    problem.alternatives.forEach((_, i) => nameRow(alternativesList, problem.alternatives, i, []));
    problem.criteria.forEach((_, i) => {
      const extra = [];
      if (!isAhp()) {
        const type = element("select", {}, ...description.types.map((word) => element("option", { value: word, textContent: word })));
        type.value = problem.types[i];
        type.setAttribute("aria-label", labelled("typeOf", problem.criteria[i]));
        type.addEventListener("change", () => { problem.types[i] = type.value; });
        extra.push(type);
      }
      nameRow(criteriaList, problem.criteria, i, extra);
    });
    const limits = description.limits;
    $("decision-anadir-alternativa").disabled = problem.alternatives.length >= limits.alternatives;
    $("decision-anadir-criterio").disabled = problem.criteria.length >= (isAhp() ? limits.ahpCriteria : limits.criteria);
  }

  // A cell's box, offering the scale's terms as it is typed in.
  function cellBox(table, maker, row, column, value, save) {
    const box = element("input", { type: "text", value, autocomplete: "off", spellcheck: false });
    box.setAttribute("list", "decision-terminos-" + table);
    Object.assign(box.dataset, { table, maker, row, column });
    box.addEventListener("input", () => save(box.value));
    return element("td", {}, box);
  }

  // One table per maker: rows the alternatives (and the weights first),
  // columns the criteria; for AHP the criteria both ways, the upper
  // triangle typed. The headers name each cell for a screen reader.
  function drawGrids() {
    grids.replaceChildren();
    const header = (text, scope) => element("th", { scope, textContent: text });
    for (let d = 0; d < problem.makers; ++d) {
      const caption = element("caption", { textContent: problem.makers > 1 ? labelled("maker", d + 1) : TEXTS.ratings });
      const head = element("tr", {}, element("td"), ...problem.criteria.map((name) => header(name, "col")));
      const rows = [];
      if (isAhp()) {
        caption.textContent = problem.makers > 1 ? labelled("makerComparisons", d + 1) : TEXTS.comparisons;
        problem.criteria.forEach((name, i) => {
          const cells = problem.criteria.map((_, j) => {
            if (j <= i) return element("td", { textContent: j === i ? "1" : "" });
            return cellBox("comparisons", d, i, j, problem.comparisons[d][i][j - i - 1],
              (text) => { problem.comparisons[d][i][j - i - 1] = text; });
          });
          rows.push(element("tr", {}, header(name, "row"), ...cells));
        });
      } else {
        rows.push(element("tr", {}, header(TEXTS.weight, "row"), ...problem.criteria.map((_, j) =>
          cellBox("weights", d, j, 0, problem.weights[d][j], (text) => { problem.weights[d][j] = text; }))));
        problem.alternatives.forEach((name, i) => {
          rows.push(element("tr", {}, header(name, "row"), ...problem.criteria.map((_, j) =>
            cellBox("ratings", d, i, j, problem.ratings[d][i][j], (text) => { problem.ratings[d][i][j] = text; }))));
        });
      }
      grids.append(element("div", { className: "decision-tabla" },
        element("table", {}, caption, element("thead", {}, head), element("tbody", {}, ...rows))));
    }
  }

  function drawConventions(chosen) {
    conventionsBox.replaceChildren();
    for (const c of description.conventions.filter((c) => c.methods.includes(problem.method))) {
      const select = element("select", {}, ...c.options.map((o) => element("option", { value: o.word, textContent: o.name })));
      select.dataset.key = c.key;
      select.value = chosen && chosen[c.key] !== undefined ? chosen[c.key] : c.default;
      const books = element("span", { className: "decision-libros" });
      books.id = "decision-libros-" + c.key;
      select.setAttribute("aria-describedby", books.id);
      const say = () => { books.textContent = c.options.find((o) => o.word === select.value).books; };
      select.addEventListener("change", say);
      say();
      conventionsBox.append(element("p", {}, element("label", {}, c.name + " ", select), books));
    }
  }

  function drawAll(chosen) {
    methodSelect.value = problem.method;
    makersBox.value = problem.makers;
    reshape();
    drawNames();
    drawGrids();
    drawConventions(chosen);
  }

  // --- Solving -------------------------------------------------------------
  function markUnread(unread) {
    for (const cell of form.querySelectorAll(".ilegible")) {
      cell.classList.remove("ilegible");
      cell.querySelector("input").removeAttribute("aria-invalid");
      cell.querySelector("input").removeAttribute("aria-describedby");
      cell.querySelector(".decision-motivo").remove();
    }
    for (const bad of unread) {
      const box = form.querySelector(`input[data-table="${bad.table}"][data-maker="${bad.maker}"]` +
        `[data-row="${bad.row}"][data-column="${bad.column}"]`);
      if (box === null) continue;
      const reason = element("span", { className: "decision-motivo", textContent: bad.reason });
      reason.id = "decision-motivo-" + [bad.table, bad.maker, bad.row, bad.column].join("-");
      box.setAttribute("aria-invalid", "true");
      box.setAttribute("aria-describedby", reason.id);
      box.parentElement.classList.add("ilegible");
      box.parentElement.append(reason);
    }
  }

  // The grids solved, unless a cell cannot be read: then each such cell
  // says why where it stands, and nothing else changes.
  function solveGrids() {
    const answer = JSON.parse(call("decision_grids", gridsJson()));
    if (answer.error !== undefined) {
      errorText.textContent = answer.error;
      return;
    }
    markUnread(answer.unread);
    if (answer.unread.length > 0) {
      errorText.textContent = answer.unread[0].reason;
      return;
    }
    show(JSON.parse(call("decision_solve", answer.line)), answer.line);
  }

  function show(answer, line) {
    if (!answer.solved) {
      errorText.textContent = answer.reason;
      return;
    }
    errorText.textContent = "";
    solved = answer;
    lastLine = line;
    $("decision-frase").textContent = answer.sentence;
    drawChart(answer.chart);
    const worked = $("decision-solucion");
    worked.innerHTML = answer.worked;
    for (const table of worked.querySelectorAll("table")) {
      const box = element("div", { className: "decision-tabla" });
      table.replaceWith(box);
      box.append(table);
    }
    valueSelect.replaceChildren(...answer.chart.bars.map((bar, i) => element("option", { value: i, textContent: bar.name })));
    values.replaceChildren(...answer.chart.bars.map((bar) => element("li", { textContent: bar.name + " = " + bar.value })));
    values.hidden = true;
    verdict.textContent = notice.textContent = "";
    fallback.hidden = true;
    result.hidden = false;
    // Said once the new grids and tables have reached the screen reader:
    // Orca, told of their controls, drops a live message that came with them.
    clearTimeout(announcing);
    announcing = setTimeout(() => page.announce(answer.sentence), 600);
  }

  function drawChart(chart) {
    const svg = $("decision-barras");
    const ns = "http://www.w3.org/2000/svg";
    const shape = (tag, attributes, text) => {
      const made = document.createElementNS(ns, tag);
      for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, value);
      if (text !== undefined) made.textContent = text;
      return made;
    };
    const row = 18;
    const largest = Math.max(...chart.bars.map((bar) => Math.abs(Number(bar.value))), Number.MIN_VALUE);
    svg.setAttribute("viewBox", "0 0 444 " + (row * chart.bars.length + 4));
    svg.replaceChildren(...chart.bars.flatMap((bar, i) => {
      const width = Math.max(0, Number(bar.value)) / largest * 200;
      return [shape("text", { x: 2, y: i * row + 13 }, bar.label),
        shape("rect", { x: 90, y: i * row + 3, width, height: row - 6, fill: "#3465a4" }),
        shape("text", { x: 94 + width, y: i * row + 13 }, bar.value)];
    }));
    $("decision-grafico-titulo").textContent = chart.caption;
    svg.setAttribute("aria-label", chart.caption + ": " + chart.bars.map((bar) => bar.name + " = " + bar.value).join("; "));
  }

  // A shared problem: solved from its own text, as the program solves that
  // line, and the grids filled from what it holds.
  function openLink() {
    if (!location.hash.startsWith(LINK)) return;
    const answer = JSON.parse(call("decision_link", location.hash.slice(LINK.length)));
    if (answer.refused !== undefined) {
      errorText.textContent = answer.refused;
      return;
    }
    if (answer.solved) {
      fill(answer.grids);
      markUnread([]);
    }
    show(answer, answer.line);
    if (!answer.solved) result.hidden = true;
  }

  function fill(gridsFilled) {
    problem = {
      method: gridsFilled.method, makers: gridsFilled.makers, alternatives: gridsFilled.alternatives,
      criteria: gridsFilled.criteria, types: gridsFilled.types, weights: gridsFilled.weights,
      ratings: gridsFilled.ratings, comparisons: gridsFilled.comparisons, scales: gridsFilled.scales,
    };
    drawAll(gridsFilled.conventions);
  }

  // --- Wiring ----------------------------------------------------------------
  function wire() {
    methodSelect.replaceChildren(...description.methods.map((m) => element("option", { value: m.word, textContent: m.name })));
    makersBox.max = description.limits.makers;
    for (const [table, terms] of Object.entries(description.scales)) {
      $("decision-terminos-" + table).replaceChildren(...terms.map((t) =>
        element("option", { value: t.term, textContent: t.name ? t.term + " (" + t.name + ")" : t.term })));
    }
    methodSelect.addEventListener("change", () => {
      problem.method = methodSelect.value;
      while (isAhp() && problem.criteria.length < 2) problem.criteria.push("C" + (problem.criteria.length + 1));
      drawAll();
    });
    makersBox.addEventListener("change", () => {
      const count = Number(makersBox.value);
      if (!Number.isInteger(count) || count < 1 || count > description.limits.makers) {
        makersBox.value = problem.makers;
        return;
      }
      problem.makers = count;
      drawAll(currentConventions());
    });
    const fresh = (names, letter) => {
      for (let k = names.length + 1; ; ++k) if (!names.includes(letter + k)) return letter + k;
    };
    $("decision-anadir-alternativa").addEventListener("click", () => {
      problem.alternatives.push(fresh(problem.alternatives, "A"));
      drawAll(currentConventions());
    });
    $("decision-anadir-criterio").addEventListener("click", () => {
      problem.criteria.push(fresh(problem.criteria, "C"));
      drawAll(currentConventions());
    });
    $("decision-resolver").addEventListener("click", solveGrids);
    $("decision-ejemplo").addEventListener("click", () => {
      fill(description.example);
      solveGrids();
    });
    for (const button of document.querySelectorAll(".decision-copia")) {
      button.addEventListener("click", () => copy(call("decision_document", button.dataset.formato), notice, fallback));
    }
    $("copiar-decision-json").addEventListener("click", () => copy(solved.reply, notice, fallback));
    $("decision-compartir").addEventListener("click", () => {
      const link = location.href.split("#")[0] + LINK + encodeURIComponent(lastLine);
      history.replaceState(null, "", LINK + encodeURIComponent(lastLine));
      copy(link, notice, fallback);
    });
    // The problem on screen as one exercise of the teacher's list: the
    // list's form takes it when it is there, else its text does.
    $("decision-listado").addEventListener("click", () => {
      const answer = JSON.parse(call("decision_grids", gridsJson()));
      markUnread(answer.unread || []);
      if (answer.error !== undefined || answer.unread.length > 0) {
        errorText.textContent = answer.error !== undefined ? answer.error : answer.unread[0].reason;
        return;
      }
      const line = answer.exercise;
      if (typeof sections.addExerciseLine === "function") {
        sections.addExerciseLine(line);
      } else {
        const list = $("ListaEjercicios");
        list.value = list.value.replace(/\s*$/, "") + (list.value.trim() === "" ? "" : "\n") + line;
      }
      notice.textContent = TEXTS.addedToList;
    });
    const judge = () => {
      const said = JSON.parse(call("decision_check", $("decision-mano").value, Number(valueSelect.value)));
      verdict.textContent = said.sentence;
      verdict.className = said.compared ? (said.agrees ? "coincide" : "no-coincide") : "";
    };
    $("decision-comprobar").addEventListener("click", judge);
    $("decision-ver").addEventListener("click", () => { values.hidden = false; });
    window.addEventListener("hashchange", openLink);
  }

  function currentConventions() {
    const chosen = {};
    for (const select of conventionsBox.querySelectorAll("select")) chosen[select.dataset.key] = select.value;
    return chosen;
  }

  // A link is opened as soon as the module is there.
  sections.studyModuleWhenIdle().then(() => {
    description = JSON.parse(call("decision_description", null));
    wire();
    fill(description.blank);
    $("decision-carga").hidden = true;
    form.hidden = false;
    form.dataset.ready = "true";
    openLink();
  }).catch(() => {
    $("decision-carga").textContent = TEXTS.decisionUnloaded;
  });
})();
