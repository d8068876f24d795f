#pragma once

#include <string>
#include <string_view>

namespace trelvani::decision {

// A problem shared in a link, `#decision=` followed by its JSON text
// percent-encoded. `encoded` is what follows the '='. The problem line, or
// why it is refused (refusal not empty): a broken escape, or a problem
// longer than a link may carry.
struct LinkProblem {
    std::string line;
    std::string refusal;
};
LinkProblem ProblemOfLink(std::string_view encoded);

}  // namespace trelvani::decision
