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

void MemoryControls::SetText(Box box, std::string_view text) { texts_[Slot(box)].assign(text); }

void MemoryControls::SetMensajes(std::string_view caption) { texts_[kMensajesSlot].assign(caption); }

}  // namespace trelvani
