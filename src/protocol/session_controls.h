#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/controls.h"

namespace trelvani::protocol {

// The boxes of a batch session. What a line changes is kept until its reply
// is written: KeepChanges() makes it stand, UndoChanges() takes it back.
// Neither allocates, so a line that runs out of memory leaves every box and
// Mensajes as they were.
class SessionControls final : public Controls {
public:
    std::string Text(Box box) const override { return boxes_.Text(box); }
    void SetText(Box box, std::string_view text) override;
    void SetMensajes(std::string_view caption) override;
    // Hands a text over without copying it, so it cannot fail half-way.
    void TakeText(Box box, std::string& text) noexcept;

    void KeepChanges() noexcept;
    void UndoChanges() noexcept;

    const MemoryControls& boxes() const { return boxes_; }

private:
    static constexpr std::size_t kMensajesSlot = kBoxCount;
    static constexpr std::size_t kSlots = kBoxCount + 1;
    static std::size_t Slot(Box box) { return static_cast<std::size_t>(box); }
    void KeepAside(std::size_t slot, std::string_view current);
    void Swap(std::size_t slot, std::string& text) noexcept;

    MemoryControls boxes_;
    std::array<std::string, kSlots> before_;
    std::array<bool, kSlots> changed_{};
};

}  // namespace trelvani::protocol
