#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "study/exercises/exercise_run.h"

namespace trelvani {

// The documents an exercise list becomes: a student sheet, or with `key`
// the worked answer key; a quiz always carries its answers, each number
// within half a unit of the `decimals`-th decimal.
enum class ExerciseFormat { Latex, Markdown, Html, Moodle, Gift, Json };

// Each format by the name --formato and the page give it, with the file it
// is saved as.
struct NamedExerciseFormat {
    std::string_view name;
    ExerciseFormat format;
    std::string_view extension;
    std::string_view mediaType;
};
inline constexpr NamedExerciseFormat kExerciseFormats[] = {
    {"latex", ExerciseFormat::Latex, "tex", "application/x-tex"},
    {"markdown", ExerciseFormat::Markdown, "md", "text/markdown"},
    {"html", ExerciseFormat::Html, "html", "text/html"},
    {"moodle", ExerciseFormat::Moodle, "xml", "application/xml"},
    {"gift", ExerciseFormat::Gift, "txt", "text/plain"},
    {"json", ExerciseFormat::Json, "jsonl", "application/jsonl"},
};
std::optional<ExerciseFormat> ExerciseFormatNamed(std::string_view name);

// A quiz's tolerance is written to at most this many decimals: a double
// holds no more.
inline constexpr int kMostDecimals = 15;
// What the page says of decimals it cannot take: "Decimales: un entero de 0 a 15."
std::string DecimalsLimitSentence();
// Decimals as typed ("4", "04"), or nothing unless one or two digits for a
// number of 0 to kMostDecimals.
std::optional<int> ReadDecimals(std::string_view text);

struct DocumentOptions {
    bool key = false;
    int decimals = 2;  // 0 to kMostDecimals
    // With a base, each exercise's link under it: BASE#X=…&botones=….
    std::string linkBase;
};

// Whether a base can go before a link: http, https or file, or a path.
bool UsableLinkBase(std::string_view base);
// The exercise's link under `base`, "" without a base.
std::string ExerciseLinkOf(const Exercise& exercise, std::string_view base);

std::string ExerciseDocument(ExerciseFormat format, const ExerciseSet& set, const DocumentOptions& options);

std::string ExercisesAsLatex(const ExerciseSet& set, const DocumentOptions& options);
std::string ExercisesAsMarkdown(const ExerciseSet& set, const DocumentOptions& options);
std::string ExercisesAsHtml(const ExerciseSet& set, const DocumentOptions& options);
std::string ExercisesAsMoodle(const ExerciseSet& set, const DocumentOptions& options);
std::string ExercisesAsGift(const ExerciseSet& set, const DocumentOptions& options);
std::string ExercisesAsJson(const ExerciseSet& set, const DocumentOptions& options);

// What the documents share.

// "Ejercicio 3".
std::string ExerciseTitle(const Exercise& exercise);
// What a click asks, as a line of the key: "Multiplicacion (X): ZI \" 5\",
// ZII \" 12\", …", "Maximo (Max): mX 2.5, mY 6.5; operando elegido: Y".
// None for a click that asks nothing.
std::vector<std::string> ResultLines(const Exercise& exercise);
// What the sheet asks the student to find: "ZI, ZII, ZIII, ZIV y Def".
std::string AskedLabels(const Exercise& exercise);
// What a decision exercise asks: each alternative's final value (CC, or S's
// crisp value; in AHP each criterion's weight) and the best one, named as typed.
struct DecisionQuestions {
    std::vector<std::pair<std::string, double>> numbers;  // "CC de A1", 0.638…
    // The same without the typed names, for titles: "CC de la alternativa 1".
    std::vector<std::string> titles;
    std::string choice;                                  // "Mejor alternativa"
    std::vector<std::string> options;
    std::size_t best = 0;                                // the reply's orden[0]
};
DecisionQuestions DecisionAsked(const DecisionWork& work);
bool HasDecision(const ExerciseSet& set);
// A box text as a quiz's number: no leading blank, a 0 before a leading
// point (" .5" is "0.5", "-.5" is "-0.5").
std::string QuizNumber(std::string_view text);
// Half a unit of the `decimals`-th decimal: 2 gives "0.005".
std::string Tolerance(int decimals);
double ToleranceValue(int decimals);

}  // namespace trelvani
