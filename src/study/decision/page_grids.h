#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "study/decision/problem.h"

namespace trelvani::decision {

// A problem as the page's grids hold it: every name and every cell as typed,
// one grid per decision maker. The page hands it over as JSON of its own:
// {"method": "topsis", "makers": 3, "alternatives": […], "criteria": […],
//  "types": ["beneficio", …], "weights": [maker][criterion],
//  "ratings": [maker][alternative][criterion],
//  "comparisons": [maker][row][column after the diagonal],
//  "conventions": {"agregacion": "extremos", "redondeo": "2", …}}
// with only the conventions changed from their defaults.
struct PageGrids {
    Method method = Method::Topsis;
    int makers = 1;
    std::vector<std::string> alternatives;
    std::vector<std::string> criteria;
    std::vector<CriterionType> types;
    std::vector<std::vector<std::string>> weights;
    std::vector<std::vector<std::vector<std::string>>> ratings;
    std::vector<std::vector<std::vector<std::string>>> comparisons;
    std::vector<std::pair<std::string, std::string>> conventions;
    // A shared problem's own scales, by key, as JSON text: kept while its
    // grids are edited, so its terms keep meaning what they meant.
    std::vector<std::pair<std::string, std::string>> scales;
};

// Throws DecisionError when the page's JSON is not of that shape.
PageGrids ReadPageGrids(std::string_view json);
std::string PageGridsJson(const PageGrids& grids);

// The grids as the page fills them from a problem: its names and entries as
// given, an entry of three or four numbers written "a; b; c".
PageGrids GridsOfProblem(const Problem& problem);
// The same from a problem line, with the scales it gives. Throws DecisionError.
PageGrids GridsOfLine(std::string_view line);

// The problem line trelvani-decision reads, from the grids: a cell holding
// numbers apart ("5; 7; 9", "5 7 9 10", "(0,5, 0,7, 0,9)") is a list of
// them, any other a term or one number, as typed.
std::string ProblemLineOf(const PageGrids& grids);

// A cell or name that cannot be read, where it stands and why, in the
// program's own words; a name's row is its place in its list.
enum class GridTable { Weights, Ratings, Comparisons, Alternatives, Criteria };
struct UnreadCell {
    GridTable table = GridTable::Ratings;
    std::size_t maker = 0;
    std::size_t row = 0;     // the criterion for a weight
    std::size_t column = 0;  // 0 for a weight; for a comparison, the criterion compared with
    std::string reason;
};
std::vector<UnreadCell> UnreadCells(const PageGrids& grids);
std::string UnreadCellsJson(const std::vector<UnreadCell>& cells);

}  // namespace trelvani::decision
