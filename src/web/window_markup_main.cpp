// Prints the window's markup for the page, from the control table itself:
// run under Node as the page is built, so the page shows the window before
// any script runs.
#include <cstdio>

#include "window/control_table.h"

int main() {
    const std::string markup = trelvani::window::WindowMarkup();
    return std::fwrite(markup.data(), 1, markup.size(), stdout) == markup.size() ? 0 : 1;
}
