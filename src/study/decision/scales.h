#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "study/decision/problem.h"

namespace trelvani::decision {

// What a scale is for; each role has its own built-in scale and its own words.
enum class ScaleRole { Weights, Ratings, Comparisons };

// Chen (2000)'s linguistic weights and ratings, in Spanish, and the fuzzy
// Saaty scale: "chen" for weights and ratings, "saaty" for comparisons.
std::optional<Scale> BuiltInScale(ScaleRole role, std::string_view name);
Scale DefaultScale(ScaleRole role);

// The term a text names by its abbreviation or its full name, trimmed and
// without regard to ASCII case; null when none does.
const ScaleTerm* FindTerm(const Scale& scale, std::string_view text);

// "escala de valoraciones (MP, P, MDP, R, MDB, B, MB)", for messages.
std::string ScaleDescription(ScaleRole role, const Scale& scale);

// The JSON key that chooses the role's scale: "escala_pesos", …
std::string_view ScaleKey(ScaleRole role);
// The role whose scale a problem gives under `key`, if any.
std::optional<ScaleRole> RoleOfScaleKey(std::string_view key);

}  // namespace trelvani::decision
