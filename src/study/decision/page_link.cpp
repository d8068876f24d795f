#include "study/decision/page_link.h"

#include "study/decision/page_description.h"

namespace trelvani::decision {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

LinkProblem ProblemOfLink(std::string_view encoded) {
    LinkProblem problem;
    const std::string tooLong =
        "el problema del enlace pasa de 64 KiB (" + std::to_string(kMaxLinkProblemBytes) + " bytes)";
    // Each escape is three characters for one byte: a link far longer than
    // that is refused before it is decoded.
    if (encoded.size() > 3 * kMaxLinkProblemBytes) return {{}, tooLong};
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != '%') {
            problem.line += encoded[i];
            continue;
        }
        const int high = i + 2 < encoded.size() ? HexDigit(encoded[i + 1]) : -1;
        const int low = i + 2 < encoded.size() ? HexDigit(encoded[i + 2]) : -1;
        if (high < 0 || low < 0) return {{}, "el enlace está mal codificado: un «%» sin dos cifras hexadecimales"};
        problem.line += static_cast<char>(high * 16 + low);
        i += 2;
    }
    if (problem.line.size() > kMaxLinkProblemBytes) return {{}, tooLong};
    return problem;
}

}  // namespace trelvani::decision
