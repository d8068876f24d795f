#include "protocol/session.h"

#include <new>
#include <optional>
#include <string>

#include "core/buttons.h"
#include "core/runtime_error.h"
#include "core/steps_json.h"
#include "protocol/line_reader.h"
#include "protocol/request.h"
#include "text/character_classes.h"

namespace trelvani::protocol {

bool Session::Handle(std::string_view line, ReplyOutput& out) {
    Request request;
    std::optional<RuntimeError> error;
    std::string stepsJson;
    std::string cutsJson;
    try {
        if (auto reason = ParseRequest(line, request)) {
            Reject(*reason, out);
            return false;
        }
        for (auto& [box, text] : request.texts) controls_.TakeText(box, text);
        StepList steps;
        const bool cutsAsked = request.cuts || request.conventions;
        if (cutsAsked) cuts_.BeforeClick(controls_);
        if (request.button != nullptr) {
            error = RunClick(HandlerOf(request.button->id), controls_, request.steps ? &steps : nullptr);
        }
        if (request.steps) stepsJson = StepsJson(steps);
        if (cutsAsked) {
            cutsJson = cuts_.AfterClick(*request.button, error.has_value(), controls_,
                                        {request.alphas, request.cuts, request.conventions});
        }
    } catch (const std::bad_alloc&) {
        // Whatever the line had set or the click had written is taken back.
        controls_.UndoChanges();
        Reject(kNoMemoryReason, out);
        return false;
    }
    controls_.KeepChanges();
    request.texts = {};

    WriteReply(out, controls_.boxes(), error, stepsJson, cutsJson);
    return true;
}

bool IsBlank(std::string_view line) {
    return AllBlank(line);
}

bool AnswerLines(ByteSource& in, ReplyOutput& out, CutAnswers& cuts, std::size_t limit) {
    const std::string tooLong = "línea demasiado larga: más de " + std::to_string(limit) + " bytes";
    LineReader reader(in, limit);
    Session session(cuts);
    bool allValid = true;
    std::string line;
    for (;;) {
        switch (reader.Next(line)) {
        case LineReader::Status::End:
            return allValid;
        case LineReader::Status::TooLong:
            Session::Reject(tooLong, out);
            allValid = false;
            break;
        case LineReader::Status::OutOfMemory:
            Session::Reject(kNoMemoryReason, out);
            allValid = false;
            break;
        case LineReader::Status::Line:
            if (IsBlank(line)) continue;
            allValid = session.Handle(line, out) && allValid;
            break;
        }
        out.EndLine();
    }
}

}  // namespace trelvani::protocol
