#include "study/exercises/exercise_run.h"

#include <algorithm>

#include "core/buttons.h"
#include "core/step_names.h"
#include "core/steps_json.h"
#include "core/text_to_number.h"
#include "protocol/reply.h"
#include "study/decision/reply.h"

namespace trelvani {
namespace {

constexpr int kDraws = 100;

// splitmix64: the same draws from the same seed on every machine.
class Draws {
public:
    explicit Draws(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state_;
};

// A whole number of units of the last decimal, as a box text: -5 with one
// decimal is "-0.5".
std::string Decimal(std::int64_t units, int decimals) {
    const std::string digits = std::to_string(units < 0 ? -units : units);
    const auto places = static_cast<std::size_t>(decimals);
    // Zeros in front, so that there is a digit before the point.
    const std::size_t zeros = decimals > 0 && digits.size() <= places ? places + 1 - digits.size() : 0;
    std::string padded(zeros, '0');
    padded += digits;
    std::string text(units < 0 ? "-" : "");
    text.append(padded, 0, padded.size() - places);
    if (decimals > 0) text.append(".").append(padded, padded.size() - places, places);
    return text;
}

std::array<std::string, 4> Drawn(const OperandRange& range, Draws& draws) {
    const auto span = static_cast<std::uint64_t>(range.to - range.from) + 1;
    std::array<std::int64_t, 4> units{};
    for (std::int64_t& unit : units) unit = range.from + static_cast<std::int64_t>(draws.Next() % span);
    std::sort(units.begin(), units.end());
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < 4; ++i) texts[i] = Decimal(units[i], range.decimals);
    return texts;
}

std::optional<std::array<std::string, 4>> Operand(const OperandSource& source, Draws& draws) {
    if (const auto* texts = std::get_if<std::array<std::string, 4>>(&source)) return *texts;
    if (const auto* range = std::get_if<OperandRange>(&source)) return Drawn(*range, draws);
    return std::nullopt;
}

// "Sean X = (1; 2; 3; 4) e Y = (5; 6; 7; 8)." and "Calcule Z = X · Y y su centroide."
std::string Statement(const Exercise& exercise, const std::vector<const Button*>& buttons,
                      const std::optional<std::string>& given) {
    std::string data;
    if (exercise.x && exercise.y) {
        data = std::string("Sean X = ") + FourTexts(exercise.x->data()) + " e Y = " + FourTexts(exercise.y->data()) + ".";
    } else if (exercise.x || exercise.y) {
        data = std::string("Sea ") + (exercise.x ? "X = " : "Y = ") + FourTexts((exercise.x ? *exercise.x : *exercise.y).data()) + ".";
    }
    if (given) return data.empty() ? *given : *given + " " + data;
    std::vector<std::string> tasks;
    for (const Button* button : buttons) {
        // Right after a result Z, its centroid is asked in the same breath.
        if (button->id == ButtonId::Defuzzify && !tasks.empty() && tasks.back().starts_with("calcule Z")) {
            tasks.back() += " y su centroide";
            continue;
        }
        tasks.emplace_back(ExerciseTask(button->id));
    }
    std::string asked;
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        asked += i == 0 ? "" : i + 1 == tasks.size() ? " y " : ", ";
        asked += tasks[i];
    }
    asked[0] = 'C';
    return data.empty() ? asked + "." : data + " " + asked + ".";
}

// "División por cero en z1 = x1 / y4".
std::string Failure(const ClickRecord& click) {
    std::string words(click.error->description());
    if (!click.steps.empty() && click.steps.back().error) {
        words.append(" en ").append(click.steps.back().name).append(" = ").append(click.steps.back().formula);
    }
    return words;
}

// The numbers and the choice a click asks for.
void Ask(ExerciseClick& click, const MemoryControls& controls, const AnswerKey& key) {
    switch (ComputedBy(click.record.button->id)) {
    case Computed::CopiedOperand:
        for (const Step& step : click.record.steps) {
            if ((step.name == step::kMeanX || step.name == step::kMeanY) && step.value) {
                click.numbers.push_back({std::string(step.name), ShortestText(*step.value), *step.value, {}});
            }
            if (step.name == step::kCopied) click.kept = std::string(step.formula);
        }
        if (click.kept.empty()) click.kept = kBothEqual;
        return;
    case Computed::Centroid: {
        const auto& def = key.Expected(4);
        click.numbers.push_back({std::string(BoxName(Box::Def)), std::string(controls.View(Box::Def)), def.value,
                                 def.slips});
        return;
    }
    case Computed::Nothing:
        return;
    case Computed::Z:
        break;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        const Box box = kAllBoxes[8 + i];
        const auto& result = key.Expected(i);
        click.numbers.push_back({std::string(BoxName(box)), std::string(controls.View(box)), result.value, result.slips});
    }
}

// Runs one exercise; a runtime error comes back as its words.
std::optional<std::string> Run(Exercise& exercise, const std::vector<const Button*>& buttons) {
    MemoryControls controls;
    for (std::size_t row = 0; row < 2; ++row) {
        const auto& texts = row == 0 ? exercise.x : exercise.y;
        if (!texts) continue;
        for (std::size_t i = 0; i < 4; ++i) controls.SetText(kAllBoxes[4 * row + i], (*texts)[i]);
    }
    AnswerKey key;
    exercise.clicks.clear();
    for (const Button* button : buttons) {
        ExerciseClick click;
        click.record = RecordClick(*button, controls);
        if (click.record.error) return Failure(click.record);
        protocol::StringOutput reply;
        const std::string steps = StepsJson(click.record.steps);
        protocol::WriteReply(reply, controls, std::nullopt, steps);
        click.reply = std::move(reply.text);
        key.Update(button->id, click.record.steps);
        Ask(click, controls, key);
        exercise.clicks.push_back(std::move(click));
    }
    exercise.key = std::move(key);
    return std::nullopt;
}

// The box texts the calculator reads only in part, named with what it reads.
void Warn(const Exercise& exercise, std::vector<std::string>& warnings) {
    for (std::size_t row = 0; row < 2; ++row) {
        const auto& texts = row == 0 ? exercise.x : exercise.y;
        if (!texts) continue;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string& text = (*texts)[i];
            if (ReadsWhole(text)) continue;
            std::string read;
            try {
                read = ShortestText(TextToNumber(text));
            } catch (const RuntimeError&) {
                read = "un valor que desborda";
            }
            warnings.push_back(std::string("ejercicio ") + std::to_string(exercise.number) + ": " +
                               std::string(BoxName(kAllBoxes[4 * row + i])) + " \"" + text + "\" se lee como " + read);
        }
    }
}

// "Resuelva por TOPSIS difuso el problema de decisión con los datos y los
// convenios que siguen."
std::string DecisionStatement(decision::Method method) {
    const std::string_view name = method == decision::Method::Topsis ? "TOPSIS difuso"
                                  : method == decision::Method::Saw  ? "SAW difuso (suma ponderada)"
                                                                     : "AHP difuso (Buckley, 1985)";
    return std::string("Resuelva por ").append(name).append(" el problema de decisión con los datos y los convenios que siguen.");
}

// A decision line solved; its reason, trelvani-decision's own, names the line.
std::optional<std::string> RunDecision(const ExerciseLine& line, ExerciseSet& set) {
    Exercise exercise;
    exercise.number = set.exercises.size() + 1;
    exercise.line = line.line;
    try {
        DecisionWork work{*line.decision, decision::Solve(*line.decision), line.decisionJson, {}};
        work.reply = decision::ReplyJson(work.problem, work.solution);
        exercise.decision = std::move(work);
    } catch (const decision::DecisionError& error) {
        return std::string("línea ") + std::to_string(line.line) + ": " + error.what();
    }
    exercise.statement = line.statement ? *line.statement : DecisionStatement(line.decision->method);
    exercise.given = line.statement;
    set.exercises.push_back(std::move(exercise));
    return std::nullopt;
}

}  // namespace

std::string_view ExerciseTask(ButtonId button) {
    switch (button) {
    case ButtonId::Add: return "calcule Z = X + Y";
    case ButtonId::Subtract: return "calcule Z = X - Y";
    case ButtonId::Multiply: return "calcule Z = X · Y";
    case ButtonId::Divide: return "calcule Z = X / Y";
    case ButtonId::Maximum: return "calcule Z = Max(X, Y)";
    case ButtonId::Minimum: return "calcule Z = Min(X, Y)";
    case ButtonId::Square: return "calcule Z = X · X";
    case ButtonId::SquareRoot: return "calcule Z = Raiz(X)";
    case ButtonId::Defuzzify: return "calcule el centroide de Z";
    case ButtonId::CopyZToX: return "copie Z en X";
    case ButtonId::CopyZToY: return "copie Z en Y";
    case ButtonId::ClearOperands: return "borre X e Y";
    }
    return {};
}

std::variant<ExerciseSet, std::string> RunExerciseList(const std::vector<ExerciseLine>& lines) {
    ExerciseSet set;
    for (const ExerciseLine& line : lines) {
        if (line.decision) {
            if (auto failure = RunDecision(line, set)) return *failure;
            continue;
        }
        Draws draws(line.seed);
        const int count = line.variants > 0 ? line.variants : 1;
        for (int variant = 0; variant < count; ++variant) {
            Exercise exercise;
            exercise.number = set.exercises.size() + 1;
            exercise.line = line.line;
            exercise.variant = static_cast<std::size_t>(variant);
            exercise.ofVariants = line.variants > 0;
            std::optional<std::string> failure;
            for (int draw = 0; draw < (exercise.ofVariants ? kDraws : 1); ++draw) {
                exercise.x = Operand(line.x, draws);
                exercise.y = Operand(line.y, draws);
                failure = Run(exercise, line.buttons);
                if (!failure) break;
            }
            if (failure) {
                if (exercise.ofVariants) {
                    return std::string("línea ") + std::to_string(line.line) + ": ninguno de " + std::to_string(kDraws) +
                           " sorteos se calcula sin error (" + *failure + ")";
                }
                return std::string("ejercicio ") + std::to_string(exercise.number) + ": " + *failure;
            }
            const bool asks = std::any_of(exercise.clicks.begin(), exercise.clicks.end(), [](const ExerciseClick& c) {
                return !c.numbers.empty() || !c.kept.empty();
            });
            if (!asks) return std::string("línea ") + std::to_string(line.line) + ": el ejercicio no pide ningún resultado";
            exercise.statement = Statement(exercise, line.buttons, line.statement);
            exercise.given = line.statement;
            Warn(exercise, set.warnings);
            set.exercises.push_back(std::move(exercise));
        }
    }
    return set;
}

}  // namespace trelvani
