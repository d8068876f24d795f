#pragma once

#include <string>
#include <string_view>

#include "fields/controls.h"

namespace trelvani::batch {

// One line of a batch session: applies its "set", runs its "click", and
// gives back the JSON line to answer with.
class Session {
public:
    struct Reply {
        std::string line;
        bool valid = true;
    };

    Reply Handle(std::string_view line);
    const MemoryControls& controls() const { return controls_; }

private:
    MemoryControls controls_;
};

// True for a line with nothing but JSON white space: it gets no reply.
bool IsBlank(std::string_view line);

}  // namespace trelvani::batch
