// The page's section through what it hands the program: grids turned into
// the line trelvani-decision reads, cells refused in the program's words,
// the sentence, the link and the section's description.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "study/decision/page_description.h"
#include "study/decision/page_grids.h"
#include "study/decision/page_link.h"
#include "study/decision/problem_reading.h"
#include "study/decision/ranking_sentence.h"
#include "study/decision/reply.h"

namespace trelvani::decision {
namespace {

using Json = nlohmann::ordered_json;

// The grids a problem fills in, sent back by the page and read again.
std::string LineThroughGrids(std::string_view line) {
    return ProblemLineOf(ReadPageGrids(PageGridsJson(GridsOfLine(line))));
}

TEST(PageGrids, AProblemThroughTheGridsGetsTheSameReply) {
    const std::vector<std::string> lines = {
        std::string(kChenExample),
        // Numbers as a grid shows them, a decimal comma, a trapezoid that
        // makes the distance's default four vertices, a cost criterion.
        R"({"metodo": "topsis", "alternativas": ["A", "B"], "criterios": ["precio", "calidad"],
            "tipos": ["costo", "beneficio"], "pesos": ["0,5", [0.2, 0.4, 0.6, 0.8]],
            "valoraciones": [[[1, 2, 3], "MB"], [["2", "3,5", "4"], 7]]})",
        R"({"metodo": "saw", "decisores": 2, "alternativas": ["x", "y"], "criterios": ["c"],
            "pesos": [["A", "M"]], "valoraciones": [[["B", [1, 2, 3]]], [["R", "5"]]],
            "convenios": {"agregacion": "extremos", "desborrosificacion": "media-graduada", "redondeo": 2}})",
        // A scale of its own whose terms share the built-in ones' letters.
        R"({"metodo": "saw", "alternativas": ["x", "y"], "criterios": ["c", "d"],
            "escala_valoraciones": {"B": [7, 8, 9], "MB": [9, 9.5, 10]}, "escala_pesos": "chen",
            "pesos": ["A", "M"], "valoraciones": [["B", "MB"], ["MB", [1, 2, 3]]]})",
        R"({"metodo": "ahp", "decisores": 2, "criterios": ["C1", "C2", "C3"],
            "comparaciones": [[["3", "1/5"], ["5", [1, 2, 3]]], [["1/3", "1"]]],
            "convenios": {"agregacion": "media", "desborrosificacion": "media"}})",
    };
    for (const std::string& line : lines) {
        const Answer expected = AnswerProblem(line);
        ASSERT_TRUE(expected.solved) << expected.reply;
        EXPECT_EQ(AnswerProblem(LineThroughGrids(line)).reply, expected.reply) << line;
    }
}

// One SAW cell typed in the grid, and the entry the line gives it.
TEST(PageGrids, ACellIsATermOneNumberOrNumbersApart) {
    struct Case {
        std::string typed;
        std::string entry;
    };
    const std::vector<Case> cases = {
        {"5; 7; 9", R"(["5","7","9"])"},
        {"5 7 9 10", R"(["5","7","9","10"])"},
        {" (0,5, 0,7, 0,9) ", R"(["0,5","0,7","0,9"])"},
        {"0,5", R"("0,5")"},
        {" MDB ", R"(" MDB ")"},
        {"1;2", R"(["1","2"])"},
        {"", R"("")"},
        {"M\"B\\\n", R"("M\"B\\\n")"},
    };
    for (const Case& c : cases) {
        PageGrids grids;
        grids.method = Method::Saw;
        grids.alternatives = {"A"};
        grids.criteria = {"C"};
        grids.types = {CriterionType::Benefit};
        grids.weights = {{"A"}};
        grids.ratings = {{{c.typed}}};
        const Json line = Json::parse(ProblemLineOf(grids));
        EXPECT_EQ(line["valoraciones"][0][0].dump(), c.entry) << c.typed;
    }
}

// The whole line, packed as the program's replies are: a person compares it
// with what trelvani-decision answers, byte for byte.
TEST(PageGrids, TheLineIsPackedJson) {
    struct Case {
        PageGrids grids;
        std::string line;
    };
    PageGrids saw;
    saw.method = Method::Saw;
    saw.makers = 2;
    saw.alternatives = {"A \"uno\"", "B"};
    saw.criteria = {"C"};
    saw.types = {CriterionType::Cost};
    saw.weights = {{"A"}, {"1 2 3"}};
    saw.ratings = {{{"MB"}, {"5"}}, {{"B"}, {"(1, 2, 3)"}}};
    saw.conventions = {{"agregacion", "media"}, {"redondeo", "2"}};
    PageGrids ahp;
    ahp.method = Method::Ahp;
    ahp.criteria = {"C1", "C2", "C3"};
    ahp.comparisons = {{{"3", "1/5"}, {"1;2;3"}}};
    ahp.conventions = {{"redondeo", ""}};
    PageGrids typedRounding = ahp;
    typedRounding.conventions = {{"redondeo", "dos"}};
    const std::vector<Case> cases = {
        {saw, R"({"metodo":"saw","decisores":2,"alternativas":["A \"uno\"","B"],"criterios":["C"],)"
              R"("tipos":["costo"],"pesos":[["A",["1","2","3"]]],"valoraciones":[[["MB","B"]],[["5",["1","2","3"]]]],)"
              R"("convenios":{"agregacion":"media","redondeo":2}})"},
        {ahp, R"({"metodo":"ahp","decisores":1,"criterios":["C1","C2","C3"],)"
              R"("comparaciones":[["3","1/5"],[["1","2","3"]]],"convenios":{"redondeo":null}})"},
        {typedRounding, R"({"metodo":"ahp","decisores":1,"criterios":["C1","C2","C3"],)"
                        R"("comparaciones":[["3","1/5"],[["1","2","3"]]],"convenios":{"redondeo":"dos"}})"},
    };
    for (const Case& c : cases) EXPECT_EQ(ProblemLineOf(c.grids), c.line);
}

// Every cell that cannot be read is named; the first in the program's order
// with exactly the reason the program gives the whole line.
TEST(PageGrids, UnreadCellsAndNamesCarryTheProgramsReason) {
    struct Case {
        std::string grids;
        std::size_t unread;
        GridTable table;
        std::size_t maker, row, column;
    };
    const std::vector<Case> cases = {
        {R"({"method":"topsis","makers":2,"alternatives":["A1","A2"],"criteria":["C1","C2"],
             "types":["beneficio","costo"],"weights":[["A","M"],["MA","B"]],
             "ratings":[[["B","R"],["MB","R"]],[["B","R"],["MBX","1;2"]]]})",
         2, GridTable::Ratings, 1, 1, 0},
        {R"({"method":"saw","makers":1,"alternatives":["A1"],"criteria":["C1","C2"],
             "types":["beneficio","beneficio"],"weights":[["A","-1"]],"ratings":[[["B","3; 2; 1"]]]})",
         2, GridTable::Weights, 0, 1, 0},
        {R"({"method":"ahp","makers":1,"criteria":["C1","C2","C3"],
             "comparisons":[[["3","0"],["x"]]]})",
         2, GridTable::Comparisons, 0, 0, 2},
        {R"({"method":"saw","makers":1,"alternatives":["A1","A1"],"criteria":[" ","C2"],
             "types":["beneficio","beneficio"],"weights":[["A","M"]],"ratings":[[["B","R"],["B","R"]]]})",
         2, GridTable::Alternatives, 0, 1, 0},
    };
    for (const Case& c : cases) {
        const PageGrids grids = ReadPageGrids(c.grids);
        const std::vector<UnreadCell> unread = UnreadCells(grids);
        ASSERT_EQ(unread.size(), c.unread) << c.grids;
        const UnreadCell& first = unread.front();
        EXPECT_EQ(first.table, c.table);
        EXPECT_EQ(first.maker, c.maker);
        EXPECT_EQ(first.row, c.row);
        EXPECT_EQ(first.column, c.column);
        EXPECT_EQ(Json::parse(AnswerProblem(ProblemLineOf(grids)).reply)["error"], first.reason);
    }
}

TEST(PageGrids, MalformedGridsAreRefused) {
    for (const std::string grids : {R"([])", R"({"method":"x","makers":1,"criteria":[]})",
                                    R"({"method":"saw","makers":51,"criteria":[]})",
                                    R"({"method":"saw","makers":1,"alternatives":["A"],"criteria":["C"],
                                        "types":["beneficio"],"weights":[["A"]],"ratings":[[["B","R"]]]})"}) {
        EXPECT_THROW(ReadPageGrids(grids), DecisionError) << grids;
    }
}

TEST(RankingSentence, NamesTheBestAndTheOrder) {
    struct Case {
        std::string line;
        std::string sentence;
    };
    const std::vector<Case> cases = {
        {std::string(kChenExample),
         "La mejor alternativa es A2, con el mayor coeficiente de cercanía (CC = 0.7653"},
        {R"({"metodo": "saw", "alternativas": ["A1", "A2"], "criterios": ["C1"], "pesos": ["A"],
             "valoraciones": [["R"], ["B"]]})",
         "La mejor alternativa es A2, con el mayor valor nítido de S ("},
        {R"({"metodo": "ahp", "criterios": ["C1", "C2"], "comparaciones": [["1/3"]]})",
         "El criterio de más peso es C2 (peso normalizado "},
    };
    for (const Case& c : cases) {
        const Problem problem = ReadProblem(c.line);
        const Json reply = Json::parse(AnswerProblem(c.line).reply);
        const std::string sentence = RankingSentence(problem, Solve(problem));
        EXPECT_EQ(sentence.substr(0, c.sentence.size()), c.sentence);
        std::string order;
        for (const auto& name : reply["orden"]) order += (order.empty() ? "" : ", ") + name.get<std::string>();
        EXPECT_EQ(sentence.substr(sentence.size() - order.size() - 1), order + ".") << sentence;
    }
}

TEST(PageLink, DecodesOrRefuses) {
    struct Case {
        std::string encoded;
        std::string line;
        bool refused;
    };
    const std::string limit(kMaxLinkProblemBytes, 'a');
    const std::vector<Case> cases = {
        {"%7B%22a%22%3A1%7D", R"({"a":1})", false},
        {"%E2%82%AC", "€", false},
        {"%C3%b1", "ñ", false},
        {"%zz", "", true},
        {"abc%2", "", true},
        {limit, limit, false},
        {limit + "a", "", true},
        {"%61" + limit, "", true},
    };
    for (const Case& c : cases) {
        const LinkProblem link = ProblemOfLink(c.encoded);
        EXPECT_EQ(!link.refusal.empty(), c.refused) << c.encoded.substr(0, 20);
        EXPECT_EQ(link.line, c.line);
    }
}

// Each convention the page offers, with no choice made, is the one the
// program uses; and the example is Chen's.
TEST(PageDescription, DefaultsAreTheProgramsOwn) {
    const Json description = Json::parse(PageDescriptionJson());
    const Json lines = {
        {"topsis", R"({"metodo":"topsis","alternativas":["A"],"criterios":["C"],"pesos":["A"],"valoraciones":[["B"]]})"},
        {"saw", R"({"metodo":"saw","alternativas":["A"],"criterios":["C"],"pesos":["A"],"valoraciones":[["B"]]})"},
        {"ahp", R"({"metodo":"ahp","criterios":["C1","C2"],"comparaciones":[["3"]]})"},
    };
    std::size_t checked = 0;
    for (const Json& convention : description["conventions"]) {
        for (const Json& method : convention["methods"]) {
            const Json used = Json::parse(AnswerProblem(lines[method.get<std::string>()].get<std::string>()).reply)["convenios"];
            const Json& value = used[convention["key"].get<std::string>()];
            EXPECT_EQ(value.is_null() ? "" : value.get<std::string>(), convention["default"]) << convention.dump();
            ++checked;
        }
        bool offered = false;
        for (const Json& option : convention["options"]) offered = offered || option["word"] == convention["default"];
        EXPECT_TRUE(offered) << convention.dump();
    }
    EXPECT_EQ(checked, 12u);
    EXPECT_EQ(AnswerProblem(ProblemLineOf(ReadPageGrids(description["example"].dump()))).reply,
              AnswerProblem(kChenExample).reply);
}

}  // namespace
}  // namespace trelvani::decision
