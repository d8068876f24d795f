#include "study/exercises/exercise_list.h"

#include <cmath>
#include <limits>

#include <nlohmann/json.hpp>

#include "core/buttons.h"
#include "core/floating_charconv.h"
#include "core/powers_of_ten.h"
#include "study/decision/problem_reading.h"
#include "text/json_number_texts.h"

namespace trelvani {
namespace {

constexpr std::size_t kMaxButtons = 20;
constexpr int kMaxDecimals = 6;
// Ranges stay where their units of the last decimal are whole and exact.
constexpr double kMaxMagnitude = 1e9;

// Reads one line as it is lexed and stops at the first thing it cannot use.
class LineReader final : public nlohmann::json_sax<nlohmann::json> {
public:
    LineReader(ExerciseLine& out, std::vector<std::string> numbers) : out_(out), numbers_(std::move(numbers)) {}

    std::optional<std::string> reason;
    bool decision = false;

    bool null() override { return Unexpected(); }
    bool boolean(bool) override { return Unexpected(); }
    bool number_integer(number_integer_t value) override { return Number(static_cast<double>(value), true); }
    bool number_unsigned(number_unsigned_t value) override { return Number(static_cast<double>(value), true); }
    bool number_float(number_float_t, const string_t&) override { return Number(0.0, false); }
    bool binary(binary_t&) override { return Unexpected(); }

    bool string(string_t& text) override {
        switch (expecting_) {
        case Expecting::Component:
            return Component(std::move(text));
        case Expecting::Button: {
            const Button* button = ButtonNamed(text);
            if (button == nullptr) return Fail("botón desconocido: " + text);
            if (out_.buttons.size() == kMaxButtons) return Fail("\"botones\" admite como mucho 20 botones");
            out_.buttons.push_back(button);
            return true;
        }
        case Expecting::Statement:
            if (text.size() > kMaxStatementBytes) return Fail("el enunciado pasa de 4000 bytes");
            out_.statement = std::move(text);
            expecting_ = Expecting::Key;
            return true;
        default:
            return Unexpected();
        }
    }

    bool start_object(std::size_t) override {
        if (expecting_ == Expecting::Line) {
            expecting_ = Expecting::Key;
            return true;
        }
        if (expecting_ == Expecting::Operand) {
            range_ = {};
            seenRange_ = {};
            expecting_ = Expecting::RangeKey;
            return true;
        }
        return Unexpected();
    }

    bool end_object() override {
        if (expecting_ == Expecting::RangeKey) {
            if (!seenRange_[0] || !seenRange_[1] || !seenRange_[2]) {
                return Fail("el rango de " + operand_ + " necesita \"desde\", \"hasta\" y \"decimales\"");
            }
            return EndRange();
        }
        expecting_ = Expecting::Done;
        return true;
    }

    bool start_array(std::size_t) override {
        if (expecting_ == Expecting::Operand) {
            components_ = {};
            count_ = 0;
            expecting_ = Expecting::Component;
            return true;
        }
        if (expecting_ == Expecting::ButtonList) {
            expecting_ = Expecting::Button;
            return true;
        }
        return Unexpected();
    }

    bool end_array() override {
        if (expecting_ == Expecting::Component) {
            if (count_ != 4) return Fail(operand_ + " debe tener cuatro componentes");
            (operand_ == "X" ? out_.x : out_.y) = components_;
            expecting_ = Expecting::Key;
            return true;
        }
        if (expecting_ == Expecting::Button) {
            if (out_.buttons.empty()) return Fail("\"botones\" necesita al menos un botón");
            expecting_ = Expecting::Key;
            return true;
        }
        return Unexpected();
    }

    bool key(string_t& name) override {
        // A decision problem is read whole by the decision reader.
        if (expecting_ == Expecting::Key && name == "decision") {
            decision = true;
            return false;
        }
        if (expecting_ == Expecting::RangeKey) {
            const std::string_view keys[] = {"desde", "hasta", "decimales"};
            for (std::size_t i = 0; i < 3; ++i) {
                if (name != keys[i]) continue;
                if (seenRange_[i]) return Fail("clave repetida: " + name);
                seenRange_[i] = true;
                rangeMember_ = i;
                expecting_ = Expecting::RangeNumber;
                return true;
            }
            return Fail("clave desconocida en el rango de " + operand_ + ": " + name);
        }
        const std::string_view keys[] = {"X", "Y", "botones", "enunciado", "variantes", "semilla"};
        const Expecting next[] = {Expecting::Operand,   Expecting::Operand,  Expecting::ButtonList,
                                  Expecting::Statement, Expecting::Variants, Expecting::Seed};
        for (std::size_t i = 0; i < 6; ++i) {
            if (name != keys[i]) continue;
            if (seen_[i]) return Fail("clave repetida: " + name);
            seen_[i] = true;
            operand_ = name;
            expecting_ = next[i];
            return true;
        }
        return Fail("clave desconocida: " + name);
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return Fail("JSON no válido");
    }

    bool seenButtons() const { return seen_[2]; }
    bool seenVariants() const { return seen_[4]; }
    bool seenSeed() const { return seen_[5]; }

private:
    enum class Expecting {
        Line, Key, Operand, Component, RangeKey, RangeNumber, ButtonList, Button, Statement, Variants, Seed, Done
    };

    bool Component(std::string text) {
        if (count_ == 4) return Fail(operand_ + " debe tener cuatro componentes");
        if (text.size() > kMaxBoxBytes) return Fail("un componente de " + operand_ + " pasa de 1000 bytes");
        components_[count_++] = std::move(text);
        return true;
    }

    // Every number of the line, with its text as written.
    bool Number(double whole, bool isInteger) {
        const std::string text = next_ < numbers_.size() ? numbers_[next_] : std::string();
        ++next_;
        switch (expecting_) {
        case Expecting::Component:
            return Component(text);
        case Expecting::RangeNumber: {
            double value = 0.0;
            const auto [end, error] = ReadDouble(text.data(), text.data() + text.size(), value);
            if (error != std::errc() || end != text.data() + text.size() || !(std::fabs(value) <= kMaxMagnitude)) {
                return Fail("rango imposible en " + operand_ + ": " + text);
            }
            rangeValues_[rangeMember_] = value;
            expecting_ = Expecting::RangeKey;
            return true;
        }
        case Expecting::Variants:
            if (!isInteger || whole < 1 || whole > static_cast<double>(kMaxExercises)) {
                return Fail("\"variantes\" debe ser un entero de 1 a 1000");
            }
            out_.variants = static_cast<int>(whole);
            expecting_ = Expecting::Key;
            return true;
        case Expecting::Seed: {
            std::uint64_t seed = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
            if (!isInteger || error != std::errc() || end != text.data() + text.size()) {
                return Fail("\"semilla\" debe ser un entero no negativo");
            }
            out_.seed = seed;
            expecting_ = Expecting::Key;
            return true;
        }
        default:
            return Unexpected();
        }
    }

    bool EndRange() {
        const double decimals = rangeValues_[2];
        if (decimals != std::floor(decimals) || decimals < 0 || decimals > kMaxDecimals) {
            return Fail("\"decimales\" de " + operand_ + " debe ser un entero de 0 a 6");
        }
        const double scale = PowerOfTen(static_cast<std::size_t>(decimals));
        const double from = std::ceil(rangeValues_[0] * scale);
        const double to = std::floor(rangeValues_[1] * scale);
        if (!(from <= to)) return Fail("rango imposible en " + operand_ + ": \"desde\" pasa de \"hasta\"");
        (operand_ == "X" ? out_.x : out_.y) =
            OperandRange{static_cast<std::int64_t>(from), static_cast<std::int64_t>(to), static_cast<int>(decimals)};
        expecting_ = Expecting::Key;
        return true;
    }

    bool Unexpected() {
        switch (expecting_) {
        case Expecting::Line:
            return Fail("se esperaba un objeto JSON");
        case Expecting::Operand:
        case Expecting::Component:
            return Fail(operand_ + " debe ser una lista de cuatro textos o números, o un rango");
        case Expecting::RangeNumber:
            return Fail("el rango de " + operand_ + " lleva números");
        case Expecting::ButtonList:
        case Expecting::Button:
            return Fail("\"botones\" debe ser una lista de nombres de botón");
        case Expecting::Statement:
            return Fail("\"enunciado\" debe ser un texto");
        case Expecting::Variants:
            return Fail("\"variantes\" debe ser un entero de 1 a 1000");
        case Expecting::Seed:
            return Fail("\"semilla\" debe ser un entero no negativo");
        default:
            return Fail("JSON no válido");
        }
    }

    bool Fail(std::string why) {
        if (!reason) reason = std::move(why);
        return false;
    }

    ExerciseLine& out_;
    std::vector<std::string> numbers_;
    std::size_t next_ = 0;
    Expecting expecting_ = Expecting::Line;
    std::array<bool, 6> seen_{};
    std::string operand_;
    std::array<std::string, 4> components_;
    std::size_t count_ = 0;
    OperandRange range_;
    std::array<bool, 3> seenRange_{};
    std::array<double, 3> rangeValues_{};
    std::size_t rangeMember_ = 0;
};

// {"decision": {…}, "enunciado": "…"}: the problem and its statement, nothing
// drawn; the problem's reasons are trelvani-decision's own.
std::optional<std::string> ReadDecisionLine(std::string_view text, ExerciseLine& line) {
    try {
        const decision::JsonValue root = decision::ParseJson(text);
        for (const auto& [key, value] : root.members) {
            if (key == "enunciado") {
                if (value.kind != decision::JsonValue::Kind::String) return "\"enunciado\" debe ser un texto";
                if (value.text.size() > kMaxStatementBytes) return "el enunciado pasa de 4000 bytes";
                line.statement = value.text;
            } else if (key == "variantes" || key == "semilla") {
                return "\"" + key + "\" no cabe en un problema de decisión: sus datos son los dados, no se sortean";
            } else if (key == "X" || key == "Y" || key == "botones") {
                return "\"" + key + "\" no cabe junto a \"decision\"";
            } else if (key != "decision") {
                return "clave desconocida: " + key;
            }
        }
        const decision::JsonValue& problem = *root.Member("decision");
        if (problem.kind != decision::JsonValue::Kind::Object) {
            return "\"decision\" debe ser un objeto: un problema como los que lee trelvani-decision";
        }
        line.decision = decision::ReadProblem(problem);
        line.decisionJson = decision::JsonText(problem);
    } catch (const decision::DecisionError& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadExerciseLine(std::string_view text, ExerciseLine& line) {
    if (text.size() > kMaxListLineBytes) return "la línea pasa de 64 KiB";
    if (text.find('\0') != std::string_view::npos) return "la línea contiene un byte nulo";
    LineReader reader(line, NumberTexts(text));
    if (!nlohmann::json::sax_parse(text.begin(), text.end(), &reader)) {
        if (reader.decision) {
            ExerciseLine fresh;
            fresh.line = line.line;
            line = std::move(fresh);
            return ReadDecisionLine(text, line);
        }
        return reader.reason ? std::move(reader.reason) : "JSON no válido";
    }
    if (!reader.seenButtons()) return "falta \"botones\"";
    if (reader.seenVariants() != reader.seenSeed()) return "\"variantes\" y \"semilla\" van juntas";
    const bool ranged = std::holds_alternative<OperandRange>(line.x) || std::holds_alternative<OperandRange>(line.y);
    if (ranged && !reader.seenVariants()) return "un rango necesita \"variantes\" y \"semilla\"";
    return std::nullopt;
}

std::variant<std::vector<ExerciseLine>, std::string> ReadExerciseList(std::string_view text) {
    std::vector<ExerciseLine> lines;
    std::size_t exercises = 0;
    std::size_t number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(" \t\r") == std::string_view::npos) continue;
        ExerciseLine read;
        read.line = number;
        if (auto reason = ReadExerciseLine(line, read)) {
            return std::string("línea ") + std::to_string(number) + ": " + *reason;
        }
        exercises += read.variants > 0 ? static_cast<std::size_t>(read.variants) : 1;
        if (exercises > kMaxExercises) {
            return std::string("línea ") + std::to_string(number) + ": la lista pasa de 1000 ejercicios";
        }
        lines.push_back(std::move(read));
    }
    if (lines.empty()) return std::string("la lista no tiene ningún ejercicio");
    return lines;
}

}  // namespace trelvani
