// The core on any bytes; the first byte picks the property, the rest is its input:
//   0 ReadNumber is always finite, and a double's text reads back as its 15 digits;
//   1 ComputeDescentDistance gives a finite distance, none, or an ArithmeticError,
//     and never narrows out of range (undefined behaviour, which UBSan reports).
// A broken property aborts, so that the fuzzer keeps the input. Built with
// TAVREL_REPLAY, the file is a program that replays saved inputs instead.
#include "calc/descent.h"
#include "common/errors.h"
#include "common/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace tavrel;

static void Require(bool property, const char *what)
{
    if (!property)
        std::fprintf(stderr, "property broken: %s\n", what), std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // A copy of exactly the input's length, so that a read past it is caught.
    const std::string input(reinterpret_cast<const char *>(data) + 1, size - 1);
    double x = 0;
    std::memcpy(&x, input.data(), std::min(sizeof x, input.size()));
    float f[7];
    if (data[0] % 2 == 0) {
        Require(std::isfinite(ReadNumber(input)), "ReadNumber gave a non-finite value");
        const std::string text = NumberToSignedText(x);
        Require(!std::isfinite(x) || NumberToSignedText(ReadNumber(text)) == text,
                "text does not read back");
    } else if (input.size() >= 29 && std::memcpy(f, input.data(), sizeof f)) {
        try {
            const auto distance =
                ComputeDescentDistance({f[0], f[1], f[2], f[3], f[4], f[5], f[6],
                                        (input[28] & 1) != 0, (input[28] & 2) != 0});
            Require(!distance || std::isfinite(*distance), "non-finite distance");
        } catch (const ArithmeticError &) {
        }
    }
    return 0;
}

#ifdef TAVREL_REPLAY
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

int main(int argc, char *argv[])
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i)
        for (const auto &entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream file(entry.path(), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(file)), {});
            replayed += !LLVMFuzzerTestOneInput(
                reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
        }
    std::cout << replayed << " inputs replayed\n";
    return replayed > 0 ? 0 : 1;
}
#endif
