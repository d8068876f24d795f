#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "study/decision/documents/worked_document.h"
#include "study/decision/documents/worked_notation.h"

// What the methods' worked documents are built from: cells, tables, the
// conventions in words and the formulas of one cell.
namespace trelvani::decision::worked {

inline constexpr std::string_view kComponents[] = {"a1", "a2", "a3", "a4"};

Piece Words(std::string text);
Piece Typed(std::string text);

TableCell WordsCell(std::string text);
TableCell TypedCell(std::string text);
TableCell NumberCell(double value);
TableCell FuzzyCell(const Fuzzy& value);
TableCell EntriesCell(const Cell& entries);

Block ParagraphBlock(Line line);
Block FormulaBlock(std::vector<Line> lines);
Block TableBlock(Table table);

// "3 decisores", "1 decisor".
std::string Plural(std::size_t count, std::string_view one, std::string_view many);

// The things the tables' rows and columns stand for.
struct Names {
    const std::vector<std::string>& rows;
    const std::vector<std::string>& columns;
    std::string rowHeading;
};

// One fuzzy number per row, its components in columns.
Table FuzzyRows(std::string title, std::string heading, const std::vector<std::string>& names, const std::vector<Fuzzy>& values);
// Columns of plain numbers, one row per name.
Table NumberColumns(std::string title, std::string heading, const std::vector<std::string>& names,
                    const std::vector<std::pair<std::string, const std::vector<double>*>>& columns);
// A scale's terms and their numbers; `kind` names what it rates.
Table ScaleTable(const Scale& scale, std::string_view kind);

// A table of one cell per row and column.
template <class Value, class CellOf>
Table Matrix(std::string title, const Names& names, const std::vector<std::vector<Value>>& values, CellOf cellOf) {
    Table table{std::move(title), {WordsCell(names.rowHeading)}, {}};
    for (const std::string& column : names.columns) table.header.push_back(TypedCell(column));
    for (std::size_t i = 0; i < values.size() && i < names.rows.size(); ++i) {
        if (values[i].size() != names.columns.size()) continue;
        std::vector<TableCell> row = {TypedCell(names.rows[i])};
        for (const Value& value : values[i]) row.push_back(cellOf(value));
        table.rows.push_back(std::move(row));
    }
    return table;
}

// The K entries of a cell put together, component by component, as the
// convention does: "((5 + 7 + 5) / 3, …) = (…)".
Line AggregationFormula(Notation symbol, const Cell& cell, const Fuzzy& result, Aggregation aggregation, bool rounded);
// The crisp value of one fuzzy number, worked: "(0.1 + 0.2 + 0.3 + 0.4) / 4 = 0.25".
Line DefuzzificationFormula(Notation symbol, const Fuzzy& value, double result, Defuzzification defuzzification,
                            bool rounded);
// "Para «A1», «C1»:" before a cell's working, naming it as typed.
Line ForCell(const std::string& row, const std::string& column);
Line ForOne(const std::string& name);

// The conventions in words.
Line AggregationWords(Aggregation aggregation, int decisionMakers);
Line RoundingWords(const std::optional<int>& rounding);
Line DefuzzificationWords(Defuzzification defuzzification);
Section ConventionsSection(std::vector<Line> lines);

Notation Sym(std::string_view letter, bool fuzzy, std::string_view superscript, std::initializer_list<std::size_t> indices);
// One component of every fuzzy number of a row, or of a matrix's column.
std::vector<double> RowComponent(const std::vector<Fuzzy>& row, std::size_t k);
std::vector<double> ColumnComponent(const std::vector<std::vector<Fuzzy>>& matrix, std::size_t column, std::size_t k);
// "max(0.9, 1, 0.7)".
Notation& Extreme(Notation& n, bool largest, const std::vector<double>& values);
bool HasCell(const std::vector<std::vector<Fuzzy>>& matrix, std::size_t i, std::size_t j);

// The ranking, best first, each with the value it was ranked by.
std::vector<Line> RankingLines(const std::vector<std::string>& names, const std::vector<std::size_t>& order,
                               std::string_view letter, const std::vector<double>& values);
Section RankingSection(std::string explanation, std::vector<Line> lines);

// What TOPSIS and SAW share: the data, the conventions of aggregation,
// normalisation and weighting, and the tables of those steps.
Section RatingData(const Problem& problem);
std::vector<Line> RatingConventions(const Problem& problem);
std::vector<Section> RatingTables(const Problem& problem, const Solution& solution);

// Each method's data and conventions, the first sections of its document.
std::vector<Section> TopsisProblem(const Problem& problem);
std::vector<Section> SawProblem(const Problem& problem);
std::vector<Section> AhpProblem(const Problem& problem);

WorkedDocument WorkedTopsis(const Problem& problem, const Solution& solution);
WorkedDocument WorkedSaw(const Problem& problem, const Solution& solution);
WorkedDocument WorkedAhp(const Problem& problem, const Solution& solution);

}  // namespace trelvani::decision::worked
