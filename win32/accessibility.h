// What screen readers hear of the boxes and spinners. Windows' standard
// proxies name an edit control or a scroll bar after the label created just
// before it, which is not how these windows are built, and know nothing of a
// scroll bar that stands for a spin button. So a described control answers
// WM_GETOBJECT with its standard proxy wrapped: the name, description and
// states given here and, for a spin button, that role and its box's text as
// value.
// Nothing of COM is loaded until an assistive tool asks.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

namespace tavrel {

// valueFrom: for a spin button, the box whose text is its value; readOnly:
// a box heard as one that cannot be typed into, though it takes the focus.
void Describe(HWND control, const std::wstring &name, HWND valueFrom = nullptr,
              bool readOnly = false);
// A new description (its state, for a greyed row, or a result told), announced.
void SetDescription(HWND control, const std::wstring &description);
// A control of a row not used now: screen readers hear it unavailable.
void SetInactive(HWND control, bool inactive);
// The spin button's value has changed: announced to assistive tools.
void AnnounceValue(HWND spinButton);

} // namespace tavrel
