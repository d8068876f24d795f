#include <charconv>
#include <string>
#include <variant>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/buttons.h"
#include "core/steps.h"
#include "study/cuts/alpha_cuts.h"
#include "study/decision/reply.h"
#include "study/history/history.h"

#include "study/exercises/exercise_documents.h"
#include "study/exercises/exercise_link.h"
#include "text/markup_escapes.h"

namespace trelvani {
namespace {

std::string ReasonOf(const std::string& list) {
    const auto read = ReadExerciseList(list);
    if (const auto* reason = std::get_if<std::string>(&read)) return *reason;
    const auto run = RunExerciseList(std::get<0>(read));
    if (const auto* reason = std::get_if<std::string>(&run)) return *reason;
    return "";
}

ExerciseSet Exercises(const std::string& list) {
    return std::get<ExerciseSet>(RunExerciseList(std::get<0>(ReadExerciseList(list))));
}

TEST(ExerciseList, EachUnusableLineNamedWithItsReason) {
    const std::string ok = R"({"X": ["1", "2", "3", "4"], "Y": ["5", "6", "7", "8"], "botones": ["Suma"]})";
    const std::string many(1001, '7');
    const struct {
        std::string list, reason;
    } cases[] = {
        {ok + "\n\n" + "{\"X\": [1, 2,", "línea 3: JSON no válido"},
        {"[1]", "línea 1: se esperaba un objeto JSON"},
        {R"({"X": ["1", "2", "3"], "botones": ["Suma"]})", "línea 1: X debe tener cuatro componentes"},
        {R"({"Y": ["1", "2", "3", "4", "5"], "botones": ["Suma"]})", "línea 1: Y debe tener cuatro componentes"},
        {R"({"X": [true, 1, 2, 3], "botones": ["Suma"]})",
         "línea 1: X debe ser una lista de cuatro textos o números, o un rango"},
        {R"({"Z": ["1", "2", "3", "4"], "botones": ["Suma"]})", "línea 1: clave desconocida: Z"},
        {R"({"botones": ["Suma"], "botones": ["Resta"]})", "línea 1: clave repetida: botones"},
        {R"({"botones": ["Sumar"]})", "línea 1: botón desconocido: Sumar"},
        {R"({"botones": []})", "línea 1: \"botones\" necesita al menos un botón"},
        {R"({"X": ["1", "2", "3", "4"]})", "línea 1: falta \"botones\""},
        {R"({"X": [")" + many + R"(", "2", "3", "4"], "botones": ["Suma"]})", "línea 1: un componente de X pasa de 1000 bytes"},
        {R"({"enunciado": ")" + std::string(4001, 'a') + R"(", "botones": ["Suma"]})", "línea 1: el enunciado pasa de 4000 bytes"},
        {"{\"botones\": [\"Suma\"], \"enunciado\": \"" + std::string(70000, 'a') + "\"}", "línea 1: la línea pasa de 64 KiB"},
        {R"({"variantes": 2, "X": {"desde": 1, "hasta": 2, "decimales": 0}, "botones": ["Suma"]})",
         "línea 1: \"variantes\" y \"semilla\" van juntas"},
        {R"({"X": {"desde": 1, "hasta": 2, "decimales": 0}, "botones": ["Suma"]})",
         "línea 1: un rango necesita \"variantes\" y \"semilla\""},
        {R"({"variantes": 2, "semilla": 1, "X": {"desde": 3, "hasta": 2, "decimales": 0}, "botones": ["Suma"]})",
         "línea 1: rango imposible en X: \"desde\" pasa de \"hasta\""},
        {R"({"variantes": 2, "semilla": 1, "X": {"desde": 1, "hasta": 2, "decimales": 9}, "botones": ["Suma"]})",
         "línea 1: \"decimales\" de X debe ser un entero de 0 a 6"},
        {R"({"variantes": 2, "semilla": 1, "X": {"desde": 1, "hasta": 2}, "botones": ["Suma"]})",
         "línea 1: el rango de X necesita \"desde\", \"hasta\" y \"decimales\""},
        {R"({"variantes": 1001, "semilla": 1, "botones": ["Suma"]})", "línea 1: \"variantes\" debe ser un entero de 1 a 1000"},
        {R"({"variantes": 2, "semilla": -1, "botones": ["Suma"]})", "línea 1: \"semilla\" debe ser un entero no negativo"},
        {ok + "\n" + R"({"variantes": 1000, "semilla": 1, "botones": ["Suma"]})", "línea 2: la lista pasa de 1000 ejercicios"},
        {"", "la lista no tiene ningún ejercicio"},
        {R"({"X": ["1", "1", "1", "1"], "botones": ["XZ", "Borrar"]})", "línea 1: el ejercicio no pide ningún resultado"},
        {ok + "\n" + ok + "\n" + R"({"X": ["1", "2", "3", "4"], "Y": ["0", "0", "0", "5"], "botones": ["Division"]})",
         "ejercicio 3: División por cero en z2 = x2 / y3"},
        {R"({"variantes": 3, "semilla": 1, "X": {"desde": 1, "hasta": 2, "decimales": 0}, "Y": {"desde": 0, "hasta": 0, "decimales": 0}, "botones": ["Division"]})",
         "línea 1: ninguno de 100 sorteos se calcula sin error (División por cero en z1 = x1 / y4)"},
        // A decision problem: drawn from nothing, and read and solved as trelvani-decision does.
        {ok + "\n" + R"({"variantes": 2, "semilla": 1, "decision": {"metodo": "saw"}})",
         "línea 2: \"variantes\" no cabe en un problema de decisión: sus datos son los dados, no se sortean"},
        {R"({"decision": {"metodo": "topsis"}, "botones": ["Suma"]})", "línea 1: \"botones\" no cabe junto a \"decision\""},
        {R"({"decision": [1]})", "línea 1: \"decision\" debe ser un objeto: un problema como los que lee trelvani-decision"},
        {R"({"decision": {"metodo": "topsis", "alternativas": ["A1"], "criterios": ["C1"], "pesos": ["MA"], "valoraciones": [["MBX"]]}})",
         "línea 1: A1, C1: «MBX» no es un término de la escala de valoraciones (MP, P, MDP, R, MDB, B, MB)"},
        {ok + "\n" + R"({"decision": {"metodo": "topsis", "alternativas": ["A1", "A2"], "criterios": ["C1"], "tipos": ["costo"], "pesos": ["MA"], "valoraciones": [["MP"], ["B"]]}})",
         "línea 2: A1, C1: a1 agregada es 0 en un criterio de costo y la normalización lineal dividiría por cero"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReasonOf(c.list), c.reason) << c.list.substr(0, 120);
}

TEST(ExerciseList, NumbersKeepTheirTextVariantsRepeatAndCommasAreWarned) {
    const ExerciseSet set = Exercises(
        R"({"X": [2.50, -0, 1e1, "0,5"], "botones": ["Cuadrado"]})" "\n"
        R"({"variantes": 3, "semilla": 42, "X": {"desde": -1, "hasta": 1, "decimales": 2}, "botones": ["Cuadrado"]})");
    ASSERT_EQ(set.exercises.size(), 4u);
    EXPECT_EQ(*set.exercises[0].x, (std::array<std::string, 4>{"2.50", "-0", "1e1", "0,5"}));
    EXPECT_EQ(set.exercises[0].statement, "Sea X = (2.50; -0; 1e1; 0,5). Calcule Z = X · X.");
    EXPECT_EQ(set.warnings, std::vector<std::string>{"ejercicio 1: XIV \"0,5\" se lee como 0"});
    const ExerciseSet again = Exercises(R"({"variantes": 3, "semilla": 42, "X": {"desde": -1, "hasta": 1, "decimales": 2}, "botones": ["Cuadrado"]})");
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& x = *set.exercises[1 + i].x;
        EXPECT_EQ(x, *again.exercises[i].x);
        double before = -2;
        for (const std::string& text : x) {
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            EXPECT_TRUE(value >= before && value <= 1 && text.size() - text.find('.') == 3) << text;
            before = value;
        }
    }
}

TEST(ExerciseList, StatementsSayWhatEachButtonAsks) {
    const struct {
        std::string buttons, statement, asked;
    } cases[] = {
        {R"("Multiplicacion", "DEFUZY")", "Sean X = (1; 2; 3; 4) e Y = (5; 6; 7; 8). Calcule Z = X · Y y su centroide.",
         "ZI, ZII, ZIII, ZIV y Def"},
        {R"("Suma", "XZ", "Resta")",
         "Sean X = (1; 2; 3; 4) e Y = (5; 6; 7; 8). Calcule Z = X + Y, copie Z en X y calcule Z = X - Y.",
         "ZI, ZII, ZIII, ZIV, ZI, ZII, ZIII y ZIV"},
        {R"("Minimo")", "Sean X = (1; 2; 3; 4) e Y = (5; 6; 7; 8). Calcule Z = Min(X, Y).", "mX, mY y el operando elegido"},
    };
    for (const auto& c : cases) {
        const ExerciseSet set = Exercises(R"({"X": ["1", "2", "3", "4"], "Y": ["5", "6", "7", "8"], "botones": [)" + c.buttons + "]}");
        EXPECT_EQ(set.exercises[0].statement, c.statement);
        EXPECT_EQ(AskedLabels(set.exercises[0]), c.asked);
    }
}

// Every button stands in the core's table under its own id, and each
// feature that treats buttons apart has its words for it.
TEST(Buttons, EachHasACaptionAHandlerAndTheWordsWrittenForIt) {
    const struct {
        ButtonId id;
        std::string_view operation;  // the history's and the documents' name for it
        std::string_view task;       // what an exercise's statement asks
        ExactRule rule;
        bool fromHistory;            // a history's click of it becomes an exercise
    } cases[] = {
        {ButtonId::Add, "Suma (+)", "calcule Z = X + Y", ExactRule::Sum, true},
        {ButtonId::Multiply, "Multiplicacion (X)", "calcule Z = X · Y", ExactRule::Product, true},
        {ButtonId::Subtract, "Resta (-)", "calcule Z = X - Y", ExactRule::Difference, true},
        {ButtonId::Divide, "Division (/)", "calcule Z = X / Y", ExactRule::Quotient, true},
        {ButtonId::Minimum, "Minimo (Min)", "calcule Z = Min(X, Y)", ExactRule::Minimum, true},
        {ButtonId::Maximum, "Maximo (Max)", "calcule Z = Max(X, Y)", ExactRule::Maximum, true},
        {ButtonId::Square, "Cuadrado (X * X)", "calcule Z = X · X", ExactRule::Square, true},
        {ButtonId::SquareRoot, "Raiz (Raiz ( X ))", "calcule Z = Raiz(X)", ExactRule::Root, true},
        {ButtonId::Defuzzify, "DEFUZY (Defuzyficacion ( Z ))", "calcule el centroide de Z", ExactRule::None, false},
        {ButtonId::CopyZToX, "XZ (X = Z)", "copie Z en X", ExactRule::None, false},
        {ButtonId::CopyZToY, "YZ (Y = Z)", "copie Z en Y", ExactRule::None, false},
        {ButtonId::ClearOperands, "Borrar (Borrar todo)", "borre X e Y", ExactRule::None, false},
    };
    ASSERT_EQ(std::size(cases), kButtons.size());
    for (const auto& c : cases) {
        const Button& button = ButtonOf(c.id);
        EXPECT_EQ(button.id, c.id) << c.operation;
        EXPECT_EQ(ButtonNamed(button.name), &button) << c.operation;
        EXPECT_FALSE(button.caption.empty()) << c.operation;
        EXPECT_NE(HandlerOf(c.id), nullptr) << c.operation;
        EXPECT_EQ(OperationWords(button), c.operation);
        EXPECT_EQ(ExerciseTask(c.id), c.task) << c.operation;
        EXPECT_EQ(ExactRuleOf(c.id), c.rule) << c.operation;
        const History history = {{c.id, {"1", "2", "3", "4", "5", "6", "7", "8"}, ""}};
        EXPECT_EQ(HistoryAsExerciseList(history).empty(), !c.fromHistory) << c.operation;
    }
}

// Each method asks for the values its reply ranks by, and the reply's best;
// the reply is the program's own, and the problem is kept as it was written.
TEST(ExerciseList, DecisionProblemsAskWhatTheirReplyRanksBy) {
    const struct {
        std::string problem, rankedBy, statement;
    } cases[] = {
        {R"({"metodo": "topsis", "alternativas": ["A1", "Señal"], "criterios": ["C1"], "pesos": ["MA"], "valoraciones": [["R"], [[5, 7.50, 9]]]})",
         "cc", "Resuelva por TOPSIS difuso el problema de decisión con los datos y los convenios que siguen."},
        {R"({"metodo": "saw", "alternativas": ["A1", "A2", "A3"], "criterios": ["C1", "C2"], "tipos": ["beneficio", "costo"], "pesos": ["A", "M"], "valoraciones": [["B", "R"], ["MB", "MB"], ["R", "MDP"]]})",
         "valor", "Resuelva por SAW difuso (suma ponderada) el problema de decisión con los datos y los convenios que siguen."},
        {R"({"metodo": "ahp", "decisores": 2, "criterios": ["C1", "C2", "C3"], "comparaciones": [[["3", "5"], ["1/3", "2"]], [["7", "4"]]]})",
         "pesos", "Resuelva por AHP difuso (Buckley, 1985) el problema de decisión con los datos y los convenios que siguen."},
    };
    for (const auto& c : cases) {
        const ExerciseSet set = Exercises(R"({"decision": )" + c.problem + "}");
        ASSERT_EQ(set.exercises.size(), 1u) << c.problem;
        const DecisionWork& work = *set.exercises[0].decision;
        EXPECT_EQ(work.reply, decision::AnswerProblem(c.problem).reply);
        EXPECT_EQ(nlohmann::json::parse(work.given), nlohmann::json::parse(c.problem));
        EXPECT_EQ(set.exercises[0].statement, c.statement);
        const nlohmann::json reply = nlohmann::json::parse(work.reply);
        const DecisionQuestions asked = DecisionAsked(work);
        std::vector<std::string> values;
        for (const auto& number : asked.numbers) values.push_back(ShortestText(number.second));
        EXPECT_EQ(values, reply[c.rankedBy].get<std::vector<std::string>>()) << c.rankedBy;
        EXPECT_EQ(asked.options.at(asked.best), reply["orden"][0].get<std::string>());
    }
    EXPECT_NE(Exercises(R"({"decision": )" + cases[0].problem + "}").exercises[0].decision->given.find("7.50"), std::string::npos);
}

TEST(MarkupEscapes, TypedTextNeverTakesAMeaning) {
    const std::string hostile = "}{#~=:\\ $&%_^ <b> ]]>";
    EXPECT_EQ(HtmlText(hostile), "&#125;&#123;#~=:\\ $&amp;%_^ &lt;b&gt; ]]&gt;");
    EXPECT_EQ(CdataText("a]]>b]]>"), "<![CDATA[a]]]]><![CDATA[>b]]]]><![CDATA[>]]>");
    // Moodle decodes a Cloze feedback once, then turns "\}" and "\#" into "}" and "#".
    EXPECT_EQ(ClozeText("}{#~/\"\\# \\} <b>&"),
              "&#125;&#123;&#35;&#126;&#47;&#34;&amp;#92;&#35; &amp;#92;&#125; &amp;lt;b&amp;gt;&amp;amp;");
    EXPECT_EQ(GiftText(hostile + "\r\nx"), "\\}\\{\\#\\~\\=\\:\\\\ $&%_^ <b> ]]>\\nx");
    EXPECT_EQ(QuizNumber(" .5"), "0.5");
    EXPECT_EQ(QuizNumber("-.25"), "-0.25");
    EXPECT_EQ(QuizNumber(" 1.5E+20"), "1.5E+20");
    EXPECT_EQ(Tolerance(0), "0.5");
    EXPECT_EQ(Tolerance(3), "0.0005");
}

// The page's "Decimales" and --decimales read alike.
TEST(ExerciseDocuments, DecimalsAreOneOrTwoDigitsUpToTheLimit) {
    const std::pair<std::string_view, std::optional<int>> cases[] = {
        {"0", 0}, {"04", 4}, {"15", 15}, {"16", std::nullopt}, {"007", std::nullopt}, {"1.5", std::nullopt},
        {"-1", std::nullopt}, {"+1", std::nullopt}, {" 1", std::nullopt}, {"", std::nullopt}, {"1e1", std::nullopt},
    };
    for (const auto& [typed, decimals] : cases) EXPECT_EQ(ReadDecimals(typed), decimals) << typed;
}

}  // namespace
}  // namespace trelvani

namespace trelvani {
namespace {

TEST(ExerciseLink, FragmentsReadWholeOrNotAtAll) {
    const struct {
        std::string fragment, problem;
    } cases[] = {
        {"X=1;2;3;4&Y=5;6;7;8&botones=Multiplicacion,DEFUZY", ""},
        {"Y=%C3%B1;a%3Bb;%26%23%25;+1", ""},
        {"X=1;2;3&botones=Suma", "X necesita cuatro textos separados por «;»"},
        {"X=1;2;3;4&Z=1", "clave desconocida: Z"},
        {"X=1;2;3;4&X=1;2;3;4", "clave repetida: X"},
        {"X=1;2;3;4&sola", "falta «=» en «sola»"},
        {"X=%ZZ;2;3;4", "codificación no válida en X"},
        {"X=%4;2;3;4", "codificación no válida en X"},
        {"X=%ED%A0%80;2;3;4", "codificación no válida en X"},
        {"X=%FF;2;3;4", "codificación no válida en X"},
        {"X=" + std::string(1001, '7') + ";2;3;4", "un texto de X pasa de 1000 bytes"},
        {"enunciado=" + std::string(4001, 'a') + "&botones=Suma", "el enunciado pasa de 4000 bytes"},
        {"X=1;2;3;4&botones=Sumar", "botón desconocido: Sumar"},
        {"X=1;1;1;1&botones=XZ", ""},
        {"X=" + std::string(16 * 1024, '1'), "el enlace pasa de 16 KiB"},
    };
    for (const auto& c : cases) {
        const FragmentReading reading = ReadExerciseFragment(c.fragment);
        EXPECT_TRUE(reading.isExercise) << c.fragment.substr(0, 60);
        EXPECT_EQ(reading.problem, c.problem) << c.fragment.substr(0, 60);
    }
    EXPECT_FALSE(ReadExerciseFragment("historial").isExercise);
    EXPECT_EQ((*ReadExerciseFragment("Y=%C3%B1;a%3Bb;%26%23%25;+1").exercise.y),
              (std::array<std::string, 4>{"ñ", "a;b", "&#%", "+1"}));
}

TEST(ExerciseLink, WhatALinkWritesReadsBackAsTyped) {
    LinkedExercise hostile;
    hostile.x = std::array<std::string, 4>{"<b>\"x\"</b>", "a;b,c&d#e%f", " 1 + 2 ", "\xF0\x9F\x98\x80 \xC3\xB1"};
    hostile.y = std::array<std::string, 4>{"", "=", "%41", "'); alert(1); //"};
    hostile.buttons = {"Suma", "DEFUZY"};
    hostile.statement = "}{#~=:\\ $&%_^ <b> ]]>";
    const std::string fragment = ExerciseFragment(hostile);
    const FragmentReading reading = ReadExerciseFragment(fragment);
    EXPECT_EQ(reading.problem, "");
    EXPECT_EQ(reading.exercise.x, hostile.x);
    EXPECT_EQ(reading.exercise.y, hostile.y);
    EXPECT_EQ(reading.exercise.buttons, hostile.buttons);
    EXPECT_EQ(reading.exercise.statement, hostile.statement);
    // The program's link for a list's exercise is the page's for the same texts.
    const ExerciseSet set = Exercises(R"({"X": ["1", "2", "3", "4"], "Y": ["5", "6", "7", "8"], "botones": ["Suma"]})");
    EXPECT_EQ(ExerciseLinkOf(set.exercises[0], "https://ejemplo.es/trelvani.html"),
              "https://ejemplo.es/trelvani.html#X=1;2;3;4&Y=5;6;7;8&botones=Suma");
    EXPECT_FALSE(UsableLinkBase("javascript:alert(1)"));
    EXPECT_TRUE(UsableLinkBase("https://ejemplo.es/t/"));
}

}  // namespace
}  // namespace trelvani
