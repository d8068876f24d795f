#include "study/decision/entry_reading.h"

#include "core/floating_charconv.h"
#include "text/character_classes.h"

namespace trelvani::decision {
namespace {

// A decimal with one point or one comma, an optional sign and an optional
// exponent, spelt as the correctly rounded reader takes it; none when the
// text is not such a decimal.
std::optional<std::string> PlainDecimal(std::string_view text) {
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    bool digits = false;
    bool separator = false;
    for (; i < text.size(); ++i) {
        if (IsAsciiDigit(text[i])) {
            plain += text[i];
            digits = true;
        } else if ((text[i] == '.' || text[i] == ',') && !separator) {
            plain += '.';
            separator = true;
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        if (i == text.size() || !IsAsciiDigit(text[i])) return std::nullopt;
        while (i < text.size() && IsAsciiDigit(text[i])) plain += text[i++];
    }
    if (i != text.size()) return std::nullopt;
    return plain;
}

// The double nearest to a decimal text; none when it is beyond the range.
std::optional<double> NearestDouble(const std::string& decimal) {
    double value = 0.0;
    const auto [end, error] = ReadDouble(decimal.data(), decimal.data() + decimal.size(), value);
    if (error != std::errc() || end != decimal.data() + decimal.size()) return std::nullopt;
    return value;
}

// A number as a JSON number or as its decimal text; `written` is its text as given.
double ReadNumber(const JsonValue& value, const PlaceName& place, std::string& written) {
    std::optional<std::string> decimal;
    if (value.kind == JsonValue::Kind::Number) {
        written = value.text;
        decimal = value.text;
    } else if (value.kind == JsonValue::Kind::String) {
        written = TrimBlanks(value.text);
        decimal = PlainDecimal(written);
        if (!decimal) throw DecisionError(place() + ": «" + value.text + "» no es un número");
    } else {
        throw DecisionError(place() + ": un número difuso lleva 3 o 4 números");
    }
    const std::optional<double> number = NearestDouble(*decimal);
    if (!number) throw DecisionError(place() + ": «" + written + "» pasa del rango del double");
    return *number;
}

}  // namespace

Fuzzy ReadFuzzyArray(const JsonValue& value, const PlaceName& place, std::string& text) {
    const std::size_t count = value.items.size();
    if (value.kind != JsonValue::Kind::Array || (count != 3 && count != 4)) {
        throw DecisionError(place() + ": un número difuso lleva 3 o 4 números");
    }
    std::array<double, 4> read{};
    text.assign(1, '(');
    for (std::size_t k = 0; k < count; ++k) {
        std::string written;
        read[k] = ReadNumber(value.items[k], place, written);
        if (k > 0) text += ", ";
        text += written;
    }
    text += ")";
    const Fuzzy fuzzy = count == 3 ? Fuzzy{read[0], read[1], read[1], read[2]} : read;
    if (!(fuzzy[0] <= fuzzy[1] && fuzzy[1] <= fuzzy[2] && fuzzy[2] <= fuzzy[3])) {
        throw DecisionError(place() + ": " + text + " no está en orden (a1 ≤ a2 ≤ a3 ≤ a4)");
    }
    return fuzzy;
}

Entry ReadEntry(const JsonValue& value, const Scale& scale, ScaleRole role, const PlaceName& place,
                bool& fourComponents) {
    Entry entry;
    switch (value.kind) {
    case JsonValue::Kind::String:
        if (const ScaleTerm* term = FindTerm(scale, value.text)) {
            entry.text = TrimBlanks(value.text);
            entry.value = term->value;
            fourComponents = fourComponents || term->fourComponents;
            return entry;
        }
        if (const auto decimal = PlainDecimal(TrimBlanks(value.text))) {
            const double x = ReadNumber(value, place, entry.text);
            entry.value = {x, x, x, x};
            return entry;
        }
        throw DecisionError(place() + ": «" + value.text + "» no es un término de la " +
                            ScaleDescription(role, scale));
    case JsonValue::Kind::Number: {
        const double x = ReadNumber(value, place, entry.text);
        entry.value = {x, x, x, x};
        return entry;
    }
    case JsonValue::Kind::Array:
        entry.value = ReadFuzzyArray(value, place, entry.text);
        fourComponents = fourComponents || value.items.size() == 4;
        return entry;
    default:
        throw DecisionError(place() + ": una entrada es un término, un número o una lista de 3 o 4 números");
    }
}

}  // namespace trelvani::decision
