#include "text/markup_escapes.h"

namespace trelvani {
namespace {

std::string Escaped(std::string_view text, std::string_view specials) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (specials.find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
    return out;
}

// Each character as `entity` gives it, or as it is where that gives
// nothing; control characters other than line breaks and tabs as U+FFFD.
template <class Entity>
std::string WithEntities(std::string_view typed, const Entity& entity) {
    std::string out;
    out.reserve(typed.size());
    for (char c : typed) {
        if (const std::string_view replacement = entity(c); !replacement.empty()) {
            out += replacement;
        } else if (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') {
            out += "\xEF\xBF\xBD";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string HtmlText(std::string_view typed) {
    return WithEntities(typed, [](char c) -> std::string_view {
        switch (c) {
        case '&': return "&amp;";
        case '<': return "&lt;";
        case '>': return "&gt;";
        case '"': return "&quot;";
        case '\'': return "&#39;";
        case '{': return "&#123;";
        case '}': return "&#125;";
        default: return {};
        }
    });
}

std::string CdataText(std::string_view html) {
    std::string out = "<![CDATA[";
    for (std::size_t at = 0;;) {
        const std::size_t end = html.find("]]>", at);
        if (end == std::string_view::npos) {
            out.append(html.substr(at));
            break;
        }
        out.append(html.substr(at, end + 2 - at)).append("]]><![CDATA[");
        at = end + 2;
    }
    return out + "]]>";
}

std::string ClozeText(std::string_view typed) {
    return WithEntities(typed, [](char c) -> std::string_view {
        switch (c) {
        case '&': return "&amp;amp;";
        case '<': return "&amp;lt;";
        case '>': return "&amp;gt;";
        // Kept an entity after decoding, so no "\}" or "\#" is formed.
        case '\\': return "&amp;#92;";
        case '{': return "&#123;";
        case '}': return "&#125;";
        case '#': return "&#35;";
        case '~': return "&#126;";
        case '/': return "&#47;";
        case '"': return "&#34;";
        default: return {};
        }
    });
}

std::string GiftText(std::string_view typed) {
    std::string out;
    for (char c : Escaped(typed, "~=#{}:\\")) {
        if (c == '\r') continue;
        if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace trelvani
