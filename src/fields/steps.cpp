#include "fields/steps.h"

#include <iterator>

// Header-only: every edition, the WebAssembly one included, formats with the
// same code. std::to_chars would do natively, but Emscripten's library lacks
// it for floating point, and its texts differ from these.
#define FMT_HEADER_ONLY
#include <fmt/compile.h>
#include <fmt/format.h>

namespace trelvani {
namespace {

void AppendString(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
}

}  // namespace

std::string ShortestText(double value) { return fmt::format(FMT_COMPILE("{}"), value); }

std::string StepsJson(const StepList& steps) {
    std::string out = "[";
    for (const Step& step : steps) {
        if (out.size() > 1) out += ',';
        out += "{\"name\":";
        AppendString(out, step.name);
        out += ",\"formula\":";
        AppendString(out, step.formula);
        if (step.value) {
            out += ",\"value\":";
            AppendString(out, ShortestText(*step.value));
        }
        if (step.unrounded) {
            out += ",\"unrounded\":";
            AppendString(out, ShortestText(*step.unrounded));
        }
        if (step.error) fmt::format_to(std::back_inserter(out), FMT_COMPILE(",\"error\":{}"), *step.error);
        out += '}';
    }
    out += ']';
    return out;
}

}  // namespace trelvani
