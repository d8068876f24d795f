#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trelvani::decision {

// A shared problem travels in a link; a longer one is refused before it is read.
inline constexpr std::size_t kMaxLinkProblemBytes = 64 * 1024;

// Chen (2000), Tables 3 and 4: three decision makers rate three candidates
// on five criteria with the paper's linguistic terms.
extern const std::string_view kChenExample;

// What the page's section offers, as JSON: the methods; each convention
// with its Spanish name, its choices, the textbooks that use each one and
// the method's default; the built-in scales' terms for the grids to offer;
// the limits; Chen's example as the grids show it, and the blank grids
// the section starts from.
std::string PageDescriptionJson();

}  // namespace trelvani::decision
