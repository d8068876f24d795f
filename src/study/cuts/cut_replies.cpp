#include "study/cuts/cut_replies.h"

#include <utility>

#include "core/steps.h"
#include "study/cuts/cut_reading.h"
#include "study/cuts/cut_report.h"
#include "text/json_text.h"

namespace trelvani {
namespace {

static_assert(protocol::kMaxAlphas == static_cast<std::size_t>(kLevels));

void AppendMeasure(std::string& out, const Measure& measure) {
    if (measure.defined()) {
        // A number's text needs no escaping.
        out += '"';
        AppendShortest(out, measure.value);
        out += '"';
        return;
    }
    out += "{\"undefined\":";
    AppendJsonString(out, measure.undefined);
    out += '}';
}

void AppendPair(std::string& out, const Measure& first, const Measure& second) {
    out += '[';
    AppendMeasure(out, first);
    out += ',';
    AppendMeasure(out, second);
    out += ']';
}

void AppendCut(std::string& out, const Cut& cut) {
    if (!cut.defined()) return AppendMeasure(out, {0.0, cut.undefined});
    AppendPair(out, {cut.left, {}}, {cut.right, {}});
}

void AppendGapSide(std::string& out, const Measure& gap, double alpha) {
    if (!gap.defined()) return AppendMeasure(out, gap);
    AppendPair(out, gap, {alpha, {}});
}

// ,"cuts":[...] and ,"conventions":{...}, as asked.
std::string CutsJson(const CutReport& report, bool cuts, bool conventions) {
    std::string out;
    const bool exact = report.rule != ExactRule::None;
    if (cuts) {
        out += ",\"cuts\":[";
        for (const CutRow& row : report.rows) {
            if (out.back() != '[') out += ',';
            out += "{\"alpha\":";
            AppendMeasure(out, {row.alpha, {}});
            for (const auto& [name, cut] : {std::pair{"X", &row.x}, {"Y", &row.y}, {"Z", &row.z}}) {
                out.append(",\"").append(name).append("\":");
                AppendCut(out, *cut);
            }
            if (exact) {
                out += ",\"exact\":";
                AppendCut(out, row.exact);
            }
            out += '}';
        }
        out += ']';
    }
    if (conventions) {
        const Conventions& c = report.conventions;
        out += ",\"conventions\":{\"centroid\":";
        AppendMeasure(out, c.centroid);
        out += ",\"vertex_mean\":";
        AppendMeasure(out, c.vertexMean);
        out += ",\"graded_mean\":";
        AppendMeasure(out, c.gradedMean);
        if (report.hasAlphaTrapezoid) {
            out += ",\"alpha_trapezoid\":[";
            for (const Measure& vertex : report.alphaTrapezoid) {
                if (out.back() != '[') out += ',';
                AppendMeasure(out, vertex);
            }
            out += ']';
        }
        if (exact) {
            out += ",\"gap\":{\"left\":";
            AppendGapSide(out, report.gap.left, report.gap.leftAlpha);
            out += ",\"right\":";
            AppendGapSide(out, report.gap.right, report.gap.rightAlpha);
            out += '}';
        }
        out += '}';
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
