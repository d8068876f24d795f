#include "core/controls.h"

namespace trelvani {
namespace {

constexpr std::array<std::string_view, kBoxCount> kBoxNames = {
    "XI", "XII", "XIII", "XIV",
    "YI", "YII", "YIII", "YIV",
    "ZI", "ZII", "ZIII", "ZIV",
    "Def",
};

std::size_t Index(Box box) { return static_cast<std::size_t>(box); }

}  // namespace

std::string_view BoxName(Box box) { return kBoxNames[Index(box)]; }

std::optional<Box> BoxNamed(std::string_view name) {
    for (Box box : kAllBoxes) {
        if (BoxName(box) == name) return box;
    }
    return std::nullopt;
}

MemoryControls::MemoryControls() {
    texts_.fill(" ");
    texts_[Index(Box::Def)] = "  ";
}

// The text before the first change is kept aside. Its buffer is reused
// from one change to the next, so in the usual case nothing is allocated.
void MemoryControls::Assign(std::size_t slot, std::string_view text) {
    if (!changed_[slot]) {
        before_[slot].assign(texts_[slot]);
        changed_[slot] = true;
    }
    texts_[slot].assign(text);
}

void MemoryControls::TakeText(Box box, std::string& text) noexcept {
    const std::size_t slot = Slot(box);
    std::string old = std::move(texts_[slot]);
    texts_[slot] = std::move(text);
    if (!changed_[slot]) {
        before_[slot] = std::move(old);
        changed_[slot] = true;
    }
}

void MemoryControls::KeepChanges() noexcept {
    // A large text kept aside is let go; a small one keeps its buffer.
    constexpr std::size_t kKeptCapacity = 256;
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        changed_[slot] = false;
        if (before_[slot].capacity() > kKeptCapacity) std::string().swap(before_[slot]);
    }
}

void MemoryControls::UndoChanges() noexcept {
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        if (!changed_[slot]) continue;
        changed_[slot] = false;
        texts_[slot].swap(before_[slot]);
    }
}

}  // namespace trelvani
