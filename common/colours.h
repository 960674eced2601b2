// Colour values as the window tables write them.
//
// A colour is either a plain colour 0x00BBGGRR (blue in the high byte, red in the
// low one) or a system colour, 0x80000000 plus the index of one of the desktop's
// own colours. Turning a system colour into pixels is the toolkit's job; this
// header only tells the two apart.
#pragma once

#include <cstdint>

namespace tavrel {

using ColourValue = std::uint32_t;

inline constexpr ColourValue kSystemColourFlag = 0x80000000u;

// Plain colours.
inline constexpr ColourValue kWhite = 0x00FFFFFFu;
inline constexpr ColourValue kBlack = 0x00000000u;
inline constexpr ColourValue kDarkBlue = 0x00C00000u; // input box text
inline constexpr ColourValue kBlue = 0x00FF0000u;     // option button text
inline constexpr ColourValue kRed = 0x000000FFu;
inline constexpr ColourValue kGrey = 0x00808080u;

// System colours.
inline constexpr ColourValue kSysInactiveBorder = 0x8000000Bu; // index 11
inline constexpr ColourValue kSysButtonShadow = 0x80000010u;   // index 16, greyed text
inline constexpr ColourValue kSysButtonText = 0x80000012u;     // index 18

constexpr bool IsSystemColour(ColourValue c) { return (c & kSystemColourFlag) != 0; }
constexpr unsigned SystemColourIndex(ColourValue c) { return c & ~kSystemColourFlag; }

constexpr unsigned RedOf(ColourValue c) { return c & 0xFFu; }
constexpr unsigned GreenOf(ColourValue c) { return (c >> 8) & 0xFFu; }
constexpr unsigned BlueOf(ColourValue c) { return (c >> 16) & 0xFFu; }

} // namespace tavrel
