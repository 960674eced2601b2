#include "main_window/spinner_motion.h"

#include <algorithm>

namespace tavrel {

namespace {

constexpr int kLargeChange = 1; // on every spinner of the program

} // namespace

int SpinnerValueAfter(const SpinnerDesign &range, int value, SpinAction action)
{
    int next = value;
    switch (action) {
    case SpinAction::LineUp:
        next -= range.smallChange;
        break;
    case SpinAction::LineDown:
        next += range.smallChange;
        break;
    case SpinAction::PageUp:
        next -= kLargeChange;
        break;
    case SpinAction::PageDown:
        next += kLargeChange;
        break;
    case SpinAction::Top:
        next = range.min;
        break;
    case SpinAction::Bottom:
        next = range.max;
        break;
    }
    return std::clamp(next, range.min, range.max);
}

int WheelNotches::Turn(int units)
{
    m_units += units;
    const int notches = m_units / kUnitsPerNotch; // towards zero: the rest keeps its sign
    m_units -= notches * kUnitsPerNotch;
    return notches;
}

} // namespace tavrel
