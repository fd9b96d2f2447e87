#pragma once
// The program's one error type. Every failure that ends a calculation is an
// Error carrying the text that the user sees (without the trailing full stop,
// which the error display adds).
#include <stdexcept>
#include <string>

namespace zun {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text) : std::runtime_error(text) {}
};

// The text of an error as the error box shows it: a full stop is appended
// when the last character sorts after the full stop (letters and digits do).
std::string ErrorBoxText(const std::string& text);

// Texts of the floating-point faults.
inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kOverflow = "Floating point overflow";

}  // namespace zun
