#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/controls.h"

namespace trelvani::window {

enum class ControlKind { Button, TextBox, Label };

enum class ControlFont { Default, Bold8, Bold9, Bold12 };

// The main window's controls, described once for every edition that draws
// the window: the Qt window and the web page.

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
    // A control's name begins with what it shows, so that it can be called
    // by it; empty: a label is read as its text.
    std::string_view accessibleName;
    std::string_view accessibleDescription;  // what the control does, where its name does not say
    // For a label: the controls it names, the first of which it stands before
    // when the window is read in order.
    std::string_view labels = {};
};

inline constexpr std::string_view kWindowCaption = "Trelvani Numeros Fuzzy Trapezoidales";
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 6660;
inline constexpr int kClientHeightTwips = 6090;

extern const std::array<ControlRow, 33> kControlTable;

// The size of a bold Comic Sans MS row's font, in points; 0 for the default.
double PointSize(ControlFont font);

// The box a text-box row stands for.
std::optional<Box> BoxOf(const ControlRow& row);

// The row of the control named `name` ("Label2_0" for an array element).
const ControlRow* RowNamed(std::string_view name);
std::string IdOf(const ControlRow& row);

}  // namespace trelvani::window
