#pragma once

#include <string>
#include <string_view>

#include "study/decision/solution.h"

namespace trelvani::decision {

// The solution as one JSON line (without its line end): the method, every
// convention used and every table, each number a string of its shortest
// round-trip text.
std::string ReplyJson(const Problem& problem, const Solution& solution);

// {"error": reason} for a line that cannot be solved.
std::string ErrorJson(std::string_view reason);

// One problem line (without its end) answered as trelvani-decision answers
// it, in every edition: the reply line, and whether the problem was solved.
struct Answer {
    std::string reply;
    bool solved = false;
};
Answer AnswerProblem(std::string_view line);

// Why a line could not be read whole: longer than a problem may be, or
// beyond the memory there is.
std::string_view UnreadLineReason(bool tooLong);

}  // namespace trelvani::decision
