#pragma once

#include "core/controls.h"
#include "core/operand_io.h"
#include "study/click_record.h"
#include "study/cuts/cut_section.h"

namespace trelvani {

// An operand read from its boxes as the handlers read it.
OperandReading ReadForCuts(const Controls& controls, Row row);

// The centroid as DEFUZY computes it (its step D) on Z's boxes, run on
// controls of its own; "el área de Z es cero" or "desborda" where it fails.
Measure CentroidOf(const Controls& controls);

// The section's inputs for `click`, with Z as `window` shows it now.
CutInputs CutInputsOf(const ClickRecord& click, const Controls& window, std::string_view alpha);

}  // namespace trelvani
