// 16-bit signed arithmetic with the overflow check of the spinner rules.
//
// A spinner's value is a 16-bit integer; the rules that turn it into a box value
// subtract and add in 16 bits and must fail, not wrap, when a result leaves
// -32768..32767.
#pragma once

#include <cstdint>

namespace tavrel {

// a - b; throws ArithmeticError(Overflow) when the result does not fit 16 bits.
std::int16_t Sub16(std::int16_t a, std::int16_t b);

// a + b; throws ArithmeticError(Overflow) when the result does not fit 16 bits.
std::int16_t Add16(std::int16_t a, std::int16_t b);

} // namespace tavrel
