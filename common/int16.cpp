#include "common/int16.h"

#include "common/errors.h"

#include <limits>

namespace tavrel {

namespace {

std::int16_t Narrow16(int wide)
{
    if (wide < std::numeric_limits<std::int16_t>::min() ||
        wide > std::numeric_limits<std::int16_t>::max())
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return static_cast<std::int16_t>(wide);
}

} // namespace

// int holds every sum and difference of two 16-bit values, so the check is exact.
std::int16_t Sub16(std::int16_t a, std::int16_t b) { return Narrow16(int{a} - int{b}); }

std::int16_t Add16(std::int16_t a, std::int16_t b) { return Narrow16(int{a} + int{b}); }

} // namespace tavrel
