#include "web/returned_text.h"

#include <emscripten.h>

#include <utility>

namespace {

std::string g_returned;

}  // namespace

namespace trelvani::web {

const char* Returned(std::string text) {
    g_returned = std::move(text);
    return g_returned.c_str();
}

}  // namespace trelvani::web

EMSCRIPTEN_KEEPALIVE std::size_t trelvani_returned_length() { return g_returned.size(); }
