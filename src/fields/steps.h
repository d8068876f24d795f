#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fields/checked_arithmetic.h"
#include "fields/runtime_error.h"

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
    double Double(std::string_view name, std::string_view formula, Compute&& compute) {
        if (listing_ == nullptr) return compute();
        const double value = Guarded(name, formula, compute);
        listing_->push_back({name, formula, value, std::nullopt, std::nullopt});
        return value;
    }

    // Computes in double, then rounds to single.
    template <class Compute>
    float Single(std::string_view name, std::string_view formula, Compute&& compute) {
        if (listing_ == nullptr) return RoundToSingle(compute());
        const double unrounded = Guarded(name, formula, compute);
        const float value = Guarded(name, formula, [unrounded] { return RoundToSingle(unrounded); });
        listing_->push_back({name, formula, static_cast<double>(value), unrounded, std::nullopt});
        return value;
    }

    // What the click chose, such as the operand copied into Z.
    void Outcome(std::string_view name, std::string_view formula) {
        if (listing_ != nullptr) listing_->push_back({name, formula, std::nullopt, std::nullopt, std::nullopt});
    }

private:
    template <class Compute>
    auto Guarded(std::string_view name, std::string_view formula, const Compute& compute) {
        try {
            return compute();
        } catch (const RuntimeError& error) {
            listing_->push_back({name, formula, std::nullopt, std::nullopt, error.code()});
            throw;
        }
    }

    StepList* listing_ = nullptr;
};

// The shortest decimal text that reads back as the same double, the same in
// every edition ("1.2999999523162842", "1e+16").
std::string ShortestText(double value);

// The listing as a JSON array of {"name", "formula", "value", "unrounded",
// "error"}, each member present only where it applies; values as
// ShortestText gives them.
std::string StepsJson(const StepList& steps);

}  // namespace trelvani
