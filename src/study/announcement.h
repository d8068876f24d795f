#pragma once

#include <string>

#include "study/click_record.h"

namespace trelvani {

// What a screen reader says after a click, in a few words: what the click
// wrote, as the boxes show it ("Z: 6, 8, 10, 12", "Def: 9", "X: 1, 2, 3,
// 4"), the message it set, or the history's words for clearing. Empty for a
// click that failed: its error box speaks for it.
std::string AnnouncementOf(const ClickRecord& click);

}  // namespace trelvani
