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

}  // namespace

std::string HtmlText(std::string_view typed) {
    std::string out;
    out.reserve(typed.size());
    for (char c : typed) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        case '{': out += "&#123;"; break;
        case '}': out += "&#125;"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') {
                out += "\xEF\xBF\xBD";
            } else {
                out += c;
            }
        }
    }
    return out;
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
    std::string out;
    out.reserve(typed.size());
    for (char c : typed) {
        switch (c) {
        case '&': out += "&amp;amp;"; break;
        case '<': out += "&amp;lt;"; break;
        case '>': out += "&amp;gt;"; break;
        // Kept an entity after decoding, so no "\}" or "\#" is formed.
        case '\\': out += "&amp;#92;"; break;
        case '{': out += "&#123;"; break;
        case '}': out += "&#125;"; break;
        case '#': out += "&#35;"; break;
        case '~': out += "&#126;"; break;
        case '/': out += "&#47;"; break;
        case '"': out += "&#34;"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') {
                out += "\xEF\xBF\xBD";
            } else {
                out += c;
            }
        }
    }
    return out;
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
