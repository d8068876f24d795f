#include "text/document_escapes.h"

#include <cstdint>

#include "text/utf8.h"

namespace trelvani {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Reads one UTF-8 character at `i`, moving past it.
char32_t NextCharacter(std::string_view text, std::size_t& i) {
    const Utf8Character character = Utf8CharacterAt(text, i);
    i += character.length;
    return character.code;
}

// The levels of the α-cuts are named by the letter itself.
constexpr char32_t kAlpha = 0x3B1;
constexpr std::string_view kLatexAlpha = "\\ensuremath{\\alpha}";

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20; }

bool IsAsciiPunctuation(char c) {
    return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') || (c >= '{' && c <= '~');
}

std::string Hex(char32_t code) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (int shift = code > 0xFFFFF ? 20 : code > 0xFFFF ? 16 : 12; shift >= 0; shift -= 4) out += kDigits[(code >> shift) & 0xF];
    return out;
}

// The LaTeX for one printable ASCII character, written so that it forms
// no ligature with the next and is not a shorthand of Spanish babel.
std::string_view LatexAscii(char c) {
    switch (c) {
    case '\\': return "\\textbackslash{}";
    case '{': return "\\{";
    case '}': return "\\}";
    case '#': return "\\#";
    case '$': return "\\$";
    case '%': return "\\%";
    case '&': return "\\&";
    case '_': return "\\_";
    case '~': return "\\textasciitilde{}";
    case '^': return "\\textasciicircum{}";
    case '<': return "\\textless{}";
    case '>': return "\\textgreater{}";
    case '|': return "\\textbar{}";
    case '"': return "\\textquotedbl{}";
    case '\'': return "\\textquotesingle{}";
    case '`': return "\\textasciigrave{}";
    case '-': return "-{}";
    case ',': return ",{}";
    case ' ': return "\\ ";
    default: return {};
    }
}

}  // namespace

std::string LatexText(std::string_view typed) {
    // A break is allowed after this many characters without a space.
    constexpr int kBreakEvery = 8;
    // Source lines are cut at about this length.
    constexpr std::size_t kSourceLine = 72;
    std::string out;
    std::size_t lineStart = 0;
    int sinceBreak = 0;
    for (std::size_t i = 0; i < typed.size();) {
        const std::size_t start = i;
        const char32_t code = NextCharacter(typed, i);
        if (code >= 0x20 && code < 0x7F) {
            const char c = static_cast<char>(code);
            const std::string_view escaped = LatexAscii(c);
            if (escaped.empty()) {
                out += c;
            } else {
                out += escaped;
            }
            sinceBreak = c == ' ' ? 0 : sinceBreak + 1;
        } else if (code >= 0xA0 && code <= 0xFF) {
            out.append(typed.substr(start, i - start));  // Latin-1, set by T1 as it is
            ++sinceBreak;
        } else if (code == kAlpha) {
            out += kLatexAlpha;
        } else {
            out += "\\fbox{U+" + Hex(code) + "}";
            sinceBreak = kBreakEvery;
        }
        if (sinceBreak >= kBreakEvery && i < typed.size()) {
            out += "\\allowbreak{}";
            sinceBreak = 0;
        }
        if (out.size() - lineStart >= kSourceLine && i < typed.size()) {
            out += "%\n";
            lineStart = out.size();
        }
    }
    return out;
}

std::string LatexProse(std::string_view sentence) {
    std::string out;
    for (std::size_t i = 0; i < sentence.size(); ++i) {
        const char c = sentence[i];
        if (sentence.substr(i, 2) == "\u03b1") {
            out += kLatexAlpha;
            ++i;
            continue;
        }
        const std::string_view escaped = c == ' ' ? std::string_view() : LatexAscii(c);
        if (escaped.empty()) {
            out += c;
        } else {
            out += escaped;
        }
    }
    return out;
}

std::string MarkdownText(std::string_view typed) {
    std::string out;
    out.reserve(typed.size() * 2);
    for (const char c : typed) {
        if (c == '\n' || c == '\r' || c == '\t') {
            out += ' ';
        } else if (IsControl(c)) {
            out += kReplacement;
        } else {
            if (IsAsciiPunctuation(c)) out += '\\';
            out += c;
        }
    }
    return out;
}

namespace {

// A number as the calculator writes one: blanks, an optional sign, digits
// or a point with digits or both, and an optional exponent.
bool IsPlainNumber(std::string_view text) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        return i > start;
    };
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    bool any = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        any = digits() || any;
    }
    if (!any) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        if (!digits()) return false;
    }
    return i == text.size();
}

}  // namespace

std::string CsvField(std::string_view typed) {
    std::string out;
    AppendCsvField(out, typed);
    return out;
}

void AppendCsvField(std::string& out, std::string_view typed) {
    // What a spreadsheet would read a formula from: the first character
    // after blanks and control characters (written as U+FFFD), or a
    // leading tab or CR.
    const auto isReplaced = [](char c) { return IsControl(c) && c != '\t' && c != '\r' && c != '\n'; };
    std::size_t first = 0;
    while (first < typed.size() && (typed[first] == ' ' || isReplaced(typed[first]) ||
                                    typed.substr(first, kReplacement.size()) == kReplacement)) {
        first += typed.substr(first, kReplacement.size()) == kReplacement ? kReplacement.size() : 1;
    }
    const bool formulaStart = first < typed.size() && std::string_view("=+-@").find(typed[first]) != std::string_view::npos;
    const bool guarded = !typed.empty() && (typed[0] == '\t' || typed[0] == '\r' || (formulaStart && !IsPlainNumber(typed)));
    out += guarded ? "\"'" : "\"";
    for (const char c : typed) {
        if (isReplaced(c)) {
            out += kReplacement;
        } else {
            if (c == '"') out += '"';
            out += c;
        }
    }
    out += '"';
}

std::string LatexNumber(std::string_view number) {
    const std::size_t e = number.find('e');
    if (e == std::string_view::npos) return std::string(number);
    std::string_view exponent = number.substr(e + 1);
    const bool negative = exponent.starts_with('-');
    if (negative || exponent.starts_with('+')) exponent.remove_prefix(1);
    while (exponent.size() > 1 && exponent.front() == '0') exponent.remove_prefix(1);
    std::string out(number.substr(0, e));
    out.append(" \\cdot 10^{").append(negative ? "-" : "").append(exponent).append("}");
    return out;
}

}  // namespace trelvani
