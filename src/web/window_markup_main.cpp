// Prints the window's markup for the page, or with "style" its style sheet,
// from the control table itself: run under Node as the page is built, so
// the page shows the window before any script runs.
#include <cstdio>
#include <string_view>

#include "window/control_table.h"

int main(int argc, char** argv) {
    const bool style = argc > 1 && std::string_view(argv[1]) == "style";
    const std::string text = style ? trelvani::window::WindowStyle() : trelvani::window::WindowMarkup();
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
