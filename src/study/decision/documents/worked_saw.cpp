#include "study/decision/documents/worked_parts.h"

namespace trelvani::decision::worked {

std::vector<Section> SawProblem(const Problem& p) {
    std::vector<Line> conventions = RatingConventions(p);
    conventions.push_back({Words("Suma ponderada: "), Notation().Both("S̃ᵢ", "\\tilde{S}_{i}").Done(),
                           Words(" suma, componente a componente y en el orden de los criterios, las casillas ponderadas "
                                 "de la fila.")});
    conventions.push_back(DefuzzificationWords(p.conventions.defuzzification));
    conventions.push_back(RoundingWords(p.conventions.rounding));
    return {RatingData(p), ConventionsSection(std::move(conventions))};
}

WorkedDocument WorkedSaw(const Problem& p, const Solution& s) {
    const bool rounded = p.conventions.rounding.has_value();
    WorkedDocument document{"Solución desarrollada: SAW difuso (suma ponderada)", SawProblem(p)};

    for (Section& section : RatingTables(p, s)) document.sections.push_back(std::move(section));

    Section sums{"Suma ponderada", {TableBlock(FuzzyRows("Suma ponderada S", "Alternativa", p.alternatives, s.sums))}};
    if (!s.sums.empty() && !s.weighted.empty() && !p.alternatives.empty()) {
        Notation n = Sym("S", true, "", {1});
        n.Equals().Plain("(");
        for (std::size_t k = 0; k < 4; ++k) {
            if (k > 0) n.Comma();
            n.Joined(RowComponent(s.weighted[0], k), " + ", " + ");
        }
        n.Plain(")").Result(rounded).Tuple(s.sums[0]);
        sums.blocks.push_back(FormulaBlock({ForOne(p.alternatives[0]), {n.Done()}}));
    }
    document.sections.push_back(std::move(sums));

    Section values{"Valor nítido", {TableBlock(NumberColumns("Valor nítido de S", "Alternativa", p.alternatives, {{"Valor", &s.values}}))}};
    if (!s.sums.empty() && !s.values.empty() && !p.alternatives.empty()) {
        values.blocks.push_back(FormulaBlock({ForOne(p.alternatives[0]),
                                              DefuzzificationFormula(Sym("S", false, "", {1}), s.sums[0], s.values[0],
                                                                     p.conventions.defuzzification, rounded)}));
    }
    document.sections.push_back(std::move(values));

    document.sections.push_back(RankingSection("De mayor a menor valor nítido; los empates conservan el orden de entrada.",
                                               RankingLines(p.alternatives, s.order, "S", s.values)));
    return document;
}

}  // namespace trelvani::decision::worked
