// The layout of a window's controls as a stylesheet, so that the page needs
// no style attribute (its Content-Security-Policy allows none).
#pragma once

#include "common/design.h"

#include <string>

namespace tavrel {

// The form's size and font, and each control's place, font and colours,
// from its twips at 15 a CSS pixel. On a touch screen, each control that a
// finger presses reaches at least a finger (kFingerTwips) across and down,
// into the free space around it: a spinner's arrows half the row each, a
// box with its spinner the row, for a finger's slide.
std::string WindowStyle(const WindowDesign &design);

// The selector of a control's placed element in WindowMarkup.
std::string Selector(const ControlDesign &control);

} // namespace tavrel
