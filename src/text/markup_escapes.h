#pragma once

#include <string>
#include <string_view>

namespace trelvani {

// Texts as typed, made safe for markup: nothing in them becomes a tag, an
// entity or a quiz's blank, and each shows as it was typed.

// HTML text or attribute: & < > " ' as entities, { } too (a quiz would take
// them for a blank), control characters other than line breaks as U+FFFD.
std::string HtmlText(std::string_view typed);

// XML character data inside CDATA: "]]>" split across two sections.
std::string CdataText(std::string_view html);

// A Cloze answer's or feedback's text as typed. Moodle's Cloze reader
// decodes its entities once, takes back "\}" and "\#", and shows what is
// left as HTML: so } { # ~ / " go as numeric references, and & < > \ as
// references to their entities, which that decoding leaves as entities.
std::string ClozeText(std::string_view typed);

// GIFT text: ~ = # { } : \ with a backslash, a line break as \n.
std::string GiftText(std::string_view typed);

}  // namespace trelvani
