#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/buttons.h"
#include "core/controls.h"
#include "core/steps.h"
#include "study/check/hand_number.h"

namespace trelvani {

// The results a student may check by hand: ZI, ZII, ZIII, ZIV and Def.
inline constexpr std::size_t kCheckedResults = 5;
inline constexpr std::array<Box, kCheckedResults> kCheckedBoxes = {Box::ZI, Box::ZII, Box::ZIII, Box::ZIV, Box::Def};

struct Verdict {
    HandReading reading = HandReading::Empty;
    bool agrees = false;
    // The calculator's text for the result; empty while nothing computed it.
    std::string value;
    // A well-known slip that gives the hand result instead, if one does.
    std::string_view slip;
};

// Where a click's results are listed: Z's components, the operand Maximo or
// Minimo copied, the centroid, or nowhere.
enum class Computed { Z, CopiedOperand, Centroid, Nothing };
Computed ComputedBy(ButtonId button);

// Who computed the results a hand result is judged against: the clicks made
// in the window, whose results it shows, or an opened exercise's own run,
// whose results stay hidden.
enum class JudgedAgainst { Clicks, Exercise };

// What the page says of a verdict for checked result `result`, e.g.
// "ZI: coincide."; empty for an empty box.
std::string VerdictSentence(std::size_t result, const Verdict& verdict, JudgedAgainst against);
// The same for a value named otherwise, e.g. "CC de A1".
std::string VerdictSentence(std::string_view judged, const Verdict& verdict, JudgedAgainst against);

// What the calculator computed for Z and Def, taken from the clicks' own
// steps, with the results that well-known slips would have given instead.
// A verdict for the page: {"reading": 0 empty, 1 not a number, 2 a number;
// "agrees"; "value", the calculator's text; "slip"; "compared": a number
// was judged against a computed value; "sentence"}.
std::string VerdictJson(std::size_t result, const Verdict& verdict, JudgedAgainst against);
std::string VerdictJson(std::string_view judged, const Verdict& verdict, JudgedAgainst against);

class AnswerKey {
public:
    struct Slip {
        double value;
        std::string_view message;
    };
    struct Result {
        std::string text;
        double value = 0.0;
        std::vector<Slip> slips;
    };

    // Takes in a click's steps. Results the click did not compute, or all of
    // them if it failed, keep what they had.
    void Update(ButtonId button, const StepList& steps);

    // Judges a hand result against the value the click computed, to the
    // digits written: the box's text agrees, and so does the value as the
    // steps list it.
    Verdict Judge(std::size_t result, std::string_view hand) const;

    // What the clicks so far computed for a result, and its slips.
    const Result& Expected(std::size_t result) const { return results_[result]; }

private:
    std::array<Result, kCheckedResults> results_;
};

}  // namespace trelvani
