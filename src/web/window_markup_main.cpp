// Prints the window's markup for the page, with "style" its style sheet,
// with "table" the control table as JSON, or with "data" what the sections'
// scripts take from the core's tables as JSON: run under Node as the page is
// built, so the page shows the window before any script runs, and by the
// page's tests, which check the page against it.
#include <cstdio>
#include <string>
#include <string_view>

#include "core/controls.h"
#include "core/operand_io.h"
#include "study/check/answer_key.h"
#include "study/exercises/exercise_documents.h"
#include "text/json_writer.h"
#include "web/copy_format.h"
#include "web/section_texts.h"
#include "web/window_markup.h"

namespace {

// {"formats": {name: the study module's number}, "judged": the checked
// results' boxes in order, "operands": X's and Y's boxes in order,
// "documents": {an exercise format's name: [its file's extension, its media
// type]}, "texts": {key: what the sections say}}.
std::string SectionsData() {
    std::string out;
    trelvani::JsonWriter json(out);
    json.BeginObject().Key("formats").BeginObject();
    for (const trelvani::NamedCopyFormat& named : trelvani::kCopyFormats) {
        json.Key(named.name).Integer(static_cast<int>(named.format));
    }
    json.EndObject().Key("judged").BeginArray();
    for (const trelvani::Box box : trelvani::kCheckedBoxes) json.String(trelvani::BoxName(box));
    json.EndArray().Key("operands").BeginArray();
    for (const trelvani::Row row : {trelvani::Row::X, trelvani::Row::Y}) {
        for (const trelvani::Box box : trelvani::BoxesOf(row)) json.String(trelvani::BoxName(box));
    }
    json.EndArray().Key("documents").BeginObject();
    for (const trelvani::NamedExerciseFormat& named : trelvani::kExerciseFormats) {
        json.Key(named.name).BeginArray().String(named.extension).String(named.mediaType).EndArray();
    }
    json.EndObject().Key("texts").BeginObject();
    for (const trelvani::SectionText& text : trelvani::kSectionTexts) json.Key(text.key).String(text.text);
    json.EndObject().EndObject();
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view what = argc > 1 ? argv[1] : "";
    std::string text;
    if (what.empty()) {
        text = trelvani::web::WindowMarkup();
    } else if (what == "style") {
        text = trelvani::web::WindowStyle();
    } else if (what == "table") {
        text = trelvani::web::ControlTableJson();
    } else if (what == "data") {
        text = SectionsData();
    } else {
        std::fputs("trelvani_window_markup: [style|table|data]\n", stderr);
        return 2;
    }
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
