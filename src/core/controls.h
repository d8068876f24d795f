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
// Changes since the last KeepChanges() can be taken back with UndoChanges(),
// which never allocates.
class MemoryControls final : public Controls {
public:
    MemoryControls();

    std::string Text(Box box) const override { return texts_[Slot(box)]; }
    void SetText(Box box, std::string_view text) override { Assign(Slot(box), text); }
    void SetMensajes(std::string_view caption) override { Assign(kMensajesSlot, caption); }
    // Hands a text over without copying it, so it cannot fail half-way.
    void TakeText(Box box, std::string& text) noexcept;

    std::string_view View(Box box) const { return texts_[Slot(box)]; }
    std::string_view Mensajes() const { return texts_[kMensajesSlot]; }

    void KeepChanges() noexcept;
    void UndoChanges() noexcept;

    bool operator==(const MemoryControls& other) const { return texts_ == other.texts_; }

private:
    static constexpr std::size_t kMensajesSlot = kBoxCount;
    static constexpr std::size_t kSlots = kBoxCount + 1;
    static std::size_t Slot(Box box) { return static_cast<std::size_t>(box); }
    void Assign(std::size_t slot, std::string_view text);

    std::array<std::string, kSlots> texts_;
    std::array<std::string, kSlots> before_;
    std::array<bool, kSlots> changed_{};
};

}  // namespace trelvani
