#include "common/numbers.h"

#include <fast_float/fast_float.h>
#include <fmt/compile.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tavrel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c, int base)
{
    int value = base;
    if (IsDigit(c))
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// Digits after "&H" or "&O", as far as they go; past the largest double, the
// largest double (as for decimal numbers).
double ReadRadixInteger(std::string_view digits, int base)
{
    constexpr double kLargest = std::numeric_limits<double>::max();
    double value = 0.0;
    for (const char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            break;
        value = std::min(value * base + digit, kLargest);
    }
    return value;
}

// Beyond a decimal exponent of 400 a double is infinite or zero whatever the
// mantissa says. Exponents are read up to a cap far above any text's length,
// so that the cap cannot bring a value back into range.
constexpr long long kBeyondDoubleRange = 400;
constexpr long long kExponentCap = 100'000'000'000'000'000;

// A decimal number: sign, mantissa digits with an optional point, optional
// exponent, read as far as they go.
double ReadDecimal(std::string_view s)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';

    std::string digits; // mantissa digits without the point
    long long integerDigits = 0;
    bool sawPoint = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            digits += s[i];
            integerDigits += sawPoint ? 0 : 1;
        } else if (s[i] == '.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
    }

    long long exponent = 0;
    if (!digits.empty() && i < s.size() &&
        std::string_view("EeDd").find(s[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '-' || s[j] == '+'))
            negativeExponent = s[j++] == '-';
        for (; j < s.size() && IsDigit(s[j]); ++j)
            exponent = std::min(exponent * 10 + (s[j] - '0'), kExponentCap);
        if (negativeExponent)
            exponent = -exponent;
    }

    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    const std::size_t last = digits.find_last_not_of('0');

    // Normalise to d.ddd e X so that the exponent alone tells overflow from underflow.
    const long long scale = integerDigits - 1 - static_cast<long long>(first) + exponent;
    const double overflow = (negative ? -1 : 1) * std::numeric_limits<double>::max();
    if (scale > kBeyondDoubleRange)
        return overflow;
    if (scale < -kBeyondDoubleRange)
        return 0.0;
    std::string normal;
    normal.reserve(last - first + 24);
    normal += digits[first];
    normal += '.';
    normal.append(digits, first + 1, last - first);
    normal += 'e';
    normal += std::to_string(scale);

    // fast_float: an exactly rounded read with every standard library (libc++
    // has no from_chars for double). Past either end of the range: the largest
    // double or 0, however the library reports it.
    double value = 0.0;
    const auto read = fast_float::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (read.ec == std::errc::result_out_of_range || std::isinf(value) || value == 0.0)
        return scale > 0 ? overflow : 0.0;
    return negative ? -value : value;
}

} // namespace

double ReadNumber(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return ReadRadixInteger(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return ReadRadixInteger(std::string_view(s).substr(2), 8);
        return 0.0;
    }
    return ReadDecimal(s);
}

float ToSingle(double value)
{
    constexpr double kLargest = std::numeric_limits<float>::max();
    // Halfway between the largest single and 2^128: from here on rounding overflows.
    constexpr double kOverflow = 0x1.ffffffp127;
    if (std::fabs(value) <= kLargest || std::isnan(value))
        return static_cast<float>(value);
    const float magnitude =
        std::fabs(value) < kOverflow ? std::numeric_limits<float>::max() : HUGE_VALF;
    return value < 0 ? -magnitude : magnitude;
}

std::string NumberToSignedText(double value)
{
    if (std::isnan(value))
        return " NaN";
    const std::string sign = std::signbit(value) && value != 0.0 ? "-" : " ";
    if (std::isinf(value))
        return sign + "Inf";
    if (value == 0.0)
        return " 0";

    // Rounded to 15 significant digits: "d.dddddddddddddde+XX". {fmt} rounds
    // exactly and ignores the locale, with every standard library; the format
    // is compiled, so that only the code for this one format is built in.
    char buffer[32];
    const auto result =
        fmt::format_to_n(buffer, sizeof buffer, FMT_COMPILE("{:.14e}"), std::fabs(value));
    const std::string_view scientific(buffer, result.size);
    const std::size_t e = scientific.find('e');
    std::string digits;
    digits += scientific[0];
    digits.append(scientific.substr(2, e - 2));
    digits.erase(digits.find_last_not_of('0') + 1);
    int exponent = 0;
    std::from_chars(scientific.data() + e + 1 + (scientific[e + 1] == '+'),
                    scientific.data() + scientific.size(), exponent);

    std::string text = sign;
    const int count = static_cast<int>(digits.size());
    if (exponent < -4 || exponent > 14) {
        text += digits[0];
        if (count > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += '.';
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else if (count <= exponent + 1) {
        text += digits;
        text.append(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
        text.append(digits, 0, static_cast<std::size_t>(exponent + 1));
        text += '.';
        text.append(digits, static_cast<std::size_t>(exponent + 1));
    }
    return text;
}

std::string NumberToText(double value)
{
    std::string text = NumberToSignedText(value);
    if (text.front() == ' ')
        text.erase(0, 1);
    return text;
}

} // namespace tavrel
