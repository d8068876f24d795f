#include "batch/session.h"

#include <optional>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "ops/buttons.h"

namespace trelvani::batch {
namespace {

using nlohmann::json;

struct Request {
    std::vector<std::pair<Box, std::string>> texts;
    const Button* button = nullptr;
};

// Checks the whole line before anything is applied, so an invalid line
// changes nothing. Gives back the reason in Spanish when it is invalid.
std::optional<std::string> Parse(std::string_view line, Request& request) {
    const json document = json::parse(line, nullptr, false);
    if (document.is_discarded()) return "JSON no válido";
    if (!document.is_object()) return "se esperaba un objeto JSON";
    for (const auto& [key, value] : document.items()) {
        if (key == "set") {
            if (!value.is_object()) return "\"set\" debe ser un objeto";
            for (const auto& [name, text] : value.items()) {
                const auto box = BoxNamed(name);
                if (!box) return "casilla desconocida: " + name;
                if (!text.is_string()) return "el texto de " + name + " debe ser una cadena";
                request.texts.emplace_back(*box, text.get<std::string>());
            }
        } else if (key == "click") {
            if (!value.is_string()) return "\"click\" debe ser una cadena";
            request.button = ButtonNamed(value.get<std::string>());
            if (request.button == nullptr) return "botón desconocido: " + value.get<std::string>();
        } else {
            return "clave desconocida: " + key;
        }
    }
    return std::nullopt;
}

// Replies are written directly: a fixed shape, texts escaped as JSON
// strings with their UTF-8 kept as it is.
void AppendString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out.push_back('"');
    std::size_t plainFrom = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20) continue;
        out.append(text, plainFrom, i - plainFrom);
        plainFrom = i + 1;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += "\\u00";
            out.push_back(kHex[(c >> 4) & 0xf]);
            out.push_back(kHex[c & 0xf]);
        }
    }
    out.append(text, plainFrom);
    out.push_back('"');
}

std::string InvalidReply(std::string_view reason) {
    std::string out = "{\"invalid\":";
    AppendString(out, reason);
    out.push_back('}');
    return out;
}

}  // namespace

Session::Reply Session::Handle(std::string_view line) {
    Request request;
    if (auto reason = Parse(line, request)) return {InvalidReply(*reason), false};
    for (const auto& [box, text] : request.texts) controls_.SetText(box, text);
    std::optional<RuntimeError> error;
    if (request.button != nullptr) error = RunClick(request.button->handler, controls_);

    std::string out;
    out.reserve(512);
    out += "{\"texts\":{";
    for (Box box : kAllBoxes) {
        AppendString(out, BoxName(box));
        out.push_back(':');
        AppendString(out, controls_.Text(box));
        out.push_back(',');
    }
    out += "\"Mensajes\":";
    AppendString(out, controls_.Mensajes());
    out += "},\"error\":";
    if (error) {
        out += "{\"number\":" + std::to_string(error->code()) + ",\"description\":";
        AppendString(out, error->description());
        out.push_back('}');
    } else {
        out += "null";
    }
    out.push_back('}');
    return {std::move(out), true};
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace trelvani::batch
