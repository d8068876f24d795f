#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "study/exercises/exercise_documents.h"
#include "study/exercises/exercise_form.h"
#include "study/exercises/exercise_form_json.h"
#include "study/exercises/exercise_list.h"

namespace trelvani {
namespace {

// Every format with the key, or the list's reason: two lists that give the
// same documents are the same list to a teacher.
std::string Documents(const std::string& list) {
    const auto read = ReadExerciseList(list);
    if (const auto* reason = std::get_if<std::string>(&read)) return *reason;
    const auto run = RunExerciseList(std::get<0>(read));
    if (const auto* reason = std::get_if<std::string>(&run)) return *reason;
    std::string all;
    for (const auto format : {ExerciseFormat::Latex, ExerciseFormat::Markdown, ExerciseFormat::Html,
                              ExerciseFormat::Moodle, ExerciseFormat::Gift, ExerciseFormat::Json}) {
        all += ExerciseDocument(format, std::get<ExerciseSet>(run), {true, 3, {}});
    }
    return all;
}

// A row as the page holds it: through the page's JSON and back.
FormRow ThroughThePage(const FormRow& row) {
    const std::string rows = FormRowsJson({row});
    // The one row's object, between {"rows":[ and ]}.
    const auto back = FormRowFromJson(std::string_view(rows).substr(9, rows.size() - 11));
    EXPECT_TRUE(back.has_value()) << rows;
    return back.value_or(FormRow{});
}

TEST(ExerciseForm, EveryLineTheReaderTakesComesBackAsTheSameExercises) {
    const struct {
        std::string line;
        FormRow::Kind kind;
    } cases[] = {
        {R"({"X": ["1", "2", "3", "4"], "Y": [5, 6, 7, 8.50], "botones": ["Suma"], "enunciado": "}{#~=:\\ $&%_^ <b> \"]]>\n"})",
         FormRow::Kind::Exercise},
        {R"({"botones": ["Multiplicacion", "DEFUZY"], "X": ["-0", "0,5", "1e2", "  7 "], "Y": [1, 2, 3, 4]})", FormRow::Kind::Exercise},
        {R"({"Y": ["1", "2", "3", "4"], "botones": ["YZ", "Cuadrado", "Raiz"]})", FormRow::Kind::Exercise},
        {R"({"variantes": 3, "semilla": 18446744073709551615, "X": {"desde": -2.50, "hasta": 9, "decimales": 1}, "Y": ["1", "2", "3", "4"], "botones": ["Division", "Minimo"]})",
         FormRow::Kind::Exercise},
        {R"({"variantes": 2, "semilla": 7, "X": {"decimales": 0, "hasta": 5, "desde": 1e0}, "Y": {"desde": 1, "hasta": 5, "decimales": 0}, "botones": ["Resta"], "enunciado": "Señal"})",
         FormRow::Kind::Exercise},
        {R"({"decision": {"metodo": "topsis", "alternativas": ["<b>", "Señal"], "criterios": ["Precio"], "tipos": ["costo"], "pesos": ["A"], "valoraciones": [["B"], [[5, 7.50, 9]]]}, "enunciado": "Elija."})",
         FormRow::Kind::Decision},
    };
    for (const auto& c : cases) {
        const FormRow row = ReadFormRow(c.line);
        EXPECT_EQ(row.kind, c.kind) << c.line << "\n" << row.reason;
        EXPECT_EQ(row.text, c.line);
        const std::string rewritten = FormRowLine(ThroughThePage(row));
        EXPECT_EQ(Documents(rewritten), Documents(c.line)) << c.line << "\nwritten as\n" << rewritten;
        EXPECT_NE(Documents(c.line).find("\\documentclass"), std::string::npos) << Documents(c.line).substr(0, 200);
    }
}

TEST(ExerciseForm, ALineTheFormCannotShowIsKeptAsTypedWithItsReason) {
    const struct {
        std::string line, reason;
    } cases[] = {
        {R"({"X": [1, 2,)", "JSON no válido"},
        {R"({"X": ["1", "2", "3"], "botones": ["Suma"]})", "X debe tener cuatro componentes"},
        {R"({"botones": ["Sumar"]})", "botón desconocido: Sumar"},
        {R"({"botones": ["Suma"], "color": "rojo"})", "clave desconocida: color"},
        {R"({"decision": {"metodo": "saw"}, "variantes": 2})",
         "\"variantes\" no cabe en un problema de decisión: sus datos son los dados, no se sortean"},
    };
    for (const auto& c : cases) {
        const FormRow row = ReadFormRow(c.line);
        EXPECT_EQ(row.kind, FormRow::Kind::Text) << c.line;
        EXPECT_EQ(row.reason, c.reason) << c.line;
        EXPECT_EQ(FormRowLine(ThroughThePage(row)), c.line);
    }
    // Blank lines are no rows; a line's carriage return is not part of it.
    const auto rows = ReadFormRows("\n  \r\n{\"botones\": [\"Suma\"]}\r\n\t\n{\"botones\": []}");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, "{\"botones\": [\"Suma\"]}");
    EXPECT_EQ(rows[1].reason, "\"botones\" necesita al menos un botón");
}

TEST(ExerciseForm, FieldsTypedIntoTheFormAreWrittenOrRefusedByName) {
    FormRow boxes;
    boxes.x = {FormOperand::Kind::Boxes, {"1", "2\"], \"Y\": [\"9", "3", "4"}, {}, {}, {}};
    boxes.buttons = {"Suma"};
    boxes.statement = "\", \"variantes\": 5, \"x\": \"";
    const auto ranged = [](std::string from, std::string variants, std::string seed) {
        FormRow row;
        row.x = {FormOperand::Kind::Range, {}, std::move(from), "9", "1"};
        row.buttons = {"DEFUZY"};
        row.variants = std::move(variants);
        row.seed = std::move(seed);
        return row;
    };
    FormRow decision = ReadFormRow(R"({"decision": {"metodo": "saw", "alternativas": ["A1", "A2"], "criterios": ["C1", "C2"], "pesos": ["A", "MA"], "valoraciones": [["B", "R"], ["MB", "P"]]}})");
    decision.statement = "Elija \"la mejor\".";
    FormRow ahp = ReadFormRow(R"({"decision": {"metodo": "ahp", "criterios": ["C1", "C2"], "decisores": 2, "comparaciones": [[["3", "1/3"]]]}})");
    const struct {
        FormRow row;
        std::string line, reason;
    } cases[] = {
        // Whatever is typed stays inside its string.
        {boxes, R"({"X": ["1", "2\"], \"Y\": [\"9", "3", "4"], "botones": ["Suma"], "enunciado": "\", \"variantes\": 5, \"x\": \""})", ""},
        {ranged("0,5", "3", "11"), R"({"X": {"desde": 0.5, "hasta": 9, "decimales": 1}, "botones": ["DEFUZY"], "variantes": 3, "semilla": 11})", ""},
        {ranged("1} ,\"y", "3", "11"),
         R"({"X": {"desde": "1} ,\"y", "hasta": 9, "decimales": 1}, "botones": ["DEFUZY"], "variantes": 3, "semilla": 11})",
         "el rango de X lleva números"},
        {ranged("1", "", "11"), R"({"X": {"desde": 1, "hasta": 9, "decimales": 1}, "botones": ["DEFUZY"], "semilla": 11})",
         "\"variantes\" y \"semilla\" van juntas"},
        {ranged("1", "tres", "1"), R"({"X": {"desde": 1, "hasta": 9, "decimales": 1}, "botones": ["DEFUZY"], "variantes": "tres", "semilla": 1})",
         "\"variantes\" debe ser un entero de 1 a 1000"},
        {ranged("1", "", ""), R"({"X": {"desde": 1, "hasta": 9, "decimales": 1}, "botones": ["DEFUZY"]})",
         "un rango necesita \"variantes\" y \"semilla\""},
        {FormRow{}, R"({"botones": []})", "\"botones\" necesita al menos un botón"},
        // The problem as it was read; only the statement is the form's.
        {decision, R"({"decision": {"metodo":"saw","alternativas":["A1","A2"],"criterios":["C1","C2"],"pesos":["A","MA"],"valoraciones":[["B","R"],["MB","P"]]}, "enunciado": "Elija \"la mejor\"."})",
         ""},
    };
    for (const auto& c : cases) {
        const FormRow row = ThroughThePage(c.row);
        EXPECT_EQ(FormRowLine(row), c.line);
        ExerciseLine read;
        EXPECT_EQ(ReadExerciseLine(FormRowLine(row), read).value_or(""), c.reason) << c.line;
    }
    EXPECT_EQ(decision.summary, "SAW difuso con 2 alternativas (A1, A2), 2 criterios (C1, C2) y 1 decisor.");
    EXPECT_EQ(ahp.summary, "AHP difuso con 2 criterios (C1, C2) y 2 decisores.") << ahp.reason;
    // JSON the form never sends is refused, not written.
    for (const char* json : {"", "[]", R"({"kind": "nada"})", R"({"kind": "decision", "problem": "1"})",
                             R"({"kind": "exercise", "x": {"kind": "otro"}})"}) {
        EXPECT_FALSE(FormRowFromJson(json).has_value()) << json;
    }
}

}  // namespace
}  // namespace trelvani
