// A spinner is a vertical SCROLLBAR control. It never moves by itself: its
// window turns each arrow click, key and notch of the wheel into a call of
// the procedures, which decide the new value.
#pragma once

#include "common/design.h"
#include "main_window/spinner_motion.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <optional>

namespace tavrel {

// Sets the scroll bar's range and value from its design, and hands the wheel
// over it to its window instead of the scroll bar's own scrolling.
void MakeSpinner(HWND bar, const SpinnerDesign &design);

// What a WM_VSCROLL code asks for; none for the thumb's codes, which a
// spinner only tall enough for its arrows never sends, and for SB_ENDSCROLL.
std::optional<SpinAction> SpinActionOf(int scrollCode);

} // namespace tavrel
