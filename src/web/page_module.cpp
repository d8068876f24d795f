// The calculator's core as the web page sees it: the page's own inputs are
// the boxes, reached through the same control access as in the window.
#include <emscripten.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/buttons.h"
#include "core/controls.h"
#include "core/operand_io.h"
#include "core/runtime_error.h"
#include "study/announcement.h"
#include "study/check/answer_key.h"
#include "study/cuts/cut_reading.h"
#include "study/history/history.h"
#include "study/record_bytes.h"
#include "text/json_writer.h"
#include "web/returned_text.h"

namespace {

using trelvani::Box;
using trelvani::web::Returned;

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

// What the page has done so far: the last click, every click in order, and
// what the clicks computed, for the hand results.
trelvani::ClickRecord g_last;
trelvani::History g_history;
trelvani::AnswerKey g_key;

}  // namespace

extern "C" {

// Runs one button's handler; 0, or the number of the runtime error, with
// every box as it was before the click. The click goes into the history
// and the answer key.
EMSCRIPTEN_KEEPALIVE int trelvani_click(const char* name) {
    const trelvani::Button* button = trelvani::ButtonNamed(name);
    if (button == nullptr) return -1;
    PageControls controls;
    g_last = trelvani::RecordClick(*button, controls);
    g_history.push_back(trelvani::HistoryEntryOf(g_last));
    g_key.Update(button->id, g_last.steps);
    return g_last.error ? g_last.error->code() : 0;
}

// What a screen reader says of the last click.
EMSCRIPTEN_KEEPALIVE const char* trelvani_announcement() { return Returned(trelvani::AnnouncementOf(g_last)); }

// The last click and the whole history as bytes, for the study module.
EMSCRIPTEN_KEEPALIVE const char* trelvani_click_bytes() { return Returned(trelvani::ClickBytes(g_last)); }
EMSCRIPTEN_KEEPALIVE const char* trelvani_history_bytes() { return Returned(trelvani::HistoryBytes(g_history)); }

// X's and Y's texts and the last click's button as bytes, for a share link.
EMSCRIPTEN_KEEPALIVE const char* trelvani_link_bytes() {
    PageControls controls;
    return Returned(trelvani::WindowTextsBytes(controls, g_last.button));
}

// What the study module needs for the α-cuts of the last click, as bytes: X and Y
// as the click found them, Z and its centroid as the window shows them now,
// and the α typed (`length` bytes).
EMSCRIPTEN_KEEPALIVE const char* trelvani_cut_bytes(const char* alpha, std::size_t length) {
    PageControls controls;
    return Returned(trelvani::CutInputsBytes(trelvani::CutInputsOf(g_last, controls, std::string_view(alpha, length))));
}

// The history's rows from entry `from` on, each its five columns, as JSON.
EMSCRIPTEN_KEEPALIVE const char* trelvani_history_rows(std::size_t from) {
    std::string out;
    trelvani::JsonWriter json(out);
    json.BeginArray();
    for (std::size_t i = from; i < g_history.size(); ++i) {
        json.BeginArray();
        for (const std::string& column : trelvani::HistoryColumns(g_history[i], i)) json.String(column);
        json.EndArray();
    }
    json.EndArray();
    return Returned(std::move(out));
}

EMSCRIPTEN_KEEPALIVE void trelvani_history_clear() { g_history.clear(); }

// A hand result of `length` bytes judged against result `result` (ZI, ZII,
// ZIII, ZIV, Def): {"reading": 0 empty, 1 not a number, 2 a number;
// "agrees"; "value", the calculator's text; "slip"; "sentence", what the
// page says of it}.
EMSCRIPTEN_KEEPALIVE const char* trelvani_check(const char* hand, std::size_t length, int result) {
    if (result < 0 || static_cast<std::size_t>(result) >= trelvani::kCheckedResults) return Returned("");
    const auto checked = static_cast<std::size_t>(result);
    return Returned(trelvani::VerdictJson(checked, g_key.Judge(checked, std::string_view(hand, length)),
                                          trelvani::JudgedAgainst::Clicks));
}

// What the error box says for a runtime error.
EMSCRIPTEN_KEEPALIVE const char* trelvani_error_report(int number) {
    return Returned(trelvani::ErrorReport(trelvani::RuntimeError(static_cast<trelvani::ErrorNumber>(number))));
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
