// The calculator's core as the web page sees it: the page's own inputs are
// the boxes, reached through the same control access as in the window.
#include <emscripten.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/control_table.h"
#include "fields/controls.h"
#include "fields/operand_io.h"
#include "fields/runtime_error.h"
#include "ops/buttons.h"

namespace {

using trelvani::Box;

// Box texts cross as UTF-8. TextEncoder writes a lone surrogate as U+FFFD, so
// whatever a box holds arrives as valid text.
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

void AppendJsonString(std::string& out, std::string_view text) {
    out.push_back('"');
    for (char c : text) {
        if (c == '"' || c == '\\') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
}

std::string g_returned;

}  // namespace

extern "C" {

// The window's control table, as JSON for the page to draw itself from.
EMSCRIPTEN_KEEPALIVE const char* trelvani_control_table() {
    using namespace trelvani::app;
    std::string& out = g_returned;
    out = "{\"width\":" + std::to_string(kClientWidthTwips) + ",\"height\":" + std::to_string(kClientHeightTwips) +
          ",\"twipsPerPixel\":" + std::to_string(kTwipsPerPixel) + ",\"controls\":[";
    const char* kinds[] = {"button", "textbox", "label"};
    for (const ControlRow& row : kControlTable) {
        if (out.back() == '}') out.push_back(',');
        out += "{\"name\":";
        AppendJsonString(out, row.name);
        out += ",\"index\":" + std::to_string(row.index) + ",\"kind\":\"" +
               kinds[static_cast<int>(row.kind)] + "\",\"text\":";
        AppendJsonString(out, row.text);
        out += ",\"left\":" + std::to_string(row.left) + ",\"top\":" + std::to_string(row.top) +
               ",\"width\":" + std::to_string(row.width) + ",\"height\":" + std::to_string(row.height) +
               ",\"tabIndex\":" + std::to_string(row.tabIndex) +
               ",\"points\":" + std::to_string(static_cast<int>(PointSize(row.font) * 100)) +
               ",\"centred\":" + (row.centred ? "true" : "false") + ",\"box\":" +
               std::to_string(BoxOf(row) ? static_cast<int>(*BoxOf(row)) : -1) + ",\"accessibleName\":";
        AppendJsonString(out, row.accessibleName);
        out += ",\"accessibleDescription\":";
        AppendJsonString(out, row.accessibleDescription);
        out.push_back('}');
    }
    out += "]}";
    return out.c_str();
}

// Runs one button's handler; 0, or the number of the runtime error, with
// every box as it was before the click.
EMSCRIPTEN_KEEPALIVE int trelvani_click(const char* name) {
    const trelvani::Button* button = trelvani::ButtonNamed(name);
    if (button == nullptr) return -1;
    PageControls controls;
    const auto error = trelvani::RunClick(button->handler, controls);
    return error ? error->code() : 0;
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
