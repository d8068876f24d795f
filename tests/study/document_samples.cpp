// Writes every copy and export the page offers into a folder, for the tools
// they are meant for (pdflatex, pandoc, a spreadsheet) to open: the steps of
// each button in each format, and a history whose operands hold what people
// type or paste.
#include <fstream>
#include <iostream>
#include <string>

#include "core/buttons.h"
#include "core/controls.h"
#include "study/cuts/cut_reading.h"
#include "study/cuts/cut_writer.h"
#include "study/history/history.h"
#include "study/procedure/procedure_writer.h"

namespace {

void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace trelvani;
    if (argc != 2) {
        std::cerr << "usage: document_samples FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    const std::string hostile[] = {
        "\\input{x} \\write18{ls} ^^5c {}#$%&_~^<>|\"", "-- --- `` '' !` ?` ,, <<>>", "~~x~~ H~2~O x^2^ $x$",
        "&lt; &a @cite", "http://x.y a@b.c www.x.y", ":smile: *a* _b_ [l](u)", std::string("\0=1+1", 5),
        "\xE2\x88\x92" "1 \xF0\x9F\x98\x80 \xE2\x88\x9E \xCE\xA9 \xE4\xB8\xAD \xE2\x80\x8B\xE2\x80\x8F \x07",
        "7" + std::string(100'000, '7'), "-1", "=1+1", "=HYPERLINK(\"http://x.y\")", "+1|2", "| a | b |", "-.5",
        " 2.25",
    };

    History history;
    MemoryControls controls;
    const std::string numbers[] = {"2", "3", "5", "7", "1", "2", "3", "4"};
    for (std::size_t i = 0; i < 8; ++i) controls.SetText(kAllBoxes[i], numbers[i]);
    // Every button, each copy in each format; a failing division too.
    for (const std::string button : {"Suma", "Resta", "Multiplicacion", "Division", "Maximo", "Minimo", "Cuadrado",
                                     "Raiz", "DEFUZY", "XZ", "YZ", "Borrar", "Maximo", "Division"}) {
        const ClickRecord click = RecordClick(*ButtonNamed(button), controls);
        history.push_back(HistoryEntryOf(click));
        const Procedure procedure = ProcedureOf(click);
        const std::string stem = folder + "/pasos-" + std::to_string(history.size()) + "-" + button;
        Write(stem + ".txt", ProcedureAsText(procedure));
        Write(stem + ".md", ProcedureAsMarkdown(procedure));
        Write(stem + ".tex", ProcedureAsLatex(procedure));
        // The α-cuts and conventions of the same click, at a typed α as well.
        const CutSection cuts = CutSectionOf(CutInputsOf(click, controls, "0,3"));
        const std::string cutStem = folder + "/cortes-" + std::to_string(history.size()) + "-" + button;
        Write(cutStem + ".md", CutsAsMarkdown(cuts));
        Write(cutStem + ".tex", CutsAsLatex(cuts));
    }
    // Cuts that do not exist, each with its reason in its cell.
    const std::string unordered[] = {"0", "0", "0.7", "0.7", "-1", "-0.5", "0.5", "1e-300"};
    for (std::size_t i = 0; i < 8; ++i) controls.SetText(kAllBoxes[i], unordered[i]);
    const ClickRecord division = RecordClick(*ButtonNamed("Division"), controls);
    Write(folder + "/cortes-motivos.tex", CutsAsLatex(CutSectionOf(CutInputsOf(division, controls, "1e-300"))));

    // Then the texts people type, two to a click, in X and in Y.
    for (std::size_t i = 0; i < std::size(hostile); ++i) {
        controls.SetText(kAllBoxes[i % 4], hostile[i]);
        controls.SetText(kAllBoxes[4 + (i + 1) % 4], hostile[(i + 1) % std::size(hostile)]);
        history.push_back(HistoryEntryOf(RecordClick(*ButtonNamed("Suma"), controls)));
    }
    Write(folder + "/historial.txt", HistoryAsText(history));
    Write(folder + "/historial.md", HistoryAsMarkdown(history));
    Write(folder + "/historial.tex", HistoryAsLatex(history));
    Write(folder + "/historial.csv", HistoryAsCsv(history));
    std::cout << history.size() << '\n';
    return 0;
}
