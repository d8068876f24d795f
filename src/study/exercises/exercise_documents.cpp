#include "study/exercises/exercise_documents.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "core/powers_of_ten.h"
#include "core/steps.h"
#include "study/exercises/exercise_link.h"

namespace trelvani {

std::optional<ExerciseFormat> ExerciseFormatNamed(std::string_view name) {
    for (const NamedExerciseFormat& named : kExerciseFormats) {
        if (named.name == name) return named.format;
    }
    return std::nullopt;
}

std::string ExerciseDocument(ExerciseFormat format, const ExerciseSet& set, const DocumentOptions& options) {
    switch (format) {
    case ExerciseFormat::Latex: return ExercisesAsLatex(set, options);
    case ExerciseFormat::Markdown: return ExercisesAsMarkdown(set, options);
    case ExerciseFormat::Html: return ExercisesAsHtml(set, options);
    case ExerciseFormat::Moodle: return ExercisesAsMoodle(set, options);
    case ExerciseFormat::Gift: return ExercisesAsGift(set, options);
    case ExerciseFormat::Json: break;
    }
    return ExercisesAsJson(set, options);
}

bool UsableLinkBase(std::string_view base) {
    const std::size_t colon = base.find(':');
    if (colon == std::string_view::npos || colon > base.find('/')) return base.find('#') == std::string_view::npos;
    const std::string_view scheme = base.substr(0, colon);
    return (scheme == "http" || scheme == "https" || scheme == "file") && base.find('#') == std::string_view::npos;
}

std::string ExerciseLinkOf(const Exercise& exercise, std::string_view base) {
    if (base.empty() || exercise.decision) return {};
    LinkedExercise linked{exercise.x, exercise.y, {}, exercise.given};
    for (const ExerciseClick& click : exercise.clicks) linked.buttons.emplace_back(click.record.button->name);
    return std::string(base).append("#").append(ExerciseFragment(linked));
}

std::string ExerciseTitle(const Exercise& exercise) { return std::string("Ejercicio ") + std::to_string(exercise.number); }

DecisionQuestions DecisionAsked(const DecisionWork& work) {
    const decision::Problem& p = work.problem;
    const decision::Solution& s = work.solution;
    DecisionQuestions asked;
    const bool ahp = p.method == decision::Method::Ahp;
    asked.options = ahp ? p.criteria : p.alternatives;
    const std::vector<double>& values = ahp ? s.normalisedWeights : p.method == decision::Method::Saw ? s.values : s.closeness;
    const std::string label = ahp ? "peso de " : p.method == decision::Method::Saw ? "valor nítido de S de " : "CC de ";
    for (std::size_t i = 0; i < values.size() && i < asked.options.size(); ++i) {
        asked.numbers.emplace_back(label + asked.options[i], values[i]);
        asked.titles.push_back(ahp ? "peso del criterio " + std::to_string(i + 1) : label + "la alternativa " + std::to_string(i + 1));
    }
    asked.choice = ahp ? "Criterio de más peso" : "Mejor alternativa";
    asked.best = s.order.empty() ? 0 : s.order.front();
    return asked;
}

bool HasDecision(const ExerciseSet& set) {
    return std::any_of(set.exercises.begin(), set.exercises.end(), [](const Exercise& e) { return e.decision.has_value(); });
}

std::vector<std::string> ResultLines(const Exercise& exercise) {
    std::vector<std::string> lines;
    if (exercise.decision) {
        const DecisionQuestions asked = DecisionAsked(*exercise.decision);
        for (const auto& [label, value] : asked.numbers) lines.push_back(label + ": " + ShortestText(value));
        if (asked.best < asked.options.size()) lines.push_back(asked.choice + ": " + asked.options[asked.best]);
        return lines;
    }
    for (const ExerciseClick& click : exercise.clicks) {
        if (click.numbers.empty() && click.kept.empty()) continue;
        std::string line = OperationWords(*click.record.button) + ": ";
        const bool ranked = !click.kept.empty();
        for (std::size_t i = 0; i < click.numbers.size(); ++i) {
            const AskedNumber& number = click.numbers[i];
            line.append(i == 0 ? "" : ", ").append(number.label).append(" ");
            line.append(ranked ? number.text : "\"" + number.text + "\"");
        }
        if (ranked) line.append("; ").append(kOperandKept).append(": ").append(click.kept);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string AskedLabels(const Exercise& exercise) {
    if (exercise.decision) {
        switch (exercise.decision->problem.method) {
        case decision::Method::Topsis: return "el coeficiente de proximidad CC de cada alternativa y la mejor alternativa";
        case decision::Method::Saw: return "el valor nítido de S de cada alternativa y la mejor alternativa";
        case decision::Method::Ahp: return "el peso normalizado de cada criterio y el criterio de más peso";
        }
    }
    std::vector<std::string> labels;
    for (const ExerciseClick& click : exercise.clicks) {
        for (const AskedNumber& number : click.numbers) labels.push_back(number.label);
        if (!click.kept.empty()) labels.emplace_back("el operando elegido");
    }
    std::string out;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        out.append(i == 0 ? "" : i + 1 == labels.size() ? " y " : ", ").append(labels[i]);
    }
    return out;
}

std::string QuizNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    if (text.starts_with("-.")) return std::string("-0").append(text.substr(1));
    if (text.starts_with(".")) return std::string("0").append(text);
    return std::string(text);
}

std::string DecimalsLimitSentence() {
    std::array<char, 8> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), kMostDecimals).ptr;
    return "Decimales: un entero de 0 a " + std::string(digits.data(), end) + ".";
}

std::optional<int> ReadDecimals(std::string_view text) {
    // No more digits than the limit has: "007" is not taken for 7.
    static_assert(kMostDecimals < 100);
    if (text.size() > 2) return std::nullopt;
    int decimals = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), decimals);
    if (error != std::errc() || end != text.data() + text.size() || decimals < 0 || decimals > kMostDecimals) {
        return std::nullopt;
    }
    return decimals;
}

std::string Tolerance(int decimals) { return std::string("0.") + std::string(static_cast<std::size_t>(decimals), '0') + "5"; }

// 0.5 / 10^N is the double nearest half a unit, as 0.5 · 10^-N would be
// with a correctly rounded power.
double ToleranceValue(int decimals) { return 0.5 / PowerOfTen(static_cast<std::size_t>(decimals)); }

}  // namespace trelvani
