#include "study/exercises/exercise_link.h"

#include <variant>

#include "study/exercises/exercise_list.h"
#include "text/json_writer.h"
#include "text/utf8.h"

namespace trelvani {
namespace {

bool Kept(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~' || c == '+';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A value as written into its text; a '+' stays a plus sign.
std::optional<std::string> Decoded(std::string_view written) {
    std::string text;
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written[i] != '%') {
            text += written[i];
            continue;
        }
        const int high = i + 2 < written.size() ? HexValue(written[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(written[i + 2]) : -1;
        if (low < 0) return std::nullopt;
        text += static_cast<char>(high * 16 + low);
        i += 2;
    }
    if (!IsUtf8(text)) return std::nullopt;
    return text;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::string Encoded(std::string_view text) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (Kept(byte)) {
            out += c;
        } else {
            out.append(1, '%').append(1, kHex[byte >> 4]).append(1, kHex[byte & 0xF]);
        }
    }
    return out;
}

}  // namespace

FragmentReading ReadExerciseFragment(std::string_view fragment) {
    FragmentReading reading;
    if (fragment.find('=') == std::string_view::npos) return reading;
    reading.isExercise = true;
    const auto fail = [&](std::string why) {
        reading.problem = std::move(why);
        reading.exercise = {};
        return reading;
    };
    if (fragment.size() > kMaxFragmentBytes) return fail("el enlace pasa de 16 KiB");
    bool seen[4] = {};
    for (const std::string_view part : Split(fragment, '&')) {
        const std::size_t equals = part.find('=');
        if (equals == std::string_view::npos) return fail("falta «=» en «" + std::string(part.substr(0, 40)) + "»");
        const std::string_view key = part.substr(0, equals);
        const std::string_view value = part.substr(equals + 1);
        const std::string_view keys[] = {"X", "Y", "botones", "enunciado"};
        std::size_t which = 0;
        while (which < 4 && keys[which] != key) ++which;
        if (which == 4) return fail("clave desconocida: " + std::string(key.substr(0, 40)));
        if (seen[which]) return fail("clave repetida: " + std::string(key));
        seen[which] = true;
        if (which < 2) {
            const auto pieces = Split(value, ';');
            if (pieces.size() != 4) return fail(std::string(key) + " necesita cuatro textos separados por «;»");
            std::array<std::string, 4> texts;
            for (std::size_t i = 0; i < 4; ++i) {
                auto text = Decoded(pieces[i]);
                if (!text) return fail("codificación no válida en " + std::string(key));
                if (text->size() > kMaxBoxBytes) return fail("un texto de " + std::string(key) + " pasa de 1000 bytes");
                texts[i] = std::move(*text);
            }
            (which == 0 ? reading.exercise.x : reading.exercise.y) = std::move(texts);
        } else if (which == 2) {
            for (const std::string_view piece : Split(value, ',')) {
                auto name = Decoded(piece);
                if (!name) return fail("codificación no válida en botones");
                reading.exercise.buttons.push_back(std::move(*name));
            }
        } else {
            auto text = Decoded(value);
            if (!text) return fail("codificación no válida en enunciado");
            if (text->size() > kMaxStatementBytes) return fail("el enunciado pasa de 4000 bytes");
            reading.exercise.statement = std::move(*text);
        }
    }
    if (!reading.exercise.buttons.empty()) {
        // The same reader as a list's line, its reasons without a line number.
        const auto read = ReadExerciseList(ExerciseListLine(reading.exercise));
        if (const auto* reason = std::get_if<std::string>(&read)) {
            const std::size_t colon = reason->find(": ");
            return fail(colon == std::string::npos ? *reason : reason->substr(colon + 2));
        }
    }
    return reading;
}

std::string ExerciseListLine(const LinkedExercise& exercise) {
    std::string line;
    JsonWriter json(line, JsonLayout::Spaced);
    json.BeginObject();
    for (const auto& [name, texts] : {std::pair{"X", &exercise.x}, {"Y", &exercise.y}}) {
        if (!*texts) continue;
        json.Key(name).BeginArray();
        for (const std::string& text : **texts) json.String(text);
        json.EndArray();
    }
    json.Key("botones").BeginArray();
    for (const std::string& button : exercise.buttons) json.String(button);
    json.EndArray();
    if (exercise.statement) json.Key("enunciado").String(*exercise.statement);
    json.EndObject();
    return line;
}

std::string ExerciseFragment(const LinkedExercise& exercise) {
    std::string fragment;
    const auto add = [&](std::string_view key, const std::string& value) {
        fragment.append(fragment.empty() ? "" : "&").append(key).append("=").append(value);
    };
    for (const auto& [name, texts] : {std::pair{"X", &exercise.x}, {"Y", &exercise.y}}) {
        if (!*texts) continue;
        std::string value;
        for (std::size_t i = 0; i < 4; ++i) value.append(i > 0 ? ";" : "").append(Encoded((**texts)[i]));
        add(name, value);
    }
    if (!exercise.buttons.empty()) {
        std::string value;
        for (std::size_t i = 0; i < exercise.buttons.size(); ++i) {
            value.append(i > 0 ? "," : "").append(Encoded(exercise.buttons[i]));
        }
        add("botones", value);
    }
    if (exercise.statement) add("enunciado", Encoded(*exercise.statement));
    return fragment;
}

}  // namespace trelvani
