#include "common/parse.hpp"

#include <cerrno>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

#include "common/error.hpp"
#include "common/numerics.hpp"

namespace zun {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Checks the decimal grammar: [sign] digits [. digits] [(e|E) [sign] digits],
// with at least one mantissa digit.
bool IsDecimalSyntax(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) { ++i; ++digits; }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) { ++i; ++digits; }
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i])) { ++i; ++expDigits; }
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

locale_t CLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

[[noreturn]] void NotFloat(std::string_view text) {
    throw Error("'" + std::string(text) + "' is not a valid floating point value");
}

}  // namespace

double ParseDecimal(std::string_view text) {
    const std::string_view body = Trim(text);
    if (!IsDecimalSyntax(body)) NotFloat(text);
    const std::string copy(body);
    char* end = nullptr;
    const double value = strtod_l(copy.c_str(), &end, CLocale());
    if (end != copy.c_str() + copy.size() || std::isinf(value)) NotFloat(text);
    return value;  // an underflow reads as 0 or a subnormal, silently
}

float ParseSingle(std::string_view text) { return Store(ParseDecimal(text)); }

int ParseWhole(std::string_view text) {
    const std::string_view body = Trim(text);
    auto fail = [&]() -> int {
        throw Error("'" + std::string(text) + "' is not a valid integer value");
    };
    std::size_t i = 0;
    bool negative = false;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) negative = body[i++] == '-';
    if (i == body.size()) return fail();
    long long value = 0;
    for (; i < body.size(); ++i) {
        if (!IsDigit(body[i])) return fail();
        value = value * 10 + (body[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return fail();
    }
    if (negative) value = -value;
    if (value < INT_MIN || value > INT_MAX) return fail();
    return static_cast<int>(value);
}

}  // namespace zun
