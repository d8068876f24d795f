#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace trelvani {

// The thirteen text boxes the operations read and write.
enum class Box {
    XI, XII, XIII, XIV,
    YI, YII, YIII, YIV,
    ZI, ZII, ZIII, ZIV,
    Def,
};

inline constexpr std::size_t kBoxCount = 13;

inline constexpr std::array<Box, kBoxCount> kAllBoxes = {
    Box::XI, Box::XII, Box::XIII, Box::XIV,
    Box::YI, Box::YII, Box::YIII, Box::YIV,
    Box::ZI, Box::ZII, Box::ZIII, Box::ZIV,
    Box::Def,
};

std::string_view BoxName(Box box);
std::optional<Box> BoxNamed(std::string_view name);

// What an operation may do to the window: get or set a box's whole text
// and set the caption of the message area `Mensajes`. Texts are UTF-8.
class Controls {
public:
    virtual ~Controls() = default;
    virtual std::string Text(Box box) const = 0;
    virtual void SetText(Box box, std::string_view text) = 0;
    virtual void SetMensajes(std::string_view caption) = 0;
};

// The boxes without a window, as they stand when the calculator starts:
// every operand and result box one blank, `Def` two, `Mensajes` one.
class MemoryControls final : public Controls {
public:
    MemoryControls();

    std::string Text(Box box) const override { return texts_[Slot(box)]; }
    // Out of line: inlined, GCC 12 warns of an overlap in the copy that cannot happen.
    void SetText(Box box, std::string_view text) override;
    void SetMensajes(std::string_view caption) override;
    // Exchanges a text with `text`; nothing is copied, so neither can fail.
    void SwapText(Box box, std::string& text) noexcept { texts_[Slot(box)].swap(text); }
    void SwapMensajes(std::string& caption) noexcept { texts_[kMensajesSlot].swap(caption); }

    std::string_view View(Box box) const { return texts_[Slot(box)]; }
    std::string_view Mensajes() const { return texts_[kMensajesSlot]; }

    bool operator==(const MemoryControls& other) const { return texts_ == other.texts_; }

private:
    static constexpr std::size_t kMensajesSlot = kBoxCount;
    static constexpr std::size_t kSlots = kBoxCount + 1;
    static std::size_t Slot(Box box) { return static_cast<std::size_t>(box); }

    std::array<std::string, kSlots> texts_;
};

}  // namespace trelvani
