#include "study/decision/documents/worked_notation.h"

#include "core/steps.h"
#include "text/document_escapes.h"

namespace trelvani::decision {
namespace {

constexpr std::string_view kSubscriptDigits[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
constexpr std::string_view kCombiningTilde = "\u0303";

}  // namespace

std::string SubscriptDigits(std::size_t number) {
    std::string out;
    for (char c : std::to_string(number)) out += kSubscriptDigits[c - '0'];
    return out;
}

Notation& Notation::Number(double value) {
    const std::string text = ShortestText(value);
    text_ += text;
    // Braced, so that a sign reads as a sign and not as an operator.
    latex_.append("{").append(LatexNumber(text)).append("}");
    return *this;
}

Notation& Notation::Count(std::size_t count) { return Plain(std::to_string(count)); }

Notation& Notation::Symbol(std::string_view letter, bool fuzzy, std::string_view superscript,
                           std::initializer_list<std::size_t> indices) {
    text_ += letter;
    if (fuzzy) text_ += kCombiningTilde;
    // Names of more than one letter (CC, IC) are upright.
    const std::string latexLetter = letter.size() > 1 ? "\\mathrm{" + std::string(letter) + "}" : std::string(letter);
    latex_ += fuzzy ? "\\tilde{" + latexLetter + "}" : latexLetter;
    if (!superscript.empty()) {
        text_ += superscript == "-" ? "⁻" : superscript;
        latex_ += "^{" + std::string(superscript) + "}";
    }
    if (indices.size() == 0) return *this;
    // Indices of one digit each run together (r₁₂); longer ones take commas.
    bool short_ = true;
    for (std::size_t index : indices) short_ = short_ && index < 10;
    std::string sub;
    for (std::size_t index : indices) {
        if (!sub.empty() && !short_) sub += ",";
        sub += std::to_string(index);
    }
    for (char c : sub) text_ += c == ',' ? std::string_view(",") : kSubscriptDigits[c - '0'];
    latex_ += "_{" + sub + "}";
    return *this;
}

Notation& Notation::Plain(std::string_view text) { return Both(text, text); }

Notation& Notation::Both(std::string_view text, std::string_view latex) {
    text_ += text;
    latex_ += latex;
    return *this;
}

Notation& Notation::Equals() { return Operator(" = ", " = "); }

Notation& Notation::Result(bool rounded) { return rounded ? Operator(" ≈ ", " \\approx ") : Equals(); }

Notation& Notation::Operator(std::string_view text, std::string_view latex) { return Both(text, latex); }

Notation& Notation::Comma() { return Both(", ", ",\\allowbreak\\ "); }

Notation& Notation::Tuple(const Fuzzy& value) {
    Plain("(");
    for (std::size_t k = 0; k < value.size(); ++k) {
        if (k > 0) Comma();
        Number(value[k]);
    }
    return Plain(")");
}

Notation& Notation::Joined(const std::vector<double>& values, std::string_view text, std::string_view latex) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) Operator(text, latex);
        Number(values[i]);
    }
    return *this;
}

}  // namespace trelvani::decision
