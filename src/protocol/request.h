#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/buttons.h"
#include "core/controls.h"

namespace trelvani::protocol {

// One line of a batch session as it asks: the texts to set, the button to
// click and what the reply should carry besides the boxes.
struct Request {
    std::vector<std::pair<Box, std::string>> texts;
    const Button* button = nullptr;
    bool steps = false;
    bool conventions = false;
    std::vector<double> alphas;
    bool cuts = false;
};

// Gives back the reason in Spanish when the line is invalid; the whole line
// is checked before anything is applied.
std::optional<std::string> ParseRequest(std::string_view line, Request& request);

}  // namespace trelvani::protocol
