#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checked_arithmetic.h"
#include "core/runtime_error.h"

namespace trelvani {

// One value a click computed or read, under the name the handler gives it.
// Names and formulas are the handler's own literals.
struct Step {
    std::string_view name;
    // Over the names of earlier steps; a read gives its box's name.
    std::string_view formula;
    // None for a step that failed, and for an outcome (what the click chose).
    std::optional<double> value;
    // The double a single-precision value was rounded from.
    std::optional<double> unrounded;
    // The runtime error this step raised.
    std::optional<int> error;
};

using StepList = std::vector<Step>;

// The working of one click. A handler computes every value it names through
// it, so a listing, when one is asked for, is the handler's own run and
// cannot disagree with the boxes. Without a listing it only computes.
class Steps {
public:
    Steps() = default;
    explicit Steps(StepList* listing) : listing_(listing) {}

    template <class Compute>
    double Double(std::string_view name, std::string_view formula, const Compute& compute) {
        return RecordDouble(name, formula, Computation(compute));
    }

    // Computes in double, then rounds to single.
    template <class Compute>
    float Single(std::string_view name, std::string_view formula, const Compute& compute) {
        return RecordSingle(name, formula, Computation(compute));
    }

    // What the click chose, such as the operand copied into Z.
    void Outcome(std::string_view name, std::string_view formula);

private:
    // A computation held by reference, so that computing and recording are
    // one piece of code whatever the handler computes.
    class Computation {
    public:
        template <class Compute>
        explicit Computation(const Compute& compute)
            : object_(&compute), call_([](const void* object) -> double { return (*static_cast<const Compute*>(object))(); }) {}
        double operator()() const { return call_(object_); }

    private:
        const void* object_;
        double (*call_)(const void*);
    };

    double RecordDouble(std::string_view name, std::string_view formula, Computation compute);
    float RecordSingle(std::string_view name, std::string_view formula, Computation compute);

    StepList* listing_ = nullptr;
};

// The shortest decimal text that reads back as the same double, the same in
// every edition ("1.2999999523162842", "1e+16").
std::string ShortestText(double value);
void AppendShortest(std::string& out, double value);

}  // namespace trelvani
