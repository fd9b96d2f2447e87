#pragma once
// The two text parsers used for every box and grid cell.
//
// Both accept surrounding spaces and tabs, which are ignored; everything in
// between must be the number. The decimal point is always '.'.
#include <string>
#include <string_view>

namespace zun {

// Decimal number: optional sign, digits with an optional '.' and fraction
// (at least one digit in all), optional exponent. Texts such as "nan", "inf",
// hexadecimal floats or numbers too large for double precision fail with
// "'<text>' is not a valid floating point value".
double ParseDecimal(std::string_view text);

// Whole number: optional sign and decimal digits, within the 32-bit signed
// range; otherwise "'<text>' is not a valid integer value".
int ParseWhole(std::string_view text);

// Decimal number stored in single precision (a box read into a single
// variable): a value too large for single precision raises
// "Floating point overflow".
float ParseSingle(std::string_view text);

}  // namespace zun
