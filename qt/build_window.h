// The standard controls of a window's design as Qt widgets.
#pragma once

#include "common/design.h"

#include <vector>

class QWidget;

namespace tavrel {

// Builds a window from its design: caption, fixed client size and font, and a
// widget for each control, in design order (nullptr for a line, which the
// window paints), placed, with the focus order of the tab indexes. Only the
// selected option button of the window is a tab stop. Returns the widgets.
std::vector<QWidget *> BuildWindow(QWidget *window, const WindowDesign &design);

} // namespace tavrel
