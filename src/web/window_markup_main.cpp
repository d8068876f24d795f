// Prints the window's markup for the page, with "style" its style sheet, or
// with "table" the control table as JSON, from the control table itself:
// run under Node as the page is built, so the page shows the window before
// any script runs, and by the page's tests, which check the page against it.
#include <cstdio>
#include <string_view>

#include "window/control_table.h"

int main(int argc, char** argv) {
    const std::string_view what = argc > 1 ? argv[1] : "";
    std::string text;
    if (what.empty()) {
        text = trelvani::window::WindowMarkup();
    } else if (what == "style") {
        text = trelvani::window::WindowStyle();
    } else if (what == "table") {
        text = trelvani::window::ControlTableJson();
    } else {
        std::fputs("trelvani_window_markup: [style|table]\n", stderr);
        return 2;
    }
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
