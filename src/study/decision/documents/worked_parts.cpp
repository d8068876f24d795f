#include "study/decision/documents/worked_parts.h"

#include "core/steps.h"

namespace trelvani::decision::worked {

Piece Words(std::string text) { return {PieceKind::Words, std::move(text), {}}; }
Piece Typed(std::string text) { return {PieceKind::Typed, std::move(text), {}}; }

TableCell WordsCell(std::string text) { return {CellKind::Words, {std::move(text)}}; }
TableCell TypedCell(std::string text) { return {CellKind::Typed, {std::move(text)}}; }
TableCell NumberCell(double value) { return {CellKind::Number, {ShortestText(value)}}; }
TableCell FuzzyCell(const Fuzzy& value) {
    TableCell cell{CellKind::Fuzzy, {}};
    for (double component : value) cell.parts.push_back(ShortestText(component));
    return cell;
}
TableCell EntriesCell(const Cell& entries) {
    TableCell cell{CellKind::Entries, {}};
    for (const Entry& entry : entries) cell.parts.push_back(entry.text);
    return cell;
}

Block ParagraphBlock(Line line) { return {BlockKind::Paragraph, {std::move(line)}, {}}; }
Block FormulaBlock(std::vector<Line> lines) { return {BlockKind::Formulas, std::move(lines), {}}; }
Block TableBlock(Table table) { return {BlockKind::Table, {}, std::move(table)}; }

std::string Plural(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

Table FuzzyRows(std::string title, std::string heading, const std::vector<std::string>& names, const std::vector<Fuzzy>& values) {
    Table table{std::move(title), {WordsCell(std::move(heading))}, {}};
    for (std::string_view component : kComponents) table.header.push_back(WordsCell(std::string(component)));
    for (std::size_t i = 0; i < values.size() && i < names.size(); ++i) {
        std::vector<TableCell> row = {TypedCell(names[i])};
        for (double component : values[i]) row.push_back(NumberCell(component));
        table.rows.push_back(std::move(row));
    }
    return table;
}

Table NumberColumns(std::string title, std::string heading, const std::vector<std::string>& names,
                    const std::vector<std::pair<std::string, const std::vector<double>*>>& columns) {
    Table table{std::move(title), {WordsCell(std::move(heading))}, {}};
    for (const auto& column : columns) table.header.push_back(WordsCell(column.first));
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::vector<TableCell> row = {TypedCell(names[i])};
        for (const auto& column : columns) {
            if (i < column.second->size()) row.push_back(NumberCell((*column.second)[i]));
        }
        if (row.size() == table.header.size()) table.rows.push_back(std::move(row));
    }
    return table;
}

namespace {

std::vector<double> Components(const Cell& cell, std::size_t k) {
    std::vector<double> values;
    for (const Entry& entry : cell) values.push_back(entry.value[k]);
    return values;
}

}  // namespace

Line AggregationFormula(Notation symbol, const Cell& cell, const Fuzzy& result, Aggregation aggregation, bool rounded) {
    if (cell.size() == 1) {
        Notation value;
        value.Both(rounded ? "≈ " : "= ", rounded ? "\\approx " : "= ").Tuple(result);
        return {symbol.Done(), Words(" = «"), Typed(cell.front().text), Words("» "), value.Done()};
    }
    Notation& n = symbol.Equals().Plain("(");
    for (std::size_t k = 0; k < 4; ++k) {
        if (k > 0) n.Comma();
        const std::vector<double> values = Components(cell, k);
        if (aggregation == Aggregation::Geometric) {
            n.Plain("(").Joined(values, " · ", " \\cdot ").Both(")^(1/" + std::to_string(cell.size()) + ")",
                                                                ")^{1/" + std::to_string(cell.size()) + "}");
        } else if (aggregation == Aggregation::Extremes && (k == 0 || k == 3)) {
            Extreme(n, k == 3, values);
        } else {
            n.Plain("(").Joined(values, " + ", " + ").Plain(")").Operator(" / ", " \\mathbin{/} ").Count(cell.size());
        }
    }
    n.Plain(")").Result(rounded).Tuple(result);
    return {n.Done()};
}

Line ForCell(const std::string& row, const std::string& column) {
    return {Words("Para «"), Typed(row), Words("», «"), Typed(column), Words("»:")};
}
Line ForOne(const std::string& name) { return {Words("Para «"), Typed(name), Words("»:")}; }

Line AggregationWords(Aggregation aggregation, int decisionMakers) {
    Line line;
    switch (aggregation) {
    case Aggregation::Mean:
        line = {Words("Agregación de los decisores (media): cada componente es la media de las K entradas de la "
                      "casilla, sumadas en su orden, "),
                Notation().Both("((x¹ + x²) + … + xᴷ) / K", "((x^{1} + x^{2}) + \\dots + x^{K}) \\mathbin{/} K").Done(),
                Words(".")};
        break;
    case Aggregation::Extremes:
        line = {Words("Agregación de los decisores (extremos): el menor a1, la media de los a2, la media de los a3 y "
                      "el mayor a4 de las K entradas de la casilla.")};
        break;
    case Aggregation::Geometric:
        line = {Words("Agregación de los decisores (media geométrica): cada componente es "),
                Notation().Both("((x¹ · x²) · … · xᴷ)^(1/K)", "((x^{1} \\cdot x^{2}) \\cdot \\dots \\cdot x^{K})^{1/K}").Done(),
                Words(".")};
        break;
    }
    line.push_back(Words(decisionMakers == 1 ? " Con un solo decisor (K = 1), la casilla agregada es su entrada."
                                             : " Aquí K = " + std::to_string(decisionMakers) + "."));
    return line;
}

Line RoundingWords(const std::optional<int>& rounding) {
    if (!rounding) return {Words("Sin redondeo: cada valor es el de su operación en doble precisión, con todas sus cifras.")};
    return {Words("Redondeo a " + Plural(static_cast<std::size_t>(*rounding), "decimal", "decimales") +
                  ", como en los libros: cada valor de cada tabla se redondea al más cercano, con los empates lejos "
                  "del cero, antes de que lo use el paso siguiente; por eso las fórmulas dan su resultado con "),
            Notation().Both("≈", "\\approx").Done(), Words(".")};
}

Line DefuzzificationWords(Defuzzification defuzzification) {
    switch (defuzzification) {
    case Defuzzification::Centroid:
        return {Words("Valor nítido (centroide): la abscisa del centro de gravedad del trapecio, M / A, con el momento "
                      "M = (L + C) + R del triángulo izquierdo, el rectángulo central y el triángulo derecho, y su "
                      "área A; un número nítido (A = 0) da a1.")};
    case Defuzzification::Mean:
        return {Words("Valor nítido (media): (((a1 + a2) + a3) + a4) / 4.")};
    case Defuzzification::GradedMean:
        return {Words("Valor nítido (media graduada): (((a1 + 2·a2) + 2·a3) + a4) / 6.")};
    }
    return {};
}

Line DefuzzificationFormula(Notation symbol, const Fuzzy& value, double result, Defuzzification defuzzification,
                            bool rounded) {
    Notation& n = symbol.Equals();
    switch (defuzzification) {
    case Defuzzification::Centroid:
        n.Both("centroide", "\\operatorname{centroide}").Tuple(value);
        break;
    case Defuzzification::Mean:
        n.Plain("(").Joined(std::vector<double>(value.begin(), value.end()), " + ", " + ").Plain(")").Operator(" / ", " \\mathbin{/} ").Plain("4");
        break;
    case Defuzzification::GradedMean:
        n.Plain("(").Number(value[0]).Operator(" + ", " + ").Plain("2").Operator(" · ", " \\cdot ").Number(value[1]);
        n.Operator(" + ", " + ").Plain("2").Operator(" · ", " \\cdot ").Number(value[2]).Operator(" + ", " + ");
        n.Number(value[3]).Plain(")").Operator(" / ", " \\mathbin{/} ").Plain("6");
        break;
    }
    return {n.Result(rounded).Number(result).Done()};
}

Notation Sym(std::string_view letter, bool fuzzy, std::string_view superscript, std::initializer_list<std::size_t> indices) {
    Notation n;
    n.Symbol(letter, fuzzy, superscript, indices);
    return n;
}

std::vector<double> RowComponent(const std::vector<Fuzzy>& row, std::size_t k) {
    std::vector<double> values;
    for (const Fuzzy& value : row) values.push_back(value[k]);
    return values;
}

std::vector<double> ColumnComponent(const std::vector<std::vector<Fuzzy>>& matrix, std::size_t column, std::size_t k) {
    std::vector<double> values;
    for (const auto& row : matrix) {
        if (column < row.size()) values.push_back(row[column][k]);
    }
    return values;
}

Notation& Extreme(Notation& n, bool largest, const std::vector<double>& values) {
    n.Both(largest ? "max(" : "min(", largest ? "\\max(" : "\\min(");
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) n.Comma();
        n.Number(values[i]);
    }
    return n.Plain(")");
}

bool HasCell(const std::vector<std::vector<Fuzzy>>& matrix, std::size_t i, std::size_t j) {
    return i < matrix.size() && j < matrix[i].size();
}

Table ScaleTable(const Scale& scale, std::string_view kind) {
    Table table{"Escala de " + std::string(kind) + (scale.name.empty() ? " (la del problema)" : " (" + scale.name + ")"),
                {WordsCell("Término"), WordsCell("Nombre")},
                {}};
    for (std::string_view component : kComponents) table.header.push_back(WordsCell(std::string(component)));
    for (const ScaleTerm& term : scale.terms) {
        std::vector<TableCell> row = {TypedCell(term.abbreviation), TypedCell(term.name)};
        for (double component : term.value) row.push_back(NumberCell(component));
        table.rows.push_back(std::move(row));
    }
    return table;
}


std::vector<Line> RankingLines(const std::vector<std::string>& names, const std::vector<std::size_t>& order,
                               std::string_view letter, const std::vector<double>& values) {
    std::vector<Line> lines;
    for (std::size_t place : order) {
        if (place >= names.size()) continue;
        Line line = {Typed(names[place])};
        if (place < values.size()) {
            line.push_back(Words(": "));
            line.push_back(Sym(letter, false, "", {place + 1}).Equals().Number(values[place]).Done());
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

Section RankingSection(std::string explanation, std::vector<Line> lines) {
    return {"Orden", {ParagraphBlock({Words(std::move(explanation))}), {BlockKind::Ranking, std::move(lines), {}}}};
}

Section ConventionsSection(std::vector<Line> lines) {
    Section section{"Convenios", {}};
    for (Line& line : lines) section.blocks.push_back(ParagraphBlock(std::move(line)));
    return section;
}

}  // namespace trelvani::decision::worked
