#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/handlers/handlers.h"
#include "study/check/answer_key.h"
#include "study/click_record.h"
#include "study/decision/solution.h"
#include "study/exercises/exercise_list.h"

namespace trelvani {

// A number an exercise asks for, as the calculator gave it: the box's text
// (or, for a mean, the steps' value as its shortest text), the value the
// steps listed, and what well-known slips would have given.
struct AskedNumber {
    std::string label;
    std::string text;
    double value = 0.0;
    std::vector<AnswerKey::Slip> slips;
};

// One button of an exercise, from the handler's own run.
struct ExerciseClick {
    ClickRecord record;
    // trelvani-batch's reply to the click with its steps.
    std::string reply;
    std::vector<AskedNumber> numbers;
    // After Maximo and Minimo: "X", "Y" or "Ambos numeros son iguales".
    std::string kept;
};

// A decision problem of the list, solved as trelvani-decision solves it.
struct DecisionWork {
    decision::Problem problem;
    decision::Solution solution;
    // The problem as the list gave it, and the program's JSON reply.
    std::string given;
    std::string reply;
};

struct Exercise {
    std::size_t number = 0;
    // The list's line, and which of its variants (0 without variants).
    std::size_t line = 0;
    std::size_t variant = 0;
    bool ofVariants = false;
    // The texts typed into X and Y, when the exercise gives them.
    std::optional<std::array<std::string, 4>> x, y;
    std::string statement;
    // The statement as the list gave it, if it did.
    std::optional<std::string> given;
    std::vector<ExerciseClick> clicks;
    // What the clicks computed, for judging hand results against.
    AnswerKey key;
    // Instead of clicks, a decision problem.
    std::optional<DecisionWork> decision;
};

inline constexpr std::string_view kOperandKept = "Operando elegido";

struct ExerciseSet {
    std::vector<Exercise> exercises;
    // Box texts whose reading stops before their end, such as "0,5".
    std::vector<std::string> warnings;
};

// What a statement asks of a button: "calcule Z = X + Y".
std::string_view ExerciseTask(ButtonId button);

// Runs every exercise of the list on a fresh window of its own; a runtime
// error (after 100 draws, for variants) is the whole list's error.
std::variant<ExerciseSet, std::string> RunExerciseList(const std::vector<ExerciseLine>& lines);

}  // namespace trelvani
