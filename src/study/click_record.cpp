#include "study/click_record.h"

#include <algorithm>

namespace trelvani {
namespace {

constexpr std::string_view kMensajes = "Mensajes";

// Passes everything through to the window's controls and keeps a copy of
// each text set, so that what a click wrote is the handler's own doing.
class WriteRecorder final : public Controls {
public:
    WriteRecorder(Controls& controls, std::vector<WrittenText>& written) : controls_(controls), written_(written) {}

    std::string Text(Box box) const override { return controls_.Text(box); }
    void SetText(Box box, std::string_view text) override {
        controls_.SetText(box, text);
        written_.push_back({BoxName(box), std::string(text)});
    }
    void SetMensajes(std::string_view caption) override {
        controls_.SetMensajes(caption);
        written_.push_back({kMensajes, std::string(caption)});
    }

private:
    Controls& controls_;
    std::vector<WrittenText>& written_;
};

// The four texts written into a row's boxes, or none if the click did not
// write all four.
std::optional<std::array<std::string, 4>> RowWritten(const ClickRecord& click, char row) {
    std::array<std::string, 4> texts;
    int found = 0;
    for (const WrittenText& written : click.written) {
        const std::string_view name = written.control;
        const auto box = BoxNamed(name);
        if (!box || name[0] != row) continue;
        texts[static_cast<std::size_t>(*box) % 4] = written.text;
        ++found;
    }
    if (found < 4) return std::nullopt;
    return texts;
}

}  // namespace

ClickRecord RecordClick(const Button& button, Controls& controls) {
    ClickRecord click;
    click.button = &button;
    for (std::size_t i = 0; i < click.operands.size(); ++i) click.operands[i] = controls.Text(kAllBoxes[i]);
    WriteRecorder recorder(controls, click.written);
    click.error = RunClick(HandlerOf(button.id), recorder, &click.steps);
    return click;
}

std::string OperationWords(const Button& button) {
    return std::string(button.name).append(" (").append(button.caption).append(")");
}

std::string FourTexts(const std::string* first) {
    return "(" + first[0] + "; " + first[1] + "; " + first[2] + "; " + first[3] + ")";
}

std::string ResultWords(const ClickRecord& click) {
    if (click.error) return "error " + std::to_string(click.error->code()) + ": " + std::string(click.error->description());
    const auto x = RowWritten(click, 'X');
    const auto y = RowWritten(click, 'Y');
    if (x && y) return "X e Y vaciados";
    for (const auto& [row, texts] : {std::pair{'Z', RowWritten(click, 'Z')}, std::pair{'X', x}, std::pair{'Y', y}}) {
        if (texts) return std::string(1, row) + " = " + FourTexts(texts->data());
    }
    for (const WrittenText& written : click.written) {
        if (written.control == "Def") return "Def = \"" + written.text + "\"";
    }
    const auto message = std::find_if(click.written.begin(), click.written.end(),
                                      [](const WrittenText& written) { return written.control == kMensajes; });
    return message == click.written.end() ? std::string() : "Mensajes: " + message->text;
}

}  // namespace trelvani
