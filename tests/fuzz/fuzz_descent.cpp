// ComputeDescentDistance on any inputs: a finite distance, no distance, or an
// ArithmeticError; nothing else, and its text can always be shown.
#include "calc/descent.h"
#include "common/errors.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace tavrel;
using tavrel::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    float fields[7];
    if (size < sizeof fields + 1)
        return 0;
    std::memcpy(fields, data, sizeof fields);
    const std::uint8_t kind = data[sizeof fields];
    const DescentInputs inputs{fields[0], fields[1], fields[2],       fields[3],      fields[4],
                               fields[5], fields[6], (kind & 1) != 0, (kind & 2) != 0};
    try {
        const auto distance = ComputeDescentDistance(inputs);
        Require(!distance || std::isfinite(*distance), "non-finite distance");
        Require(!DistanceText(distance).empty(), "empty result text");
    } catch (const ArithmeticError &) {
        // the documented failure
    }
    return 0;
}
