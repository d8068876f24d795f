#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace trelvani {

// The numbered runtime errors an operation can raise. The numbers and
// their Spanish descriptions are what the user sees in the error box.
enum class ErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    DivisionByZero = 11,
};

std::string_view Description(ErrorNumber number);

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorNumber number) : number_(number) {}

    ErrorNumber number() const { return number_; }
    int code() const { return static_cast<int>(number_); }
    std::string_view description() const { return Description(number_); }
    const char* what() const noexcept override;

private:
    ErrorNumber number_;
};

[[noreturn]] void Raise(ErrorNumber number);

// The text of the box that reports an error to the user, in every edition.
std::string ErrorReport(const RuntimeError& error);

}  // namespace trelvani
