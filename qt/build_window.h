// The standard controls of a window's design as Qt widgets.
#pragma once

#include "common/design.h"

#include <vector>

class QWidget;

namespace tavrel {

// Builds a window from its design: caption, fixed client size and font, and a
// widget for each control, in design order (nullptr for a line, which the
// window paints), placed. Returns the widgets. The focus order is the
// procedures' (Key), not Qt's.
std::vector<QWidget *> BuildWindow(QWidget *window, const WindowDesign &design);

} // namespace tavrel
