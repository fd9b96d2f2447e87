#pragma once
// Shared numerics: single-precision storage with floating-point fault checks,
// rounding to k decimal places, and the number text shown in boxes and panels.
#include <string>

namespace zun {

// Stores a double-precision result in single precision, as every named step
// of a calculation does. Raises "Floating point overflow" when the value does
// not fit and "Invalid floating point operation" for NaN; underflow passes.
float Store(double value);

// a / b with the faults of the calculations: b == 0 raises
// "Floating point division by zero", or "Invalid floating point operation"
// when a is 0 as well. The quotient itself is checked for overflow.
double Div(double a, double b);

// Raises "Floating point overflow" when an intermediate double result is
// infinite, "Invalid floating point operation" when it is NaN.
double Checked(double value);

// Rounding to k decimal places (k = 1, 2 or 3): divide by 0.1, 0.01 or 0.001
// held as doubles, take the nearest integer with ties to even, multiply back.
double RoundTo(double value, int decimals);

// General number text: at most 15 significant digits, no trailing zeros,
// no decimal point for a whole number ("30", "16.7", "0.002").
std::string FormatNumber(double value);

// Shortest decimal text that reads back to the same single-precision number
// ("18.759", "24.000002").
std::string FormatSingle(float value);

// Converts a double to a whole number toward zero; the caller must have
// checked that the value lies within the int range.
int TruncToInt(double value);

}  // namespace zun
