#include "core/steps_json.h"

#include "text/json_writer.h"

namespace trelvani {

std::string StepsJson(const StepList& steps) {
    std::string out;
    JsonWriter json(out);
    json.BeginArray();
    for (const Step& step : steps) {
        json.BeginObject().Key("name").String(step.name).Key("formula").String(step.formula);
        if (step.value) json.Key("value").String(ShortestText(*step.value));
        if (step.unrounded) json.Key("unrounded").String(ShortestText(*step.unrounded));
        if (step.error) json.Key("error").Integer(*step.error);
        json.EndObject();
    }
    json.EndArray();
    return out;
}

}  // namespace trelvani
