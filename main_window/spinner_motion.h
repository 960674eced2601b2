// How a spinner moves: what an arrow click, a page key, Home, End and a turn
// of the wheel do to its value. The value stays within the spinner's range:
// an action that points past an end leaves it where it is.
#pragma once

#include "common/design.h"

namespace tavrel {

enum class SpinAction {
    LineUp,   // the upper arrow, or the Up key: SmallChange towards Min
    LineDown, // the lower arrow, or the Down key: SmallChange towards Max
    PageUp,   // LargeChange (1) towards Min
    PageDown, // LargeChange (1) towards Max
    Top,      // Home: to Min
    Bottom,   // End: to Max
};

// The value after the action, clamped to [min, max].
int SpinnerValueAfter(const SpinnerDesign &range, int value, SpinAction action);

// Turns of the mouse wheel as arrow clicks: each whole notch (120 units, as
// the desktops report it) away from the user is a click on the upper arrow,
// each towards the user one on the lower arrow; part notches add up.
class WheelNotches
{
public:
    static constexpr int kUnitsPerNotch = 120;

    // Whole notches turned, positive away from the user; the rest is kept.
    int Turn(int units);

private:
    int m_units = 0;
};

} // namespace tavrel
