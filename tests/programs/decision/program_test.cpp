// trelvani-decision as users run it: each line answered while the input
// stays open, a bad line answered and counted, and a document that is
// either whole or not written at all.
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "co_process.h"

namespace {

using trelvani::testing::CoProcess;

const std::string kSaw =
    R"({"metodo": "saw", "alternativas": ["A1", "A2"], "criterios": ["C1"], "pesos": ["A"], "valoraciones": [["R"], ["B"]]})";

TEST(DecisionProgram, AnswersEachLineWhileTheInputStaysOpen) {
    CoProcess program(TRELVANI_DECISION_EXE, false);
    ASSERT_TRUE(program.Send(kSaw + "\n"));
    const std::string solved = program.Reply();
    EXPECT_EQ(solved.rfind(R"({"metodo":"saw",)", 0), 0u) << solved.substr(0, 80);
    EXPECT_NE(solved.find(R"("orden":["A2","A1"]})"), std::string::npos) << solved;
    ASSERT_TRUE(program.Send("\n" R"({"metodo": "saw", "metodo": "saw"})" "\r\n"));
    EXPECT_EQ(program.Reply(), R"({"error":"clave repetida: «metodo»"})");
    program.CloseInput();
    EXPECT_EQ(program.Status(), 1);
}

struct Outcome {
    int status;
    std::string out;
};

Outcome RunWith(const std::string& input, const std::string& arguments) {
    const std::string in = ::testing::TempDir() + "decision_in.jsonl";
    const std::string out = ::testing::TempDir() + "decision_out";
    std::ofstream(in) << input;
    const std::string command =
        std::string(TRELVANI_DECISION_EXE) + " " + arguments + " < " + in + " > " + out + " 2>/dev/null";
    const int status = std::system(command.c_str());
    std::ifstream file(out);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>())};
}

TEST(DecisionProgram, DocumentsAreWholeOrNothing) {
    struct Case {
        std::string input;
        std::string arguments;
        int status;
        bool written;
    };
    const std::vector<Case> cases = {
        {kSaw + "\n", "--formato latex", 0, true},
        {R"({"metodo": "saw"})" "\n", "--formato latex", 1, false},
        {kSaw + "\n" + kSaw + "\n", "--formato html", 1, false},
        {"", "--formato texto", 1, false},
        {kSaw + "\n", "--formato pdf", 2, false},
        {kSaw + "\n" + R"({"metodo": "saw"})" "\n", "", 1, true},
        // A line past 1 MiB is refused unread, and the next one answered.
        {std::string((1u << 20) + 1, '{') + "\n" + kSaw + "\n", "", 1, true},
        {std::string((1u << 20) + 1, '{') + "\n" + kSaw + "\n", "--formato markdown", 1, false},
    };
    for (const Case& c : cases) {
        const Outcome run = RunWith(c.input, c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << ": " << c.input.substr(0, 80);
        EXPECT_EQ(!run.out.empty(), c.written) << c.arguments << ": " << c.input.substr(0, 80);
    }
}

}  // namespace
