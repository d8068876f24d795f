#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "fields/controls.h"

namespace trelvani::app {

enum class ControlKind { Button, TextBox, Label };

enum class ControlFont { Default, Bold8, Bold9, Bold12 };

// One control of the main window. Geometry is in twips (15 to a pixel at
// 96 dots per inch). Rows stand in stacking order, front first.
struct ControlRow {
    std::string_view name;
    int index;  // element of a control array, or -1
    ControlKind kind;
    std::string_view text;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    ControlFont font;
    bool centred;
    std::string_view accessibleName;         // empty: a label is read as its text
    std::string_view accessibleDescription;  // what the control is, where its name is its text
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 6660;
inline constexpr int kClientHeightTwips = 6090;

extern const std::array<ControlRow, 33> kControlTable;

// The size of a bold Comic Sans MS row's font, in points; 0 for the default.
double PointSize(ControlFont font);

// The box a text-box row stands for.
std::optional<Box> BoxOf(const ControlRow& row);

}  // namespace trelvani::app
