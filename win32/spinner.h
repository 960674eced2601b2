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

// What the left button does on a spinner's arrows, sent to its window as
// kArrowMessage (wParam the event, lParam the spinner): the procedures hold
// the arrow and time its repeat, not the scroll bar.
enum class ArrowEvent { PressUpper, PressLower, Over, Off, Release };
inline constexpr UINT kArrowMessage = WM_APP + 1;

// Sets the scroll bar's range and value from its design, and hands the wheel
// and the left button over it to its window instead of the scroll bar's own
// scrolling; a held arrow is drawn pressed while the pointer is on it.
void MakeSpinner(HWND bar, const SpinnerDesign &design);

// What a WM_VSCROLL code asks for; none for the thumb's codes, which a
// spinner only tall enough for its arrows never sends, and for SB_ENDSCROLL.
std::optional<SpinAction> SpinActionOf(int scrollCode);

} // namespace tavrel
