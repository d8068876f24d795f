#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace trelvani {

// An operand as the page's form holds it: four boxes, a range to draw from,
// or nothing; every field as typed.
struct FormOperand {
    enum class Kind { Absent, Boxes, Range };
    Kind kind = Kind::Absent;
    std::array<std::string, 4> boxes;
    std::string from, to, decimals;
};

// One line of an exercise list as fields a teacher fills in.
struct FormRow {
    enum class Kind {
        Exercise,  // X, Y, buttons, statement, variants
        Decision,  // a decision problem kept as written, its statement editable
        Text       // a line the form cannot show, kept as typed with its reason
    };
    Kind kind = Kind::Exercise;
    // The line as written; for a row read from text, its typed bytes.
    std::string text;
    std::string reason;
    FormOperand x, y;
    std::vector<std::string> buttons;  // the buttons' names, in the order pressed
    std::string statement;             // "" for none
    std::string variants, seed;        // "" for a single exercise
    std::string decisionJson;          // the problem as one JSON object, numbers as written
    std::string summary;               // the problem in words
};

// A line of a list as a row; a line the reader refuses becomes a Text row.
FormRow ReadFormRow(std::string_view line);

// Every line that is not blank, one row each.
std::vector<FormRow> ReadFormRows(std::string_view list);

// The row's fields written as a line of a list (a Text row's text as it
// is). A field that does not fit its place is written as a JSON string, so
// the reader names it rather than the line breaking.
std::string FormRowLine(const FormRow& row);

}  // namespace trelvani
