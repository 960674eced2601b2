// The controls of a window's design as the page's markup.
#pragma once

#include "common/design.h"

#include <string>

namespace tavrel {

// CSS pixels are 1/96 inch: 15 twips each.
inline constexpr double kCssDpi = 96.0;

// The client area of the window: one element per control, its id the
// control's name, placed from its twips, with the design's captions, fonts,
// colours, tooltips and initial states. The controls that take the focus
// come first, in the focus order; the others come after them in reading
// order, as screen readers meet them.
std::string WindowMarkup(const WindowDesign &design);

} // namespace tavrel
