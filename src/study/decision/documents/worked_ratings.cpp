#include "study/decision/documents/worked_parts.h"

namespace trelvani::decision::worked {
namespace {

// The sections TOPSIS and SAW share: the data, the aggregation, the
// normalisation and the weighting.
class RatingWork {
public:
    RatingWork(const Problem& problem, const Solution& solution)
        : p_(problem), s_(solution), rounded_(problem.conventions.rounding.has_value()) {}

    Section Data() const {
        Section section{"Datos del problema", {}};
        const std::string method = p_.method == Method::Topsis ? "TOPSIS difuso" : "SAW difuso (suma ponderada)";
        section.blocks.push_back(ParagraphBlock(
            {Words("Método: " + method + ". " + Plural(static_cast<std::size_t>(p_.decisionMakers), "decisor", "decisores") +
                   ", " + Plural(p_.alternatives.size(), "alternativa", "alternativas") + " y " +
                   Plural(p_.criteria.size(), "criterio", "criterios") + ".")}));
        const bool several = p_.decisionMakers > 1;
        Table criteria{"Criterios", {WordsCell("Criterio"), WordsCell("Tipo"), WordsCell(several ? "Pesos (uno por decisor)" : "Peso")}, {}};
        for (std::size_t j = 0; j < p_.criteria.size() && j < p_.weights.size(); ++j) {
            const bool cost = j < p_.types.size() && p_.types[j] == CriterionType::Cost;
            criteria.rows.push_back({TypedCell(p_.criteria[j]), WordsCell(cost ? "costo" : "beneficio"), EntriesCell(p_.weights[j])});
        }
        section.blocks.push_back(TableBlock(std::move(criteria)));
        section.blocks.push_back(TableBlock(Matrix(several ? "Valoraciones (una por decisor)" : "Valoraciones",
                                                   Names{p_.alternatives, p_.criteria, "Alternativa"}, p_.ratings, EntriesCell)));
        for (const auto& [scale, kind] : {std::pair{&p_.weightScale, "pesos"}, std::pair{&p_.ratingScale, "valoraciones"}}) {
            if (!scale->terms.empty()) section.blocks.push_back(TableBlock(ScaleTable(*scale, kind)));
        }
        return section;
    }

    std::vector<Line> ConventionLines() const {
        const Conventions& c = p_.conventions;
        std::vector<Line> lines = {AggregationWords(c.aggregation, p_.decisionMakers)};
        if (c.normalisation == Normalisation::Linear) {
            lines.push_back({Words("Normalización lineal (Chen, 2000): en un criterio de beneficio, "),
                             Notation()
                                 .Symbol("r", true, "", {})
                                 .Both(" = (a1 / c*, a2 / c*, a3 / c*, a4 / c*)",
                                       " = (a_{1} \\mathbin{/} c^{*},\\allowbreak\\ a_{2} \\mathbin{/} c^{*},\\allowbreak\\ "
                                       "a_{3} \\mathbin{/} c^{*},\\allowbreak\\ a_{4} \\mathbin{/} c^{*})")
                                 .Done(),
                             Words(", con c* el mayor a4 del criterio; en uno de costo, "),
                             Notation()
                                 .Symbol("r", true, "", {})
                                 .Both(" = (a⁻ / a4, a⁻ / a3, a⁻ / a2, a⁻ / a1)",
                                       " = (a^{-} \\mathbin{/} a_{4},\\allowbreak\\ a^{-} \\mathbin{/} a_{3},\\allowbreak\\ "
                                       "a^{-} \\mathbin{/} a_{2},\\allowbreak\\ a^{-} \\mathbin{/} a_{1})")
                                 .Done(),
                             Words(", con "), Notation().Both("a⁻", "a^{-}").Done(), Words(" el menor a1 del criterio.")});
        } else {
            lines.push_back({Words("Sin normalización: la casilla normalizada es la agregada, y los criterios de costo se "
                                   "tratan como de beneficio.")});
        }
        lines.push_back({Words("Ponderación: cada componente de la casilla normalizada por el del peso agregado de su "
                               "criterio, "),
                         Notation()
                             .Symbol("v", true, "", {})
                             .Both(" = (r1 · w1, r2 · w2, r3 · w3, r4 · w4)",
                                   " = (r_{1} \\cdot w_{1},\\allowbreak\\ r_{2} \\cdot w_{2},\\allowbreak\\ r_{3} \\cdot "
                                   "w_{3},\\allowbreak\\ r_{4} \\cdot w_{4})")
                             .Done(),
                         Words(".")});
        return lines;
    }

    // Aggregated weights and ratings, normalised and weighted ratings.
    std::vector<Section> Tables() const {
        std::vector<Section> sections;
        const Names names{p_.alternatives, p_.criteria, "Alternativa"};
        const Aggregation aggregation = p_.conventions.aggregation;

        Section weights{"Pesos agregados", {TableBlock(FuzzyRows("Pesos agregados", "Criterio", p_.criteria, s_.weights))}};
        if (!s_.weights.empty() && !p_.weights.empty() && !p_.criteria.empty()) {
            weights.blocks.push_back(FormulaBlock({ForOne(p_.criteria[0]),
                                                   AggregationFormula(Sym("w", true, "", {1}), p_.weights[0], s_.weights[0],
                                                                      aggregation, rounded_)}));
        }
        sections.push_back(std::move(weights));

        Section aggregated{"Valoraciones agregadas", {TableBlock(Matrix("Valoraciones agregadas", names, s_.aggregated, FuzzyCell))}};
        if (HasCell(s_.aggregated, 0, 0) && !p_.ratings.empty() && !p_.ratings[0].empty()) {
            aggregated.blocks.push_back(FormulaBlock({ForCell(p_.alternatives[0], p_.criteria[0]),
                                                      AggregationFormula(Sym("x", true, "", {1, 1}), p_.ratings[0][0],
                                                                         s_.aggregated[0][0], aggregation, rounded_)}));
        }
        sections.push_back(std::move(aggregated));

        sections.push_back(NormalisedSection(names));

        Section weighted{"Valoraciones ponderadas", {TableBlock(Matrix("Valoraciones ponderadas", names, s_.weighted, FuzzyCell))}};
        if (HasCell(s_.weighted, 0, 0) && HasCell(s_.normalised, 0, 0) && !s_.weights.empty()) {
            Notation n = Sym("v", true, "", {1, 1});
            n.Equals().Plain("(");
            for (std::size_t k = 0; k < 4; ++k) {
                if (k > 0) n.Comma();
                n.Number(s_.normalised[0][0][k]).Operator(" · ", " \\cdot ").Number(s_.weights[0][k]);
            }
            n.Plain(")").Result(rounded_).Tuple(s_.weighted[0][0]);
            weighted.blocks.push_back(FormulaBlock({ForCell(p_.alternatives[0], p_.criteria[0]), {n.Done()}}));
        }
        sections.push_back(std::move(weighted));
        return sections;
    }

private:
    bool IsCost(std::size_t j) const { return j < p_.types.size() && p_.types[j] == CriterionType::Cost; }

    // The first criterion's cell, and the first cost criterion's where the
    // first is a benefit one: both formulas of the normalisation.
    Section NormalisedSection(const Names& names) const {
        Section section{"Valoraciones normalizadas", {}};
        const bool linear = p_.conventions.normalisation == Normalisation::Linear;
        if (linear && s_.normalisers.size() == p_.criteria.size()) {
            Table divisors{"Divisores de la normalización", {WordsCell("Criterio"), WordsCell("Tipo"), WordsCell("c* o a⁻")}, {}};
            for (std::size_t j = 0; j < p_.criteria.size(); ++j) {
                divisors.rows.push_back({TypedCell(p_.criteria[j]), WordsCell(IsCost(j) ? "costo" : "beneficio"),
                                         NumberCell(s_.normalisers[j])});
            }
            section.blocks.push_back(TableBlock(std::move(divisors)));
        }
        section.blocks.push_back(TableBlock(Matrix("Valoraciones normalizadas", names, s_.normalised, FuzzyCell)));
        if (!linear) {
            section.blocks.push_back(ParagraphBlock({Words("Sin normalización, cada casilla normalizada es la agregada.")}));
            return section;
        }
        std::vector<std::size_t> worked = {0};
        if (!IsCost(0)) {
            for (std::size_t j = 1; j < p_.criteria.size(); ++j) {
                if (IsCost(j)) {
                    worked.push_back(j);
                    break;
                }
            }
        }
        for (std::size_t j : worked) {
            if (!HasCell(s_.normalised, 0, j) || !HasCell(s_.aggregated, 0, j) || j >= s_.normalisers.size()) continue;
            const Fuzzy& a = s_.aggregated[0][j];
            const double divisor = s_.normalisers[j];
            const bool cost = IsCost(j);
            Notation bound = Sym(cost ? "a" : "c", false, cost ? "-" : "*", {j + 1});
            bound.Equals();
            // The greatest or least of rounded values is one of them: no rounding.
            Extreme(bound, !cost, ColumnComponent(s_.aggregated, j, cost ? 0 : 3)).Equals().Number(divisor);
            Notation n = Sym("r", true, "", {1, j + 1});
            n.Equals().Plain("(");
            for (std::size_t k = 0; k < 4; ++k) {
                if (k > 0) n.Comma();
                if (cost) {
                    n.Number(divisor).Operator(" / ", " \\mathbin{/} ").Number(a[3 - k]);
                } else {
                    n.Number(a[k]).Operator(" / ", " \\mathbin{/} ").Number(divisor);
                }
            }
            n.Plain(")").Result(rounded_).Tuple(s_.normalised[0][j]);
            Line heading = ForCell(p_.alternatives[0], p_.criteria[j]);
            heading.back().text = cost ? "» (costo):" : "» (beneficio):";
            section.blocks.push_back(FormulaBlock({heading, {bound.Done()}, {n.Done()}}));
        }
        return section;
    }

    const Problem& p_;
    const Solution& s_;
    bool rounded_;
};

}  // namespace

Section RatingData(const Problem& problem) { return RatingWork(problem, Solution{}).Data(); }

std::vector<Line> RatingConventions(const Problem& problem) { return RatingWork(problem, Solution{}).ConventionLines(); }

std::vector<Section> RatingTables(const Problem& problem, const Solution& solution) {
    return RatingWork(problem, solution).Tables();
}

}  // namespace trelvani::decision::worked
