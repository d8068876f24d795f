#include "study/cuts/cut_replies.h"

#include <utility>

#include "core/steps.h"
#include "study/cuts/cut_reading.h"
#include "study/cuts/cut_report.h"
#include "text/json_writer.h"

namespace trelvani {
namespace {

static_assert(protocol::kMaxAlphas == static_cast<std::size_t>(kLevels));

// A number's text needs no escaping, but is written as a string as every
// number of a reply is.
void WriteMeasure(JsonWriter& json, const Measure& measure) {
    if (measure.defined()) {
        json.String(ShortestText(measure.value));
        return;
    }
    json.BeginObject().Key("undefined").String(measure.undefined).EndObject();
}

void WritePair(JsonWriter& json, const Measure& first, const Measure& second) {
    json.BeginArray();
    WriteMeasure(json, first);
    WriteMeasure(json, second);
    json.EndArray();
}

void WriteCut(JsonWriter& json, const Cut& cut) {
    if (!cut.defined()) return WriteMeasure(json, {0.0, cut.undefined});
    WritePair(json, {cut.left, {}}, {cut.right, {}});
}

void WriteGapSide(JsonWriter& json, const Measure& gap, double alpha) {
    if (!gap.defined()) return WriteMeasure(json, gap);
    WritePair(json, gap, {alpha, {}});
}

// "cuts":[...] and "conventions":{...}, as asked.
std::string CutsJson(const CutReport& report, bool cuts, bool conventions) {
    std::string out;
    JsonWriter json(out);
    const bool exact = report.rule != ExactRule::None;
    if (cuts) {
        json.Key("cuts").BeginArray();
        for (const CutRow& row : report.rows) {
            json.BeginObject().Key("alpha");
            WriteMeasure(json, {row.alpha, {}});
            for (const auto& [name, cut] : {std::pair{"X", &row.x}, {"Y", &row.y}, {"Z", &row.z}}) {
                json.Key(name);
                WriteCut(json, *cut);
            }
            if (exact) {
                json.Key("exact");
                WriteCut(json, row.exact);
            }
            json.EndObject();
        }
        json.EndArray();
    }
    if (conventions) {
        const Conventions& c = report.conventions;
        json.Key("conventions").BeginObject().Key("centroid");
        WriteMeasure(json, c.centroid);
        json.Key("vertex_mean");
        WriteMeasure(json, c.vertexMean);
        json.Key("graded_mean");
        WriteMeasure(json, c.gradedMean);
        if (report.hasAlphaTrapezoid) {
            json.Key("alpha_trapezoid").BeginArray();
            for (const Measure& vertex : report.alphaTrapezoid) WriteMeasure(json, vertex);
            json.EndArray();
        }
        if (exact) {
            json.Key("gap").BeginObject().Key("left");
            WriteGapSide(json, report.gap.left, report.gap.leftAlpha);
            json.Key("right");
            WriteGapSide(json, report.gap.right, report.gap.rightAlpha);
            json.EndObject();
        }
        json.EndObject();
    }
    return out;
}

}  // namespace

void CutReplies::BeforeClick(const Controls& controls) {
    x_ = ReadForCuts(controls, Row::X);
    y_ = ReadForCuts(controls, Row::Y);
}

std::string CutReplies::AfterClick(const Button& button, bool failed, const Controls& controls,
                                   const protocol::CutQuestion& question) {
    const CutReport report = CutReportOf(button.id, failed, x_, y_, ReadForCuts(controls, Row::Z),
                                         CentroidOf(controls), question.alphas);
    return CutsJson(report, question.cuts, question.conventions);
}

}  // namespace trelvani
