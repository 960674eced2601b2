// Windows' key messages as the core's key presses.
#pragma once

#include "main_window/interaction.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <optional>

namespace tavrel {

// The key of a WM_KEYDOWN or WM_SYSKEYDOWN, with the modifiers held now, or
// nothing for a key that no window of Tavrel's takes (typing, Space).
std::optional<KeyPress> ToKeyPress(const MSG &message);

} // namespace tavrel
