// Twips (1/1440 inch), the unit of every position and size in the windows'
// designs, and their conversion to pixels at a screen's DPI, so that the
// controls grow with the fonts when the user enlarges them.
#pragma once

#include <cmath>

namespace tavrel {

inline constexpr double kTwipsPerInch = 1440.0;

// A length in twips as pixels at dpi, rounded to the nearest pixel.
inline int TwipsToPixels(int twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

} // namespace tavrel
