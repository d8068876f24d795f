#include <string_view>

#include <gtest/gtest.h>

#include "core/buttons.h"
#include "core/controls.h"
#include "sample_clicks.h"
#include "study/announcement.h"
#include "study/click_record.h"

namespace trelvani {
namespace {

struct WordsCase {
    std::string_view button;
    std::string_view result;  // in the history's words
    std::string_view spoken;  // what a screen reader is given to say
};

TEST(ClickRecord, EachClickIsToldByWhatItWrote) {
    const WordsCase cases[] = {
        {"Suma", "Z = ( 6;  8;  10;  12)", "Z: 6, 8, 10, 12"},
        {"Multiplicacion", "Z = ( 5;  12;  21;  32)", "Z: 5, 12, 21, 32"},
        {"Resta", "Z = (-7; -5; -3; -1)", "Z: -7, -5, -3, -1"},
        {"Division", "Z = ( .125;  .285714285714286;  .5;  .8)", "Z: .125, .285714285714286, .5, .8"},
        {"Minimo", "Z = ( 1;  2;  3;  4)", "Z: 1, 2, 3, 4"},
        {"Maximo", "Z = ( 5;  6;  7;  8)", "Z: 5, 6, 7, 8"},
        {"Cuadrado", "Z = ( 1;  4;  9;  16)", "Z: 1, 4, 9, 16"},
        {"Raiz", "Z = ( 1;  1.4142135623731;  1.73205080756888;  2)", "Z: 1, 1.4142135623731, 1.73205080756888, 2"},
        {"DEFUZY", "Def = \" 2.5\"", "Def: 2.5"},
        {"XZ", "X = ( 1;  2;  3;  4)", "X: 1, 2, 3, 4"},
        {"YZ", "Y = ( 1;  2;  3;  4)", "Y: 1, 2, 3, 4"},
        {"Borrar", "X e Y vaciados", "X e Y vaciados"},
    };
    for (const WordsCase& c : cases) {
        const ClickRecord click = SampleClick(c.button);
        ASSERT_FALSE(click.error) << c.button;
        EXPECT_EQ(ResultWords(click), c.result) << c.button;
        EXPECT_EQ(AnnouncementOf(click), c.spoken) << c.button;
    }
}

TEST(ClickRecord, TheEqualMeansAndAFailureAreToldInWords) {
    MemoryControls controls;
    ClickRecord click = RecordClick(*ButtonNamed("Maximo"), controls);
    EXPECT_EQ(ResultWords(click), "Mensajes: Ambos numeros son iguales");
    EXPECT_EQ(AnnouncementOf(click), "Ambos numeros son iguales");
    controls.SetText(Box::XI, "1");
    click = RecordClick(*ButtonNamed("Division"), controls);
    EXPECT_EQ(ResultWords(click), "error 11: División por cero");
    EXPECT_EQ(AnnouncementOf(click), "");  // the error box speaks
    EXPECT_TRUE(click.written.empty());
}

}  // namespace
}  // namespace trelvani
