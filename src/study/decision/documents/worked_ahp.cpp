#include "study/decision/documents/worked_parts.h"

namespace trelvani::decision::worked {
namespace {

// Saaty's random index for n = 3 … 10.
constexpr double kRandomIndex[] = {0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45, 1.49};

// The comparisons as given, above the diagonal, and their scale.
Section AhpData(const Problem& p) {
    const std::size_t n = p.criteria.size();
    Section data{"Datos del problema", {}};
    data.blocks.push_back(ParagraphBlock(
        {Words("Método: AHP difuso de Buckley. " + Plural(static_cast<std::size_t>(p.decisionMakers), "decisor", "decisores") +
               " y " + Plural(n, "criterio", "criterios") + ".")}));
    Table given{p.decisionMakers > 1 ? "Comparaciones (una por decisor), sobre la diagonal" : "Comparaciones, sobre la diagonal",
                {WordsCell("Criterio")},
                {}};
    for (const std::string& name : p.criteria) given.header.push_back(TypedCell(name));
    for (std::size_t i = 0; i < n; ++i) {
        std::vector<TableCell> row = {TypedCell(p.criteria[i])};
        for (std::size_t j = 0; j < n; ++j) {
            const bool above = j > i && i < p.comparisons.size() && j - i - 1 < p.comparisons[i].size();
            row.push_back(above ? EntriesCell(p.comparisons[i][j - i - 1]) : WordsCell(i == j ? "1" : ""));
        }
        given.rows.push_back(std::move(row));
    }
    data.blocks.push_back(TableBlock(std::move(given)));
    if (!p.comparisonScale.terms.empty()) data.blocks.push_back(TableBlock(ScaleTable(p.comparisonScale, "comparaciones")));
    return data;
}

std::vector<Line> AhpConventions(const Problem& p) {
    std::vector<Line> conventions = {AggregationWords(p.conventions.aggregation, p.decisionMakers)};
    conventions.push_back({Words("La diagonal es (1, 1, 1, 1); bajo ella está el recíproco "),
                           Notation().Both("(1 / a4, 1 / a3, 1 / a2, 1 / a1)",
                                           "(1 \\mathbin{/} a_{4},\\allowbreak\\ 1 \\mathbin{/} a_{3},\\allowbreak\\ 1 "
                                           "\\mathbin{/} a_{2},\\allowbreak\\ 1 \\mathbin{/} a_{1})")
                               .Done(),
                           Words(" de la comparación agregada que tiene encima.")});
    conventions.push_back({Words("Pesos difusos (Buckley, 1985): la media geométrica de la fila, componente a componente, "),
                           Notation().Both("r̃ᵢ = (aᵢ₁ · aᵢ₂ · … · aᵢₙ)^(1/n)",
                                           "\\tilde{r}_{i} = (a_{i1} \\cdot a_{i2} \\cdot \\dots \\cdot a_{in})^{1/n}").Done(),
                           Words("; su suma "), Notation().Both("T = r̃₁ ⊕ … ⊕ r̃ₙ", "T = \\tilde{r}_{1} \\oplus \\dots \\oplus \\tilde{r}_{n}").Done(),
                           Words("; y "),
                           Notation().Both("w̃ᵢ = (rᵢ1 / T4, rᵢ2 / T3, rᵢ3 / T2, rᵢ4 / T1)",
                                           "\\tilde{w}_{i} = (r_{i1} \\mathbin{/} T_{4},\\allowbreak\\ r_{i2} \\mathbin{/} "
                                           "T_{3},\\allowbreak\\ r_{i3} \\mathbin{/} T_{2},\\allowbreak\\ r_{i4} \\mathbin{/} T_{1})")
                               .Done(),
                           Words(".")});
    conventions.push_back(DefuzzificationWords(p.conventions.defuzzification));
    conventions.push_back({Words("Pesos nítidos: el valor nítido de cada peso difuso, y normalizados, divididos por la suma "
                                 "de todos.")});
    conventions.push_back({Words("Consistencia, sobre la matriz modal "),
                           Notation().Both("mᵢⱼ = (aᵢⱼ2 + aᵢⱼ3) / 2", "m_{ij} = (a_{ij2} + a_{ij3}) \\mathbin{/} 2").Done(),
                           Words(": "),
                           Notation().Both("λmax = Σⱼ (Σᵢ mᵢⱼ) · wⱼ", "\\lambda_{\\max} = \\sum_{j} (\\sum_{i} m_{ij}) \\cdot w_{j}").Done(),
                           Words(" con los pesos normalizados; "),
                           Notation().Both("IC = (λmax − n) / (n − 1)", "\\mathrm{IC} = (\\lambda_{\\max} - n) \\mathbin{/} (n - 1)").Done(),
                           Words("; "), Notation().Both("RC = IC / IA", "\\mathrm{RC} = \\mathrm{IC} \\mathbin{/} \\mathrm{IA}").Done(),
                           Words(", con el índice aleatorio IA de Saaty (0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45 y 1.49 "
                                 "para n = 3 a 10). Para n = 2 o n > 10, RC no se define.")});
    conventions.push_back(RoundingWords(p.conventions.rounding));
    return conventions;
}

// The whole matrix, with one comparison and its reciprocal worked.
Section ComparisonsSection(const Problem& p, const Solution& s) {
    const bool rounded = p.conventions.rounding.has_value();
    const std::size_t n = p.criteria.size();
    const Names names{p.criteria, p.criteria, "Criterio"};
    Section comparisons{"Comparaciones agregadas", {TableBlock(Matrix("Comparaciones agregadas", names, s.comparisons, FuzzyCell))}};
    if (n >= 2 && HasCell(s.comparisons, 0, 1) && HasCell(s.comparisons, 1, 0) && !p.comparisons.empty() &&
        !p.comparisons[0].empty()) {
        const Fuzzy& a = s.comparisons[0][1];
        Notation reciprocal = Sym("a", true, "", {2, 1});
        reciprocal.Equals().Plain("(");
        for (std::size_t k = 0; k < 4; ++k) {
            if (k > 0) reciprocal.Comma();
            reciprocal.Plain("1").Operator(" / ", " \\mathbin{/} ").Number(a[3 - k]);
        }
        reciprocal.Plain(")").Result(rounded).Tuple(s.comparisons[1][0]);
        comparisons.blocks.push_back(FormulaBlock(
            {ForCell(p.criteria[0], p.criteria[1]),
             AggregationFormula(Sym("a", true, "", {1, 2}), p.comparisons[0][0], a, p.conventions.aggregation, rounded),
             ForCell(p.criteria[1], p.criteria[0]), {reciprocal.Done()}}));
    }
    return comparisons;
}

Section MeansSection(const Problem& p, const Solution& s) {
    const bool rounded = p.conventions.rounding.has_value();
    const std::size_t n = p.criteria.size();
    Section means{"Medias geométricas", {TableBlock(FuzzyRows("Medias geométricas", "Criterio", p.criteria, s.geometricMeans))}};
    if (!s.geometricMeans.empty() && !s.comparisons.empty() && s.comparisons[0].size() == n) {
        Notation r = Sym("r", true, "", {1});
        r.Equals().Plain("(");
        for (std::size_t k = 0; k < 4; ++k) {
            if (k > 0) r.Comma();
            r.Plain("(").Joined(RowComponent(s.comparisons[0], k), " · ", " \\cdot ");
            r.Both(")^(1/" + std::to_string(n) + ")", ")^{1/" + std::to_string(n) + "}");
        }
        r.Plain(")").Result(rounded).Tuple(s.geometricMeans[0]);
        means.blocks.push_back(FormulaBlock({ForOne(p.criteria[0]), {r.Done()}}));
    }
    return means;
}

Section TotalSection(const Problem& p, const Solution& s) {
    const bool rounded = p.conventions.rounding.has_value();
    Table sum{"Suma T de las medias", {WordsCell("")}, {{WordsCell("T")}}};
    for (std::size_t k = 0; k < 4; ++k) {
        sum.header.push_back(WordsCell(std::string(kComponents[k])));
        sum.rows[0].push_back(NumberCell(s.total[k]));
    }
    Section total{"Suma de las medias", {TableBlock(std::move(sum))}};
    {
        Notation t;
        t.Symbol("T", false, "", {}).Equals().Plain("(");
        for (std::size_t k = 0; k < 4; ++k) {
            if (k > 0) t.Comma();
            t.Joined(RowComponent(s.geometricMeans, k), " + ", " + ");
        }
        t.Plain(")").Result(rounded).Tuple(s.total);
        total.blocks.push_back(FormulaBlock({{t.Done()}}));
    }
    return total;
}

Section FuzzyWeightsSection(const Problem& p, const Solution& s) {
    const bool rounded = p.conventions.rounding.has_value();
    Section fuzzy{"Pesos difusos", {TableBlock(FuzzyRows("Pesos difusos", "Criterio", p.criteria, s.fuzzyWeights))}};
    if (!s.fuzzyWeights.empty() && !s.geometricMeans.empty() && !p.criteria.empty()) {
        Notation w = Sym("w", true, "", {1});
        w.Equals().Plain("(");
        for (std::size_t k = 0; k < 4; ++k) {
            if (k > 0) w.Comma();
            w.Number(s.geometricMeans[0][k]).Operator(" / ", " \\mathbin{/} ").Number(s.total[3 - k]);
        }
        w.Plain(")").Result(rounded).Tuple(s.fuzzyWeights[0]);
        fuzzy.blocks.push_back(FormulaBlock({ForOne(p.criteria[0]), {w.Done()}}));
    }
    return fuzzy;
}

Section CrispWeightsSection(const Problem& p, const Solution& s) {
    const bool rounded = p.conventions.rounding.has_value();
    Section crisp{"Pesos nítidos",
                  {TableBlock(NumberColumns("Pesos nítidos", "Criterio", p.criteria,
                                            {{"Nítido", &s.crispWeights}, {"Normalizado", &s.normalisedWeights}}))}};
    if (!s.fuzzyWeights.empty() && !s.crispWeights.empty() && !s.normalisedWeights.empty() && !p.criteria.empty()) {
        Notation normalised = Sym("w", false, "", {1});
        normalised.Equals().Number(s.crispWeights[0]).Operator(" / ", " \\mathbin{/} ").Plain("(");
        normalised.Joined(s.crispWeights, " + ", " + ").Plain(")").Result(rounded).Number(s.normalisedWeights[0]);
        crisp.blocks.push_back(FormulaBlock({ForOne(p.criteria[0]),
                                             DefuzzificationFormula(Sym("c", false, "", {1}), s.fuzzyWeights[0],
                                                                    s.crispWeights[0], p.conventions.defuzzification, rounded),
                                             {normalised.Done()}}));
    }
    return crisp;
}

Section ConsistencySection(const Problem& p, const Solution& s) {
    const bool rounded = p.conventions.rounding.has_value();
    const std::size_t n = p.criteria.size();
    Section consistency{"Consistencia", {}};
    Table measures{"Consistencia", {WordsCell("Medida"), WordsCell("Valor")}, {}};
    measures.rows.push_back({WordsCell("Valor propio máximo λmax"), NumberCell(s.lambdaMax)});
    measures.rows.push_back({WordsCell("Índice de consistencia IC"), NumberCell(s.consistencyIndex)});
    measures.rows.push_back({WordsCell("Razón de consistencia RC"),
                             s.consistencyRatio ? NumberCell(*s.consistencyRatio) : WordsCell("no se define para este n")});
    consistency.blocks.push_back(TableBlock(std::move(measures)));
    {
        std::vector<Line> lines;
        Notation lambda;
        lambda.Both("λmax", "\\lambda_{\\max}").Equals();
        for (std::size_t j = 0; j < s.normalisedWeights.size(); ++j) {
            if (j > 0) lambda.Operator(" + ", " + ");
            lambda.Both("(Σᵢ mᵢ" + SubscriptDigits(j + 1) + ") · ", "(\\sum_{i} m_{i," + std::to_string(j + 1) + "}) \\cdot ");
            lambda.Number(s.normalisedWeights[j]);
        }
        lines.push_back({lambda.Result(rounded).Number(s.lambdaMax).Done()});
        Notation index;
        index.Symbol("IC", false, "", {}).Equals().Plain("(").Number(s.lambdaMax).Operator(" − ", " - ").Count(n);
        index.Plain(")").Operator(" / ", " \\mathbin{/} ").Plain("(").Count(n).Operator(" − ", " - ").Plain("1)");
        lines.push_back({index.Result(rounded).Number(s.consistencyIndex).Done()});
        if (s.consistencyRatio && n >= 3 && n <= 10) {
            Notation ratio;
            ratio.Symbol("RC", false, "", {}).Equals().Number(s.consistencyIndex).Operator(" / ", " \\mathbin{/} ");
            ratio.Number(kRandomIndex[n - 3]).Result(rounded).Number(*s.consistencyRatio);
            lines.push_back({ratio.Done()});
        } else {
            lines.push_back({Words("Con n = " + std::to_string(n) + ", RC no se define.")});
        }
        consistency.blocks.push_back(FormulaBlock(std::move(lines)));
    }
    return consistency;
}

}  // namespace

std::vector<Section> AhpProblem(const Problem& p) { return {AhpData(p), ConventionsSection(AhpConventions(p))}; }

WorkedDocument WorkedAhp(const Problem& p, const Solution& s) {
    WorkedDocument document{"Solución desarrollada: AHP difuso (Buckley, 1985)", AhpProblem(p)};
    document.sections.push_back(ComparisonsSection(p, s));
    document.sections.push_back(MeansSection(p, s));
    document.sections.push_back(TotalSection(p, s));
    document.sections.push_back(FuzzyWeightsSection(p, s));
    document.sections.push_back(CrispWeightsSection(p, s));
    document.sections.push_back(ConsistencySection(p, s));
    document.sections.push_back(RankingSection("De mayor a menor peso normalizado; los empates conservan el orden de entrada.",
                                               RankingLines(p.criteria, s.order, "w", s.normalisedWeights)));
    return document;
}

}  // namespace trelvani::decision::worked
