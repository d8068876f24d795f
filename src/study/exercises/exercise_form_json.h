#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "study/exercises/exercise_form.h"

namespace trelvani {

// The form's rows as the page's script takes them: {"rows": [row, …]}, a
// row {"kind": "exercise"|"decision"|"text", "text", "reason", "x", "y",
// "buttons", "statement", "variants", "seed", "summary", "problem"}, an
// operand {"kind": "boxes"|"range"|"absent", "boxes", "from", "to", "decimals"}.
std::string FormRowsJson(const std::vector<FormRow>& rows);

// A row sent back by the page in the same shape; nothing for JSON it
// cannot have sent.
std::optional<FormRow> FormRowFromJson(std::string_view json);

// A row's line and, when the reader refuses it, why: {"line", "reason"}.
std::string FormLineJson(const FormRow& row);

// The buttons a row may press, in the window's order: [{"name", "caption"}, …].
std::string FormButtonsJson();

}  // namespace trelvani
