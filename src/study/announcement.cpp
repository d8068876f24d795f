#include "study/announcement.h"

#include <array>
#include <optional>

namespace trelvani {
namespace {

// The texts as they read: without the blank a positive number starts with.
std::string_view Shown(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

}  // namespace

std::string AnnouncementOf(const ClickRecord& click) {
    if (click.error) return {};
    std::array<std::optional<std::string_view>, kBoxCount> boxes;
    std::optional<std::string_view> message;
    for (const WrittenText& written : click.written) {
        if (const auto box = BoxNamed(written.control)) {
            boxes[static_cast<std::size_t>(*box)] = written.text;
        } else {
            message = written.text;
        }
    }
    const auto row = [&](std::size_t first) { return boxes[first] && boxes[first + 1] && boxes[first + 2] && boxes[first + 3]; };
    const auto four = [&](char name, std::size_t first) {
        std::string out(1, name);
        out += ":";
        for (std::size_t i = first; i < first + 4; ++i) out.append(i == first ? " " : ", ").append(Shown(*boxes[i]));
        return out;
    };
    if (row(0) && row(4)) return ResultWords(click);
    if (row(8)) return four('Z', 8);
    if (row(0)) return four('X', 0);
    if (row(4)) return four('Y', 4);
    if (const auto def = boxes[static_cast<std::size_t>(Box::Def)]) return "Def: " + std::string(Shown(*def));
    return message ? std::string(*message) : std::string();
}

}  // namespace trelvani
