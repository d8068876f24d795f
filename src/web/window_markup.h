#pragma once

#include <string>

namespace trelvani::web {

// The window as HTML for the web page: every control in document order,
// which is the tab order with each label just before what it names, and the
// title as the page's heading; the whole inside its frame. Where each
// control stands is in WindowStyle(), a style sheet.
std::string WindowMarkup();
std::string WindowStyle();

// The control table as JSON, for checking the page against it.
std::string ControlTableJson();

}  // namespace trelvani::web
