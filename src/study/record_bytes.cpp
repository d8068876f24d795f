#include "study/record_bytes.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <cstring>

#include "core/operand_io.h"

namespace trelvani {
namespace {

class ByteWriter {
public:
    void Number(std::uint32_t value) { Raw(&value, sizeof value); }
    void Real(double value) { Raw(&value, sizeof value); }
    void Text(std::string_view text) {
        Number(static_cast<std::uint32_t>(text.size()));
        out_.append(text);
    }
    // A button as its id plus one, 0 for none.
    void Clicked(const Button* button) {
        Number(button == nullptr ? 0u : static_cast<std::uint32_t>(button->id) + 1u);
    }
    std::string Take() { return std::move(out_); }

private:
    void Raw(const void* bytes, std::size_t size) { out_.append(static_cast<const char*>(bytes), size); }
    std::string out_;
};

// Reads what ByteWriter wrote; past the end, or on a length that does not
// fit, it reads zeros and empty texts and says so in ok().
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    std::uint32_t Number() {
        std::uint32_t value = 0;
        Raw(&value, sizeof value);
        return value;
    }
    double Real() {
        double value = 0.0;
        Raw(&value, sizeof value);
        return value;
    }
    std::string_view Text() {
        const std::uint32_t size = Number();
        if (size > bytes_.size()) return Fail();
        const std::string_view text = bytes_.substr(0, size);
        bytes_.remove_prefix(size);
        return text;
    }
    // A number beyond the button table fails.
    const Button* Clicked() {
        const std::uint32_t number = Number();
        if (number > kButtons.size()) Fail();
        return number == 0 || !ok_ ? nullptr : &kButtons[number - 1];
    }
    bool ok() const { return ok_; }

private:
    std::string_view Fail() {
        ok_ = false;
        bytes_ = {};
        return {};
    }
    void Raw(void* out, std::size_t size) {
        if (size > bytes_.size()) {
            Fail();
            return;
        }
        std::memcpy(out, bytes_.data(), size);
        bytes_.remove_prefix(size);
    }

    std::string_view bytes_;
    bool ok_ = true;
};

void WriteReading(ByteWriter& out, const OperandReading& reading) {
    out.Number(reading.overflows ? 1u : 0u);
    for (double component : {reading.number.c1, reading.number.c2, reading.number.c3,
                             static_cast<double>(reading.number.c4)}) {
        out.Real(component);
    }
}

OperandReading ReadReading(ByteReader& in) {
    OperandReading reading;
    reading.overflows = in.Number() != 0;
    reading.number.c1 = in.Real();
    reading.number.c2 = in.Real();
    reading.number.c3 = in.Real();
    // Written from a single, so it is one exactly; bytes that say otherwise
    // are not narrowed, since that would be undefined.
    const double c4 = in.Real();
    if (std::fabs(c4) <= static_cast<double>(std::numeric_limits<float>::max())) {
        reading.number.c4 = static_cast<float>(c4);
    } else {
        reading.overflows = true;
    }
    return reading;
}

// Which of a step's optional members are present.
constexpr std::uint32_t kValue = 1, kUnrounded = 2, kError = 4;

}  // namespace

std::string ClickBytes(const ClickRecord& click) {
    ByteWriter out;
    out.Clicked(click.button);
    out.Number(click.error ? static_cast<std::uint32_t>(click.error->code()) : 0);
    out.Number(static_cast<std::uint32_t>(click.steps.size()));
    for (const Step& step : click.steps) {
        out.Text(step.name);
        out.Text(step.formula);
        out.Number((step.value ? kValue : 0u) | (step.unrounded ? kUnrounded : 0u) | (step.error ? kError : 0u));
        if (step.value) out.Real(*step.value);
        if (step.unrounded) out.Real(*step.unrounded);
        if (step.error) out.Number(static_cast<std::uint32_t>(*step.error));
    }
    out.Number(static_cast<std::uint32_t>(click.written.size()));
    for (const WrittenText& written : click.written) {
        out.Text(written.control);
        out.Text(written.text);
    }
    return out.Take();
}

ClickRecord ClickFromBytes(std::string_view bytes) {
    ByteReader in(bytes);
    ClickRecord click;
    click.button = in.Clicked();
    if (const std::uint32_t error = in.Number()) click.error = RuntimeError(static_cast<ErrorNumber>(error));
    for (std::uint32_t steps = in.Number(); in.ok() && steps > 0; --steps) {
        Step step;
        step.name = in.Text();
        step.formula = in.Text();
        const std::uint32_t parts = in.Number();
        if (parts & kValue) step.value = in.Real();
        if (parts & kUnrounded) step.unrounded = in.Real();
        if (parts & kError) step.error = static_cast<int>(in.Number());
        click.steps.push_back(step);
    }
    for (std::uint32_t written = in.Number(); in.ok() && written > 0; --written) {
        const std::string_view control = in.Text();
        click.written.push_back({control, std::string(in.Text())});
    }
    return in.ok() ? click : ClickRecord{};
}

std::string CutInputsBytes(const CutInputs& inputs) {
    ByteWriter out;
    out.Clicked(inputs.button);
    out.Number(inputs.failed ? 1u : 0u);
    for (const OperandReading* reading : {&inputs.x, &inputs.y, &inputs.z}) WriteReading(out, *reading);
    out.Real(inputs.centroid.value);
    out.Text(inputs.centroid.undefined);
    out.Number((inputs.alpha ? 1u : 0u) | (inputs.alphaUnread ? 2u : 0u));
    out.Real(inputs.alpha.value_or(0.0));
    return out.Take();
}

CutInputs CutInputsFromBytes(std::string_view bytes) {
    ByteReader in(bytes);
    CutInputs inputs;
    inputs.button = in.Clicked();
    inputs.failed = in.Number() != 0;
    inputs.x = ReadReading(in);
    inputs.y = ReadReading(in);
    inputs.z = ReadReading(in);
    inputs.centroid.value = in.Real();
    inputs.centroid.undefined = in.Text();
    const std::uint32_t alpha = in.Number();
    const double typed = in.Real();
    if (alpha & 1u) inputs.alpha = typed;
    inputs.alphaUnread = (alpha & 2u) != 0;
    return in.ok() ? inputs : CutInputs{};
}

std::string HistoryBytes(const History& history) {
    ByteWriter out;
    out.Number(static_cast<std::uint32_t>(history.size()));
    for (const HistoryEntry& entry : history) {
        out.Clicked(&ButtonOf(entry.button));
        for (const std::string& operand : entry.operands) out.Text(operand);
        out.Text(entry.result);
    }
    return out.Take();
}

History HistoryFromBytes(std::string_view bytes) {
    ByteReader in(bytes);
    History history;
    for (std::uint32_t entries = in.Number(); in.ok() && entries > 0; --entries) {
        const Button* button = in.Clicked();
        if (button == nullptr) return {};
        HistoryEntry entry{button->id, {}, {}};
        for (std::string& operand : entry.operands) operand = in.Text();
        entry.result = in.Text();
        history.push_back(std::move(entry));
    }
    return in.ok() ? history : History{};
}

std::string WindowTextsBytes(const Controls& controls, const Button* lastButton) {
    ByteWriter out;
    for (const Row row : {Row::X, Row::Y}) {
        for (const Box box : BoxesOf(row)) out.Text(controls.Text(box));
    }
    out.Clicked(lastButton);
    return out.Take();
}

WindowTexts WindowTextsFromBytes(std::string_view bytes) {
    ByteReader in(bytes);
    WindowTexts texts;
    for (std::array<std::string, 4>* row : {&texts.x, &texts.y}) {
        for (std::string& text : *row) text = in.Text();
    }
    texts.lastButton = in.Clicked();
    return in.ok() ? texts : WindowTexts{};
}

}  // namespace trelvani
