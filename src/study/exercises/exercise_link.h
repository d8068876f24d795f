#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelvani {

// One exercise as a link's fragment carries it, each value percent-encoded
// UTF-8: X=1;2;3;4&Y=5;6;7;8&botones=Multiplicacion,DEFUZY&enunciado=…
struct LinkedExercise {
    std::optional<std::array<std::string, 4>> x, y;
    std::vector<std::string> buttons;
    std::optional<std::string> statement;
};

inline constexpr std::size_t kMaxFragmentBytes = 16 * 1024;

struct FragmentReading {
    // False for an ordinary anchor, such as "historial": no '=' in it.
    bool isExercise = false;
    LinkedExercise exercise;
    // Why the fragment could not be read whole, in Spanish; "" when it was.
    std::string problem;
};

// Reads a fragment as written in the address, without its '#'. With
// buttons, the exercise is also checked as a line of an exercise list.
FragmentReading ReadExerciseFragment(std::string_view fragment);

// The fragment for an exercise; every byte but letters, digits and
// - . _ ~ + is percent-encoded, so ; , & # % never end a value.
std::string ExerciseFragment(const LinkedExercise& exercise);

// The exercise as a line of an exercise list.
std::string ExerciseListLine(const LinkedExercise& exercise);

}  // namespace trelvani
