#include "protocol/session_controls.h"

#include <utility>

namespace trelvani::protocol {

void SessionControls::SetText(Box box, std::string_view text) {
    KeepAside(Slot(box), boxes_.View(box));
    boxes_.SetText(box, text);
}

void SessionControls::SetMensajes(std::string_view caption) {
    KeepAside(kMensajesSlot, boxes_.Mensajes());
    boxes_.SetMensajes(caption);
}

// The text before the first change is kept aside. Its buffer is reused
// from one change to the next, so in the usual case nothing is allocated.
void SessionControls::KeepAside(std::size_t slot, std::string_view current) {
    if (changed_[slot]) return;
    before_[slot].assign(current);
    changed_[slot] = true;
}

void SessionControls::Swap(std::size_t slot, std::string& text) noexcept {
    if (slot == kMensajesSlot) {
        boxes_.SwapMensajes(text);
    } else {
        boxes_.SwapText(kAllBoxes[slot], text);
    }
}

void SessionControls::TakeText(Box box, std::string& text) noexcept {
    const std::size_t slot = Slot(box);
    std::string old = std::move(text);
    Swap(slot, old);
    if (!changed_[slot]) {
        before_[slot] = std::move(old);
        changed_[slot] = true;
    }
}

void SessionControls::KeepChanges() noexcept {
    // A large text kept aside is let go; a small one keeps its buffer.
    constexpr std::size_t kKeptCapacity = 256;
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        changed_[slot] = false;
        if (before_[slot].capacity() > kKeptCapacity) std::string().swap(before_[slot]);
    }
}

void SessionControls::UndoChanges() noexcept {
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        if (!changed_[slot]) continue;
        changed_[slot] = false;
        Swap(slot, before_[slot]);
    }
}

}  // namespace trelvani::protocol
