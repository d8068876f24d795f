#include "study/exercise_documents.h"

#include <cmath>

#include "fields/steps.h"

namespace trelvani {

std::optional<ExerciseFormat> ExerciseFormatNamed(std::string_view name) {
    constexpr std::pair<std::string_view, ExerciseFormat> kFormats[] = {
        {"latex", ExerciseFormat::Latex}, {"markdown", ExerciseFormat::Markdown}, {"html", ExerciseFormat::Html},
        {"moodle", ExerciseFormat::Moodle}, {"gift", ExerciseFormat::Gift},       {"json", ExerciseFormat::Json},
    };
    for (const auto& [formatName, format] : kFormats) {
        if (formatName == name) return format;
    }
    return std::nullopt;
}

std::string ExerciseDocument(ExerciseFormat format, const ExerciseSet& set, const DocumentOptions& options) {
    switch (format) {
    case ExerciseFormat::Latex: return ExercisesAsLatex(set, options.key);
    case ExerciseFormat::Markdown: return ExercisesAsMarkdown(set, options.key);
    case ExerciseFormat::Html: return ExercisesAsHtml(set, options.key);
    case ExerciseFormat::Moodle: return ExercisesAsMoodle(set, options.decimals);
    case ExerciseFormat::Gift: return ExercisesAsGift(set, options.decimals);
    case ExerciseFormat::Json: break;
    }
    return ExercisesAsJson(set);
}

std::string ExerciseTitle(const Exercise& exercise) { return std::string("Ejercicio ") + std::to_string(exercise.number); }

std::vector<std::string> ResultLines(const Exercise& exercise) {
    std::vector<std::string> lines;
    for (const ExerciseClick& click : exercise.clicks) {
        if (click.numbers.empty() && click.kept.empty()) continue;
        std::string line = std::string(click.record.button) + " (" + std::string(click.record.caption) + "): ";
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

std::string Tolerance(int decimals) { return std::string("0.") + std::string(static_cast<std::size_t>(decimals), '0') + "5"; }

double ToleranceValue(int decimals) { return 0.5 * std::pow(10.0, -decimals); }

}  // namespace trelvani
