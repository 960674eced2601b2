// ReadNumber on any bytes: never crashes, never reads outside the text, always
// finite; and every text NumberToSignedText writes for a finite double reads
// back as the same 15 significant digits.
#include "common/numbers.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

using namespace tavrel;
using tavrel::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A copy of exactly the input's length, so that reading one byte past it is caught.
    const std::string text(reinterpret_cast<const char *>(data), size);
    Require(std::isfinite(ReadNumber(text)), "ReadNumber gave a non-finite value");

    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x)) {
            const std::string written = NumberToSignedText(x);
            Require(NumberToSignedText(ReadNumber(written)) == written,
                    "NumberToSignedText text does not read back to the same digits");
        }
    }
    return 0;
}
