// Qt's key events as the core's key presses.
#pragma once

#include "main_window/interaction.h"

#include <optional>

class QKeyEvent;

namespace tavrel {

// The key, or nothing for a key that no window of Tavrel's takes (typing).
// Shift+Tab arrives as Backtab; the keypad's keys are the same keys.
std::optional<KeyPress> ToKeyPress(const QKeyEvent &event);

} // namespace tavrel
