#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/buttons.h"
#include "study/cuts/cut_report.h"

namespace trelvani {

// What the page's core reads for the section "Cortes α y convenios": the
// last click's operands as it found them, Z and its centroid as the window
// shows them now, and the α typed in the section's box.
struct CutInputs {
    // None before any click.
    const Button* button = nullptr;
    bool failed = false;
    OperandReading x, y, z;
    Measure centroid;
    // The α typed in the section's box, if it could be read.
    std::optional<double> alpha;
    bool alphaUnread = false;
};

// What the section shows.
struct CutSection {
    const Button* button = nullptr;
    bool failed = false;
    // The α typed could not be read; its row is left out.
    bool alphaUnread = false;
    CutReport report;
};

// The table's levels (0, 0.25, 0.5, 0.75, 1), then the typed α, if any.
CutSection CutSectionOf(const CutInputs& inputs);

}  // namespace trelvani
