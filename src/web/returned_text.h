#pragma once

#include <cstddef>
#include <string>

namespace trelvani::web {

// How every module of the page hands a text back: the pointer goes back as
// the export's result and its length comes from trelvani_returned_length,
// since a box text may hold a NUL. The text stays until the next one.
const char* Returned(std::string text);

}  // namespace trelvani::web

extern "C" std::size_t trelvani_returned_length();
