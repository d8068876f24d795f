#pragma once

#include <string>

#include "protocol/cut_answers.h"
#include "study/cuts/alpha_cuts.h"

namespace trelvani {

// The α-cuts part of a batch reply: the cuts of X, Y, Z (and the exact
// result, where the button has one) at the asked levels, and Z's common
// readings, as JSON members.
class CutReplies final : public protocol::CutAnswers {
public:
    void BeforeClick(const Controls& controls) override;
    std::string AfterClick(const Button& button, bool failed, const Controls& controls,
                           const protocol::CutQuestion& question) override;

private:
    OperandReading x_, y_;
};

}  // namespace trelvani
