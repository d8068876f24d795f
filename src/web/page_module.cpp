// The calculator's core as the web page sees it: the page's own inputs are
// the boxes, reached through the same control access as in the window.
#include <emscripten.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "window/control_table.h"
#include "fields/controls.h"
#include "fields/json_text.h"
#include "fields/operand_io.h"
#include "fields/runtime_error.h"
#include "fields/steps.h"
#include "ops/answer_key.h"
#include "ops/buttons.h"

namespace {

using trelvani::Box;

// What the page gives the core: its boxes and its Mensajes label (set on the
// module by page.js). Box texts cross as UTF-8; TextEncoder writes a lone
// surrogate as U+FFFD, so whatever a box holds arrives as valid text. The
// box's text is left in memory from malloc, for the core to free.
EM_JS(char*, PageBoxText, (int box, std::size_t* length), {
    const bytes = Module.encoder.encode(Module.boxes[box].value);
    const text = _malloc(bytes.length + 1);
    HEAPU8.set(bytes, text);
    HEAPU32[length >> 2] = bytes.length;
    return text;
});

EM_JS(void, PageSetBoxText, (int box, const char* text, std::size_t length), {
    Module.boxes[box].value = Module.decoder.decode(HEAPU8.subarray(text, text + length));
});

EM_JS(void, PageSetMensajes, (const char* text, std::size_t length), {
    Module.controls["Mensajes"].textContent = Module.decoder.decode(HEAPU8.subarray(text, text + length));
});

class PageControls final : public trelvani::Controls {
public:
    std::string Text(Box box) const override {
        std::size_t length = 0;
        char* text = PageBoxText(Index(box), &length);
        std::string copy(text, length);
        std::free(text);
        return copy;
    }
    void SetText(Box box, std::string_view text) override {
        PageSetBoxText(Index(box), text.data(), text.size());
    }
    void SetMensajes(std::string_view caption) override { PageSetMensajes(caption.data(), caption.size()); }

private:
    // The page files each box under the number the table gives it.
    static int Index(Box box) { return static_cast<int>(box); }
};

std::string g_returned;
trelvani::StepList g_steps;
trelvani::AnswerKey g_key;

}  // namespace

extern "C" {

// The window's control table as JSON, for checking the page against it.
EMSCRIPTEN_KEEPALIVE const char* trelvani_control_table() {
    g_returned = trelvani::window::ControlTableJson();
    return g_returned.c_str();
}

// Runs one button's handler; 0, or the number of the runtime error, with
// every box as it was before the click. The click's steps are kept for
// trelvani_steps.
EMSCRIPTEN_KEEPALIVE int trelvani_click(const char* name) {
    const trelvani::Button* button = trelvani::ButtonNamed(name);
    if (button == nullptr) return -1;
    PageControls controls;
    g_steps.clear();
    const auto error = trelvani::RunClick(button->handler, controls, &g_steps);
    g_key.Update(button->name, g_steps);
    return error ? error->code() : 0;
}

// The last click's steps, as trelvani-batch gives them.
EMSCRIPTEN_KEEPALIVE const char* trelvani_steps() {
    g_returned = trelvani::StepsJson(g_steps);
    return g_returned.c_str();
}

// A hand result judged against result `result` (ZI, ZII, ZIII, ZIV, Def):
// {"reading": 0 empty, 1 not a number, 2 a number; "agrees"; "value", the
// calculator's text; "slip"}.
EMSCRIPTEN_KEEPALIVE const char* trelvani_check(int result, const char* hand) {
    if (result < 0 || static_cast<std::size_t>(result) >= trelvani::kCheckedResults) return "";
    const trelvani::Verdict verdict = g_key.Judge(static_cast<std::size_t>(result), hand);
    g_returned = "{\"reading\":" + std::to_string(static_cast<int>(verdict.reading)) +
                 ",\"agrees\":" + (verdict.agrees ? "true" : "false") + ",\"value\":";
    trelvani::AppendJsonString(g_returned, verdict.value);
    g_returned += ",\"slip\":";
    trelvani::AppendJsonString(g_returned, verdict.slip);
    g_returned += '}';
    return g_returned.c_str();
}

// The description of a runtime error, as the error box gives it.
EMSCRIPTEN_KEEPALIVE const char* trelvani_error_description(int number) {
    return trelvani::RuntimeError(static_cast<trelvani::ErrorNumber>(number)).what();
}

// What the error box says for a runtime error.
EMSCRIPTEN_KEEPALIVE const char* trelvani_error_report(int number) {
    g_returned = trelvani::ErrorReport(trelvani::RuntimeError(static_cast<trelvani::ErrorNumber>(number)));
    return g_returned.c_str();
}

// Reads X, Y and Z by the handlers' rule into out[0..11]; bit r of the
// result is set when row r could be read.
EMSCRIPTEN_KEEPALIVE int trelvani_read_operands(double* out) {
    PageControls controls;
    int readable = 0;
    const trelvani::Row rows[] = {trelvani::Row::X, trelvani::Row::Y, trelvani::Row::Z};
    for (int r = 0; r < 3; ++r) {
        try {
            const auto number = trelvani::ReadOperand(controls, rows[r]);
            double* row = out + 4 * r;
            row[0] = number.c1;
            row[1] = number.c2;
            row[2] = number.c3;
            row[3] = static_cast<double>(number.c4);
            readable |= 1 << r;
        } catch (const trelvani::RuntimeError&) {
        }
    }
    return readable;
}

}  // extern "C"
