// NumberToSignedText and DistanceText on any double: the sign position, at
// most 15 significant digits, and a result text that never drops integer
// digits or an exponent.
#include "calc/descent.h"
#include "common/numbers.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

using namespace tavrel;
using tavrel::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < sizeof(double))
        return 0;
    double x;
    std::memcpy(&x, data, sizeof x);

    const std::string text = NumberToSignedText(x);
    const std::string shown = DistanceText(x);
    if (!std::isfinite(x))
        return 0;

    Require(text.size() >= 2, "text too short");
    Require(text[0] == ((x < 0) ? '-' : ' '), "wrong sign position");
    const std::size_t exponent = text.find('E');
    const std::string mantissa =
        text.substr(1, exponent == std::string::npos ? std::string::npos : exponent - 1);
    std::string digits;
    for (const char c : mantissa) {
        Require((c >= '0' && c <= '9') || c == '.', "unexpected character in the mantissa");
        if (c != '.')
            digits += c;
    }
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    const std::size_t significant =
        firstSignificant == std::string::npos ? 1 : digits.size() - firstSignificant;
    Require(significant <= 15, "more than 15 significant digits");

    if (exponent == std::string::npos) {
        const std::string integerPart = text.substr(0, text.find('.'));
        Require(shown.compare(0, integerPart.size(), integerPart) == 0, "integer digits dropped");
        Require(text.compare(0, shown.size(), shown) == 0,
                "result text is not a cut of the number");
        Require(shown.size() <= 5 || shown == integerPart,
                "more than five characters without need");
    } else {
        Require(shown == (text[exponent + 1] == '-' ? std::string(" 0") : text),
                "exponent form misstated");
    }
    return 0;
}
