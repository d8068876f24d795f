#include "study/decision/documents/worked_parts.h"

namespace trelvani::decision::worked {
namespace {

std::vector<Line> TopsisConventions(const Problem& p) {
    std::vector<Line> conventions = RatingConventions(p);
    switch (p.conventions.ideals) {
    case Ideals::OnesZeros:
        conventions.push_back({Words("Ideales (unos y ceros, Chen 2000): "),
                               Notation().Both("A* = (1, 1, 1, 1)", "A^{*} = (1, 1, 1, 1)").Done(), Words(" y "),
                               Notation().Both("A⁻ = (0, 0, 0, 0)", "A^{-} = (0, 0, 0, 0)").Done(),
                               Words(" en cada criterio.")});
        break;
    case Ideals::Extremes:
        conventions.push_back({Words("Ideales (extremos): "), Notation().Both("A* = (m, m, m, m)", "A^{*} = (m, m, m, m)").Done(),
                               Words(" con m el mayor v4 del criterio, y "),
                               Notation().Both("A⁻ = (n, n, n, n)", "A^{-} = (n, n, n, n)").Done(),
                               Words(" con n el menor v1.")});
        break;
    case Ideals::Components:
        conventions.push_back({Words("Ideales (por componentes): "), Notation().Both("A*", "A^{*}").Done(),
                               Words(" toma el mayor valor de cada componente en el criterio, y "),
                               Notation().Both("A⁻", "A^{-}").Done(), Words(" el menor.")});
        break;
    }
    const bool four = p.conventions.distance == Distance::Vertex4;
    conventions.push_back({Words(four ? "Distancia (método de los vértices, cuatro vértices): "
                                      : "Distancia (método de los vértices, tres vértices, la de Chen para triángulos): "),
                           four ? Notation()
                                      .Both("d(x̃, ỹ) = √((((Δ1² + Δ2²) + Δ3²) + Δ4²) / 4)",
                                            "d(\\tilde{x}, \\tilde{y}) = \\surd((((\\Delta_{1}^{2} + \\Delta_{2}^{2}) + "
                                            "\\Delta_{3}^{2}) + \\Delta_{4}^{2}) \\mathbin{/} 4)")
                                      .Done()
                                : Notation()
                                      .Both("d(x̃, ỹ) = √(((Δ1² + Δ2²) + Δ4²) / 3)",
                                            "d(\\tilde{x}, \\tilde{y}) = \\surd(((\\Delta_{1}^{2} + \\Delta_{2}^{2}) + "
                                            "\\Delta_{4}^{2}) \\mathbin{/} 3)")
                                      .Done(),
                           Words(", con "), Notation().Both("Δk = xk − yk", "\\Delta_{k} = x_{k} - y_{k}").Done(), Words(".")});
    conventions.push_back({Words("Resultados: "), Notation().Both("d*", "d^{*}").Done(), Words(" y "),
                           Notation().Both("d⁻", "d^{-}").Done(),
                           Words(" suman, en el orden de los criterios, las distancias de la fila a los ideales; "),
                           Notation().Both("CC = d⁻ / (d* + d⁻)", "\\mathrm{CC} = d^{-} \\mathbin{/} (d^{*} + d^{-})").Done(),
                           Words(".")});
    conventions.push_back(RoundingWords(p.conventions.rounding));
    return conventions;
}

// The ideals, and for the first criterion how they were found.
Section IdealsSection(const Problem& p, const Solution& s) {
    Section ideals{"Ideales", {}};
    ideals.blocks.push_back(TableBlock(FuzzyRows("Ideal positivo A*", "Criterio", p.criteria, s.idealPositive)));
    ideals.blocks.push_back(TableBlock(FuzzyRows("Ideal negativo A⁻", "Criterio", p.criteria, s.idealNegative)));
    if (!s.idealPositive.empty() && !s.idealNegative.empty() && !p.criteria.empty()) {
        std::vector<Line> lines = {ForOne(p.criteria[0])};
        for (const bool positive : {true, false}) {
            const Fuzzy& ideal = positive ? s.idealPositive[0] : s.idealNegative[0];
            Notation n = Sym("A", false, positive ? "*" : "-", {1});
            n.Equals();
            if (p.conventions.ideals == Ideals::Extremes) {
                n.Plain(positive ? "(m, m, m, m), m = " : "(n, n, n, n), n = ");
                Extreme(n, positive, ColumnComponent(s.weighted, 0, positive ? 3 : 0)).Equals().Number(ideal[0]);
            } else if (p.conventions.ideals == Ideals::Components) {
                n.Plain("(");
                for (std::size_t k = 0; k < 4; ++k) {
                    if (k > 0) n.Comma();
                    Extreme(n, positive, ColumnComponent(s.weighted, 0, k));
                }
                n.Plain(")").Equals().Tuple(ideal);
            } else {
                n.Tuple(ideal);
            }
            lines.push_back({n.Done()});
        }
        ideals.blocks.push_back(FormulaBlock(std::move(lines)));
    }
    return ideals;
}

// Each cell's distance to both ideals, the first one worked.
Section DistancesSection(const Problem& p, const Solution& s) {
    const bool rounded = p.conventions.rounding.has_value();
    const bool four = p.conventions.distance == Distance::Vertex4;
    const Names names{p.alternatives, p.criteria, "Alternativa"};
    Section distances{"Distancias a los ideales", {}};
    distances.blocks.push_back(TableBlock(Matrix("Distancias al ideal positivo", names, s.distancesPositive, NumberCell)));
    distances.blocks.push_back(TableBlock(Matrix("Distancias al ideal negativo", names, s.distancesNegative, NumberCell)));
    if (HasCell(s.weighted, 0, 0) && !s.idealPositive.empty() && !s.idealNegative.empty() && !s.distancesPositive.empty() &&
        !s.distancesPositive[0].empty() && !s.distancesNegative.empty() && !s.distancesNegative[0].empty()) {
        std::vector<Line> lines = {ForCell(p.alternatives[0], p.criteria[0])};
        for (const bool positive : {true, false}) {
            const Fuzzy& v = s.weighted[0][0];
            const Fuzzy& ideal = positive ? s.idealPositive[0] : s.idealNegative[0];
            Notation n;
            n.Both("d(", "d(").Symbol("v", true, "", {1, 1}).Comma().Symbol("A", false, positive ? "*" : "-", {1});
            n.Both(") = √((", ") = \\surd((");
            const std::vector<std::size_t> vertices = four ? std::vector<std::size_t>{0, 1, 2, 3} : std::vector<std::size_t>{0, 1, 3};
            for (std::size_t at = 0; at < vertices.size(); ++at) {
                if (at > 0) n.Operator(" + ", " + ");
                n.Plain("(").Number(v[vertices[at]]).Operator(" − ", " - ").Number(ideal[vertices[at]]).Both(")²", ")^{2}");
            }
            n.Both(") / " + std::to_string(vertices.size()) + ")", ") \\mathbin{/} " + std::to_string(vertices.size()) + ")");
            n.Result(rounded).Number(positive ? s.distancesPositive[0][0] : s.distancesNegative[0][0]);
            lines.push_back({n.Done()});
        }
        distances.blocks.push_back(FormulaBlock(std::move(lines)));
    }
    return distances;
}

// d*, d⁻ and CC, worked for the first alternative.
Section ClosenessSection(const Problem& p, const Solution& s) {
    const bool rounded = p.conventions.rounding.has_value();
    Section closeness{"Coeficientes de proximidad",
                      {TableBlock(NumberColumns("Distancias totales y coeficiente de proximidad", "Alternativa", p.alternatives,
                                                {{"d*", &s.dPositive}, {"d⁻", &s.dNegative}, {"CC", &s.closeness}}))}};
    if (!p.alternatives.empty() && !s.dPositive.empty() && !s.dNegative.empty() && !s.closeness.empty() &&
        !s.distancesPositive.empty() && !s.distancesNegative.empty()) {
        std::vector<Line> lines = {ForOne(p.alternatives[0])};
        for (const bool positive : {true, false}) {
            Notation n = Sym("d", false, positive ? "*" : "-", {1});
            n.Equals().Joined(positive ? s.distancesPositive[0] : s.distancesNegative[0], " + ", " + ");
            n.Result(rounded).Number(positive ? s.dPositive[0] : s.dNegative[0]);
            lines.push_back({n.Done()});
        }
        Notation cc = Sym("CC", false, "", {1});
        cc.Equals().Number(s.dNegative[0]).Operator(" / ", " \\mathbin{/} ").Plain("(").Number(s.dPositive[0]);
        cc.Operator(" + ", " + ").Number(s.dNegative[0]).Plain(")").Result(rounded).Number(s.closeness[0]);
        lines.push_back({cc.Done()});
        closeness.blocks.push_back(FormulaBlock(std::move(lines)));
    }
    return closeness;
}

}  // namespace

std::vector<Section> TopsisProblem(const Problem& p) { return {RatingData(p), ConventionsSection(TopsisConventions(p))}; }

WorkedDocument WorkedTopsis(const Problem& p, const Solution& s) {
    WorkedDocument document{"Solución desarrollada: TOPSIS difuso", TopsisProblem(p)};
    for (Section& section : RatingTables(p, s)) document.sections.push_back(std::move(section));
    document.sections.push_back(IdealsSection(p, s));
    document.sections.push_back(DistancesSection(p, s));
    document.sections.push_back(ClosenessSection(p, s));
    document.sections.push_back(RankingSection("De mayor a menor coeficiente de proximidad; los empates conservan el orden "
                                               "de entrada.",
                                               RankingLines(p.alternatives, s.order, "CC", s.closeness)));
    return document;
}

}  // namespace trelvani::decision::worked
