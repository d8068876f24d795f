#include "study/cuts/cut_section.h"

#include <vector>

namespace trelvani {

CutSection CutSectionOf(const CutInputs& inputs) {
    CutSection section{inputs.button, inputs.failed, inputs.alphaUnread, {}};
    if (inputs.button == nullptr) return section;
    std::vector<double> alphas = {0.0, 0.25, 0.5, 0.75, 1.0};
    if (inputs.alpha) alphas.push_back(*inputs.alpha);
    section.report =
        CutReportOf(inputs.button->id, inputs.failed, inputs.x, inputs.y, inputs.z, inputs.centroid, alphas);
    return section;
}

}  // namespace trelvani
