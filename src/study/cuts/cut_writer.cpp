#include "study/cuts/cut_writer.h"

#include <algorithm>

#include "core/steps.h"
#include "study/click_record.h"
#include "text/document_escapes.h"

namespace trelvani {
namespace {

constexpr std::string_view kNoClick = "Pulse un botón para ver los cortes α de X, Y y Z.";

std::string Title(const CutSection& section) { return OperationWords(*section.button); }

// "(v1; v2; v3; v4)". Where no vertex has a value, for one reason, that
// reason alone; where only some lack one, "sin valor" in their place and
// why after, by level: the first and last vertices are at α = 0, the middle
// ones at α = 1.
std::string Trapezoid(const std::array<Measure, 4>& vertices) {
    const std::string& why = vertices[0].undefined;
    const auto sameReason = [&](const Measure& vertex) { return vertex.undefined == why; };
    if (!why.empty() && std::all_of(vertices.begin(), vertices.end(), sameReason)) return why;
    std::string out = "(";
    for (const Measure& vertex : vertices) {
        out.append(out.size() > 1 ? "; " : "").append(vertex.defined() ? ShortestText(vertex.value) : "sin valor");
    }
    out += ")";
    bool first = true;
    const auto say = [&](std::string_view alpha, const std::string& reason) {
        out.append(first ? ": " : "; ").append("en α = ").append(alpha).append(", ").append(reason);
        first = false;
    };
    constexpr struct {
        std::string_view alpha;
        std::size_t left, right;
    } kLevelVertices[] = {{"0", 0, 3}, {"1", 1, 2}};
    for (const auto& level : kLevelVertices) {
        const Measure& left = vertices[level.left];
        const Measure& right = vertices[level.right];
        if (!left.defined()) say(level.alpha, left.undefined);
        if (!right.defined() && right.undefined != left.undefined) say(level.alpha, right.undefined);
    }
    return out;
}

bool HasExact(const CutSection& section) { return section.report.rule != ExactRule::None; }

}  // namespace

std::string CutText(const Cut& cut) {
    if (!cut.defined()) return cut.undefined;
    return std::string("[").append(ShortestText(cut.left)).append(", ").append(ShortestText(cut.right)).append("]");
}

std::string MeasureText(const Measure& measure) {
    return measure.defined() ? ShortestText(measure.value) : measure.undefined;
}

std::vector<std::string> CutHeader(const CutSection& section) {
    std::vector<std::string> header = {"α", "X", "Y", "Z"};
    if (HasExact(section)) header.emplace_back(kExactHeading);
    return header;
}

std::string ExactCurveDescription(const CutSection& section) {
    const std::vector<CutRow>& rows = section.report.rows;
    // The table's first row is α = 0, its fifth α = 1.
    if (!HasExact(section) || rows.size() < 5) return "";
    return "; " + std::string(kExactHeading) + ", en trazos: corte " + CutText(rows[0].exact) + " en α = 0 y " +
           CutText(rows[4].exact) + " en α = 1";
}

std::vector<std::vector<std::string>> CutRows(const CutSection& section) {
    std::vector<std::vector<std::string>> rows;
    for (const CutRow& row : section.report.rows) {
        rows.push_back({ShortestText(row.alpha), CutText(row.x), CutText(row.y), CutText(row.z)});
        if (HasExact(section)) rows.back().push_back(CutText(row.exact));
    }
    return rows;
}

std::vector<std::string> GapSentences(const CutSection& section) {
    if (section.button == nullptr) return {std::string(kNoClick)};
    if (section.failed) return {"El botón terminó en un error: no hay resultado que comparar con el exacto."};
    const CutReport& report = section.report;
    if (!HasExact(section)) return {"Este botón no opera con X e Y: no tiene un resultado exacto que comparar."};
    const Gap& gap = report.gap;
    std::vector<std::string> sentences;
    if (!gap.left.defined()) {
        sentences.push_back("No se puede comparar con el resultado exacto: " + gap.left.undefined + ".");
    } else if (gap.left.value == 0.0 && gap.right.value == 0.0) {
        sentences.emplace_back("La Z de la calculadora coincide con el resultado exacto en los 65 niveles de α.");
    } else {
        const bool left = gap.left.value >= gap.right.value;
        std::string sentence = std::string("La Z de la calculadora se separa del resultado exacto hasta ") +
                               ShortestText(left ? gap.left.value : gap.right.value) + " (α = " +
                               ShortestText(left ? gap.leftAlpha : gap.rightAlpha) +
                               (left ? ", lado izquierdo)" : ", lado derecho)");
        if (report.rule == ExactRule::Sum || report.rule == ExactRule::Difference) {
            sentence += "; esa diferencia viene solo del redondeo de los textos de las casillas y de la cuarta "
                        "componente";
        }
        sentences.push_back(sentence + ".");
    }
    if (report.rule == ExactRule::Maximum || report.rule == ExactRule::Minimum) {
        sentences.push_back(std::string("El botón no calcula el ") +
                            (report.rule == ExactRule::Maximum ? "máximo" : "mínimo") +
                            " difuso: copia en Z el operando de mayor o menor media de vértices. La columna "
                            "«exacto» es el " + (report.rule == ExactRule::Maximum ? "máximo" : "mínimo") +
                            " difuso por el principio de extensión.");
    }
    return sentences;
}

std::vector<ConventionRow> ConventionRows(const CutSection& section) {
    if (section.button == nullptr) return {};
    const CutReport& report = section.report;
    std::vector<ConventionRow> rows;
    rows.push_back({"Z de la calculadora", Trapezoid(report.z), "Las fórmulas de los vértices de esta calculadora."});
    if (report.hasAlphaTrapezoid) {
        rows.push_back({"Trapecio de los cortes α", Trapezoid(report.alphaTrapezoid),
                        "Muchos textos, para números de cualquier signo: los extremos del corte exacto en α = 0 "
                        "y α = 1."});
    }
    const Conventions& c = report.conventions;
    rows.push_back({"Centroide", MeasureText(c.centroid), "Defuzyficacion de esta calculadora y el control difuso."});
    rows.push_back({"Media de los vértices (z1 + z2 + z3 + z4) / 4", MeasureText(c.vertexMean),
                    "Max y Min de esta calculadora, para elegir el operando."});
    rows.push_back({"Media ponderada (z1 + 2·z2 + 2·z3 + z4) / 6", MeasureText(c.gradedMean),
                    "Muchos textos de decisión difusa (media graduada)."});
    return rows;
}

std::string CutsAsText(const CutSection& section) {
    std::string out = "Cortes α y convenios";
    if (section.button == nullptr) return out + "\n" + std::string(kNoClick) + "\n";
    out.append(": ").append(Title(section)).append("\n");
    const auto header = CutHeader(section);
    for (const auto& row : CutRows(section)) {
        out += "α = " + row[0] + ":";
        for (std::size_t i = 1; i < row.size(); ++i) {
            out.append(i > 1 ? "; " : " ").append(header[i]).append(" ");
            out.append(row[i].starts_with('[') ? row[i] : "sin corte (" + row[i] + ")");
        }
        out += "\n";
    }
    for (const std::string& sentence : GapSentences(section)) out += sentence + "\n";
    for (const ConventionRow& row : ConventionRows(section)) {
        out += row.name + ": " + row.value + ". " + row.users + "\n";
    }
    return out;
}

std::string CutsAsMarkdown(const CutSection& section) {
    std::string out = "### Cortes α y convenios";
    if (section.button == nullptr) return out + "\n\n" + MarkdownText(kNoClick) + "\n";
    out.append(": ").append(MarkdownText(Title(section))).append("\n\n");
    const auto header = CutHeader(section);
    out += MarkdownRow(header) + "|";
    for (std::size_t i = 0; i < header.size(); ++i) out += "---|";
    out += "\n";
    for (const auto& row : CutRows(section)) out += MarkdownRow(row);
    out += "\n";
    for (const std::string& sentence : GapSentences(section)) out += MarkdownText(sentence) + "\n\n";
    out += MarkdownRow(kConventionHeader) + "|---|---|---|\n";
    for (const ConventionRow& row : ConventionRows(section)) out += MarkdownRow(std::array{row.name, row.value, row.users});
    return out;
}

std::string CutsAsLatex(const CutSection& section) {
    std::string out = "\\paragraph{Cortes $\\alpha$ y convenios";
    if (section.button == nullptr) return out + "}\n" + LatexProse(kNoClick) + "\\par\n";
    out.append(": ").append(LatexProse(Title(section))).append("}\n{\\raggedright\\small\n");
    // Columns that share out the line, so that long numbers and reasons
    // wrap inside their cells rather than past the margin.
    // Numbers may break anywhere; the program's own words only between them.
    const auto table = [](const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows,
                          const std::vector<double>& widths, auto isProse) {
        std::string t = "\\noindent\\begin{tabular}{|";
        for (double width : widths) {
            t += std::string("p{\\dimexpr ") + ShortestText(width) + "\\linewidth-2\\tabcolsep-" +
                 std::to_string(widths.size() + 1) + "\\arrayrulewidth/" + std::to_string(widths.size()) + "}|";
        }
        t += "}\\hline\n";
        const auto cells = [&](const std::vector<std::string>& row, bool words) {
            for (std::size_t i = 0; i < row.size(); ++i) {
                t += i == 0 ? "\\raggedright " : " & \\raggedright ";
                t += words || isProse(i, row[i]) ? LatexProse(row[i]) : LatexText(row[i]);
            }
            t += " \\tabularnewline\\hline\n";
        };
        cells(header, true);
        for (const auto& row : rows) cells(row, false);
        return t + "\\end{tabular}\\par\n";
    };
    const auto header = CutHeader(section);
    std::vector<double> widths = {0.12};
    for (std::size_t i = 1; i < header.size(); ++i) widths.push_back(0.88 / static_cast<double>(header.size() - 1));
    // A reason given for a missing cut may hold long numbers too.
    out += table(header, CutRows(section), widths, [](std::size_t, const std::string&) { return false; });
    out += "\\medskip\n";
    for (const std::string& sentence : GapSentences(section)) out += LatexProse(sentence) + "\\par\n";
    out += "\\medskip\n";
    std::vector<std::vector<std::string>> conventions;
    for (const ConventionRow& row : ConventionRows(section)) conventions.push_back({row.name, row.value, row.users});
    out += table({std::string(kConventionHeader[0]), std::string(kConventionHeader[1]), std::string(kConventionHeader[2])},
                 conventions, {0.34, 0.26, 0.4}, [](std::size_t column, const std::string&) { return column != 1; });
    return out + "\\par}\n";
}

}  // namespace trelvani
