// A property check for the fuzz targets: a broken property is a crash, so
// that the fuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace tavrel::fuzz {

inline void Require(bool property, const char *what)
{
    if (!property) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

} // namespace tavrel::fuzz
