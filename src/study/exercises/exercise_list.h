#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "study/decision/problem.h"

namespace trelvani {

struct Button;

// Four components drawn between `from` and `to` with `decimals` decimals,
// as whole numbers of units of the last decimal.
struct OperandRange {
    std::int64_t from = 0;
    std::int64_t to = 0;
    int decimals = 0;
};

// An operand of a list's line: four box texts as written, a range to draw
// from, or nothing (the boxes of a fresh window).
using OperandSource = std::variant<std::monostate, std::array<std::string, 4>, OperandRange>;

// One line of a teacher's exercise list.
struct ExerciseLine {
    std::size_t line = 0;
    OperandSource x, y;
    std::vector<const Button*> buttons;
    std::optional<std::string> statement;
    // 0 for a single exercise.
    int variants = 0;
    std::uint64_t seed = 0;
    // A decision problem instead of buttons: the problem as trelvani-decision
    // reads it, and as the list gave it (one JSON object, numbers as written).
    std::optional<decision::Problem> decision;
    std::string decisionJson;
};

inline constexpr std::size_t kMaxExercises = 1000;
inline constexpr std::size_t kMaxListLineBytes = 64 * 1024;
// A box's text and a statement, in a list's line or in a link.
inline constexpr std::size_t kMaxBoxBytes = 1000;
inline constexpr std::size_t kMaxStatementBytes = 4000;

// One line of a list read into `line`; the Spanish reason when it cannot be.
std::optional<std::string> ReadExerciseLine(std::string_view text, ExerciseLine& line);

// The list's lines, or one Spanish message naming the line and the reason.
std::variant<std::vector<ExerciseLine>, std::string> ReadExerciseList(std::string_view text);

}  // namespace trelvani
